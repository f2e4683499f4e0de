// RecentFindDialog: "Find path/file" of the recent files window.
#pragma once

#include <QDialog>

#include "settings/recent_files.h"

class QCheckBox;
class QLineEdit;

namespace quillon::app {

/// Asks for the text to find and the two choices; performs nothing.
class RecentFindDialog final : public QDialog {
    Q_OBJECT
public:
    RecentFindDialog(const settings::RecentFind& find, QWidget* parent = nullptr);

    /// The text and choices as the dialog shows them.
    [[nodiscard]] settings::RecentFind find() const;

private:
    QLineEdit* m_text = nullptr;
    QCheckBox* m_fromTop = nullptr;
    QCheckBox* m_caseSensitive = nullptr;
};

}  // namespace quillon::app
