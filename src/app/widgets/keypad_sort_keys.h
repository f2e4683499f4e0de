// Ctrl+Num+ and Ctrl+Num- on a list: ascending and descending order.
#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

namespace quillon::app {

/// Gives `list` the keys Ctrl+Num+ and Ctrl+Num-, which trigger `ascending` and `descending`.
/// The keys are taken from the list itself rather than left to the actions' shortcuts: some
/// window systems drop the keypad from a key before matching shortcuts, so that the shortcut
/// never fires. Menus show the keys as "Ctrl+Num+" and "Ctrl+Num-". Owned by `list`.
class KeypadSortKeys final : public QObject {
    Q_OBJECT
public:
    KeypadSortKeys(QWidget* list, QAction* ascending, QAction* descending);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] QAction* actionFor(const QEvent* event) const;

    QPointer<QAction> m_ascending;
    QPointer<QAction> m_descending;
};

}  // namespace quillon::app
