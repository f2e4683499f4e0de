// Push buttons over window commands.
#include "app/widgets/action_button.h"

#include <QAction>
#include <QPushButton>

namespace quillon::app {

QPushButton* actionButton(QAction* action, const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString(text).remove('&').remove('.').remove(' '));
    b->setShortcut(QKeySequence());
    QObject::connect(b, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, b,
                     [b, action] { b->setEnabled(action->isEnabled()); });
    b->setEnabled(action->isEnabled());
    return b;
}

}  // namespace quillon::app
