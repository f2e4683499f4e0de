// The program's file dialogs.
#include "app/widgets/file_dialog.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>

#include <algorithm>

#include "app/widgets/header_titles.h"

namespace quillon::app {

namespace {

/// The columns of the detail view as wide as their longest usual entry.
void widenColumns(QFileDialog& dialog)
{
    auto* view = dialog.findChild<QTreeView*>("treeView");
    if (view == nullptr)
        return;
    QHeaderView* header = view->header();
    const QFontMetrics metrics(view->font());
    const int pad = 24;
    const int size = std::max(metrics.horizontalAdvance("1023.99 KiB"),
                              titleWidth(header, 1));
    const int type = std::max(metrics.horizontalAdvance("Application extension"),
                              titleWidth(header, 2));
    const int date = std::max(metrics.horizontalAdvance("31/12/2099 23:59"),
                              titleWidth(header, 3));
    header->resizeSection(1, size + pad);
    header->resizeSection(2, type + pad);
    header->resizeSection(3, date + pad);
    // The name takes what the dialog leaves beside the side bar and the other columns.
    header->resizeSection(0, std::max({header->sectionSize(0), metrics.horizontalAdvance('x') * 40,
                                       dialog.width() * 2 / 5}));
}

}  // namespace

void prepareFileDialog(QFileDialog& dialog, FileDialogKind kind)
{
    switch (kind) {
        case FileDialogKind::Open:
            dialog.setFileMode(QFileDialog::ExistingFile);
            break;
        case FileDialogKind::OpenMany:
            dialog.setFileMode(QFileDialog::ExistingFiles);
            break;
        case FileDialogKind::Save:
            dialog.setFileMode(QFileDialog::AnyFile);
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
            break;
        case FileDialogKind::Folder:
            dialog.setFileMode(QFileDialog::Directory);
            dialog.setOption(QFileDialog::ShowDirsOnly, true);
            break;
    }
    const QScreen* screen = dialog.parentWidget() != nullptr ? dialog.parentWidget()->screen()
                                                             : QGuiApplication::primaryScreen();
    const QRect free = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QFontMetrics metrics(dialog.font());
    const int width = std::min(metrics.horizontalAdvance('x') * 130, free.width() * 9 / 10);
    const int height = std::min(metrics.height() * 34, free.height() * 8 / 10);
    dialog.resize(std::max(dialog.width(), width), std::max(dialog.height(), height));
    widenColumns(dialog);
}

QStringList runFileDialog(QWidget* parent, const QString& title, const QString& start,
                          const QString& filter, FileDialogKind kind)
{
    QFileDialog dialog(parent, title, start, kind == FileDialogKind::Folder ? QString() : filter);
    prepareFileDialog(dialog, kind);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

}  // namespace quillon::app
