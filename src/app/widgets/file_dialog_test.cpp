// The program's file dialogs: their size, and the question before a save replaces a file.
#include "app/widgets/file_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QMainWindow>
#include <QTimer>
#include <QTreeView>

#include <deque>
#include <functional>

#include <gtest/gtest.h>

#include "app/widgets/header_titles.h"
#include "app/widgets/message_dialog.h"
#include "app/widgets/qt_ui.h"
#include "support/test_workspace.h"

namespace quillon::app {
namespace {

/// Runs `handle` on the next file dialog that opens.
void onFileDialog(std::function<void(QFileDialog&)> handle, int attempts = 200)
{
    QTimer::singleShot(5, [handle, attempts] {
        if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            handle(*d);
            return;
        }
        if (attempts > 0)
            onFileDialog(handle, attempts - 1);
    });
}

TEST(FileDialogs, OpenLargeEnoughForTheirColumns)
{
    QFileDialog dialog(nullptr, "Open library file...", QString(), "LIB files (*.lib)");
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    const QSize before = dialog.size();
    prepareFileDialog(dialog, FileDialogKind::Open);
    EXPECT_GT(dialog.width(), before.width());
    EXPECT_GE(dialog.height(), before.height());
    auto* view = dialog.findChild<QTreeView*>("treeView");
    ASSERT_NE(view, nullptr);
    const QFontMetrics metrics(view->font());
    QHeaderView* header = view->header();
    EXPECT_GT(header->sectionSize(1), metrics.horizontalAdvance("1023.99 KiB"));
    EXPECT_GT(header->sectionSize(2), metrics.horizontalAdvance("Application extension"));
    EXPECT_GT(header->sectionSize(3), metrics.horizontalAdvance("31/12/2099 23:59"));
    for (int column = 0; column < 4; ++column)
        EXPECT_GE(header->sectionSize(column), titleWidth(header, column)) << column;
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite) == false);
    prepareFileDialog(dialog, FileDialogKind::Save);
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
}

TEST(FileDialogs, SavingOverAFileAsksFirstAndNoGoesBackToTheDialog)
{
    quillon::testing::TempFolder folder;
    const std::string existing = folder.write("old.lib", "old");
    QMainWindow window;
    QtUi qtUi;
    qtUi.attach(&window, nullptr);
    std::vector<ui::MessageBox> asked;
    std::deque<int> answers = {2, 1};  // No, then Yes
    qtUi.setMessageSeam([&](const ui::MessageBox& box) {
        asked.push_back(box);
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    });
    int shown = 0;
    std::function<void(QFileDialog&)> pick = [&](QFileDialog& d) {
        if (++shown == 1)
            onFileDialog(pick);
        d.selectFile(fromPath(existing));
        static_cast<QDialog&>(d).accept();
    };
    onFileDialog(pick);
    const auto chosen = qtUi.saveFileDialog({"Save library file as...", existing, "LIB files|*.lib"});
    EXPECT_EQ(shown, 2);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].title, "Save library file as...");
    EXPECT_NE(asked[0].text.find("already exists."), std::string::npos) << asked[0].text;
    EXPECT_EQ(asked[0].buttons, "&Yes|&No");
    EXPECT_EQ(asked[0].defaultButton, 2);
    EXPECT_EQ(chosen, std::optional<std::string>(existing));
    EXPECT_EQ(folder.read("old.lib"), "old");

    // A new name is not asked about; Cancel gives nothing.
    onFileDialog([&](QFileDialog& d) {
        d.selectFile(fromPath(folder.file("new.lib")));
        static_cast<QDialog&>(d).accept();
    });
    EXPECT_EQ(qtUi.saveFileDialog({"Save library file as...", existing, "LIB files|*.lib"}),
              std::optional<std::string>(folder.file("new.lib")));
    onFileDialog([](QFileDialog& d) { d.reject(); });
    EXPECT_EQ(qtUi.saveFileDialog({"Save library file as...", existing, "LIB files|*.lib"}),
              std::nullopt);
    EXPECT_EQ(asked.size(), 2u);
}

TEST(FileDialogs, AMessageBoxShowsItsWholeCaption)
{
    const QString title = "Save library file as... - /home/someone/a/rather/long/folder/name.lib";
    MessageDialog box(nullptr, title, "Yes?", QPixmap(), {"&Yes", "&No"}, 1, 1);
    QFont bold = box.font();
    bold.setBold(true);
    EXPECT_GT(box.minimumWidth(), QFontMetrics(bold).horizontalAdvance(title));
}

}  // namespace
}  // namespace quillon::app
