// MessageDialog: the program's message box, as wide as its longest line.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <vector>

class QAbstractButton;
class QKeyEvent;
class QLabel;
class QPushButton;
class QScrollArea;

namespace quillon::app {

/// A message box whose text lines are shown whole: never wrapped, with their indent. The box
/// grows to its longest line and tallest text up to the screen's free area, and scrolls the
/// text beyond that.
class MessageDialog final : public QDialog {
    Q_OBJECT
public:
    /// `text` holds the lines separated by "\n"; `buttons` their texts with "&" access keys.
    MessageDialog(QWidget* parent, const QString& title, const QString& text, const QPixmap& icon,
                  const QStringList& buttons, int defaultButton, int escapeButton);

    [[nodiscard]] QString text() const;
    [[nodiscard]] const std::vector<QPushButton*>& buttons() const { return m_buttons; }
    [[nodiscard]] QPushButton* defaultButton() const;
    /// The button that closed the box; nullptr when it was closed another way.
    [[nodiscard]] QAbstractButton* clickedButton() const { return m_clicked; }
    /// The scroll area that holds the text (for tests of its size).
    [[nodiscard]] QScrollArea* textArea() const { return m_area; }

    void reject() override;

protected:
    /// A button's access letter alone presses it, as in the system's message boxes.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitToScreen();

    QLabel* m_text = nullptr;
    QScrollArea* m_area = nullptr;
    std::vector<QPushButton*> m_buttons;
    QAbstractButton* m_clicked = nullptr;
    int m_default = 0;
    int m_escape = -1;
};

}  // namespace quillon::app
