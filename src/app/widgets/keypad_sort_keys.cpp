// The keypad sort keys of the lists.
#include "app/widgets/keypad_sort_keys.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

#include <utility>

namespace quillon::app {

KeypadSortKeys::KeypadSortKeys(QWidget* list, QAction* ascending, QAction* descending)
    : QObject(list), m_ascending(ascending), m_descending(descending)
{
    list->installEventFilter(this);
    // A menu would name the keypad keys "Ctrl+Num++" and "Ctrl+Num+-": the text after a tab
    // is shown in place of the shortcut.
    const std::pair<QAction*, const char*> keys[] = {{ascending, "Ctrl+Num+"},
                                                     {descending, "Ctrl+Num-"}};
    for (const auto& [action, key] : keys) {
        if (!action->text().contains('\t'))
            action->setText(action->text() + '\t' + key);
    }
}

QAction* KeypadSortKeys::actionFor(const QEvent* event) const
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return nullptr;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers wanted = Qt::ControlModifier | Qt::KeypadModifier;
    if ((key->modifiers() & ~Qt::ShiftModifier) != wanted)
        return nullptr;
    if (key->key() == Qt::Key_Plus)
        return m_ascending;
    if (key->key() == Qt::Key_Minus)
        return m_descending;
    return nullptr;
}

bool KeypadSortKeys::eventFilter(QObject* watched, QEvent* event)
{
    QAction* action = actionFor(event);
    if (action == nullptr)
        return QObject::eventFilter(watched, event);
    // Taking the key before the shortcuts see it makes it fire once, on every system.
    event->accept();
    if (event->type() == QEvent::KeyPress && action->isEnabled())
        action->trigger();
    return true;
}

}  // namespace quillon::app
