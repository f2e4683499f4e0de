// Push buttons that run a window command and follow its enabled state.
#pragma once

#include <QString>

class QAction;
class QPushButton;
class QWidget;

namespace quillon::app {

/// A push button labelled `text` that triggers `action` and is enabled while it is. Its object
/// name is the text without "&", "." and blanks; its access key is left to the command's hot
/// key, which works from the list.
[[nodiscard]] QPushButton* actionButton(QAction* action, const QString& text, QWidget* parent);

}  // namespace quillon::app
