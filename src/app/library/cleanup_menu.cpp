// The menu of the "Options for cleanup" button: its own wording of six library commands.
#include "app/library/cleanup_menu.h"

#include <QAction>
#include <QMenu>

#include "app/library/library_actions.h"

namespace quillon::app {

namespace {

/// An item of `menu` with its own text that runs `command`, shows its first hot key and
/// follows its enabled state.
QAction* addItem(QMenu* menu, const QString& text, QAction* command)
{
    auto* item = menu->addAction(text);
    const QKeySequence key = command->shortcut();
    if (!key.isEmpty())
        item->setText(text + '\t' + key.toString(QKeySequence::NativeText));
    item->setEnabled(command->isEnabled());
    QObject::connect(item, &QAction::triggered, command, &QAction::trigger);
    QObject::connect(command, &QAction::changed, item,
                     [item, command] { item->setEnabled(command->isEnabled()); });
    return item;
}

}  // namespace

QMenu* createCleanupMenu(QWidget* parent, const LibraryActions& a, std::function<bool()> anyMarked)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName("cleanupMenu");
    QAction* update = addItem(menu, "Up&date selected module", a.updateOne);
    addItem(menu, "&Symbols cleanup...", a.symbolsCleanup);
    addItem(menu, "&Locate all DLL/EXE files", a.locateAll);
    addItem(menu, "Locate &DLL/EXE for selected module", a.locateOne);
    addItem(menu, "&Update library from DLL/EXE files", a.updateAll);
    addItem(menu, "&Modules cleanup...", a.modulesCleanup);
    menu->addSeparator();
    menu->addAction(a.exceptionsList);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [update, anyMarked = std::move(anyMarked)] {
        const QString tail = update->text().section('\t', 1);
        const QString text = anyMarked() ? "Up&date marked modules" : "Up&date selected module";
        update->setText(tail.isEmpty() ? text : text + '\t' + tail);
    });
    return menu;
}

}  // namespace quillon::app
