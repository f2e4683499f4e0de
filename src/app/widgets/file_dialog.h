// The program's file dialogs: large enough that the file list shows its columns whole.
#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

namespace quillon::app {

enum class FileDialogKind { Open, OpenMany, Save, Folder };

/// Prepares `dialog` for `kind`. Where the dialog is drawn by the program rather than the
/// system, it opens wide and tall enough for names, sizes, types and dates, within the
/// screen. Save dialogs do not ask about replacing a file: the caller asks.
void prepareFileDialog(QFileDialog& dialog, FileDialogKind kind);

/// Runs a file dialog of `kind`; the chosen files (empty when cancelled).
[[nodiscard]] QStringList runFileDialog(QWidget* parent, const QString& title,
                                        const QString& start, const QString& filter,
                                        FileDialogKind kind);

}  // namespace quillon::app
