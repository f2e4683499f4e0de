// The list editor of the exceptions and of the favourite files, and its entry dialog.
#include "app/options/edit_list_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "app/options/edit_list_entry_dialog.h"
#include "app/testing/gui_fixture.h"
#include "settings/favorites.h"

namespace quillon::app {
namespace {

using testing::whenShown;

class EditListDialogTest : public testing::GuiFixture {};

TEST_F(EditListDialogTest, TheExceptionsListIsEditedAndWrittenOnOk)
{
    window();
    const std::string ini = folder.write("system.ini", "[boot]\ndisplay.drv=vga.drv\n");
    EditListDialog dialog(ws, maintenance::EditListKind::Exceptions, ini);
    EXPECT_EQ(dialog.windowTitle(), "Exceptions list");
    whenShown<EditListEntryDialog>([&](EditListEntryDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Enter a new entry");
        d.fileEdit()->setText("krnl386.exe");
        d.accept();  // refused: no module name
        EXPECT_TRUE(d.isVisible());
        d.moduleEdit()->setText("kernel");
        d.accept();
    });
    dialog.addEntry();
    EXPECT_EQ(messages.size(), 1u);
    dialog.importEntries();
    ASSERT_EQ(dialog.list()->topLevelItemCount(), 2);
    EXPECT_EQ(dialog.list()->topLevelItem(1)->text(0), "DISPLAY");
    dialog.list()->setCurrentItem(dialog.list()->topLevelItem(1));
    dialog.removeEntry();
    dialog.accept();
    EXPECT_EQ(settings.readSetting("Exceptlist", "ListNum"), "1");
    EXPECT_EQ(settings.readSetting("Exceptlist", "Modulename1"), "KERNEL");
    EXPECT_EQ(settings.readSetting("Exceptlist", "Filename1"), "KRNL386.EXE");
    ASSERT_EQ(ws.exceptQ.entries.size(), 1u);  // locating uses it at once
    EXPECT_EQ(ws.exceptQ.entries[0].FILENAME, "KRNL386.EXE");
}

TEST_F(EditListDialogTest, TheFavoritesListEditsTheFilesTheMenusOpen)
{
    settings.writeSetting("Favorites", "UseFavoritesFiles", "/a/One.lib");
    MainWindow& w = window();
    whenShown<EditListDialog>([&](EditListDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Favourties list");
        EXPECT_FALSE(d.importButton()->isVisible());
        whenShown<EditListEntryDialog>([&](EditListEntryDialog& e) {
            EXPECT_EQ(e.windowTitle(), "Edit an entry");
            EXPECT_FALSE(e.moduleEdit()->isEnabled());
            // Refused: the hint asks for a fully qualified name.
            e.fileEdit()->setText("Two.lib");
            e.accept();
            EXPECT_TRUE(e.isVisible());
            e.fileEdit()->setText("/b/Two.lib");
            EXPECT_EQ(e.moduleEdit()->text(), "Two.lib");
            e.accept();
        });
        d.editEntry();
        d.accept();
    });
    w.actions().favoritesList->trigger();
    EXPECT_EQ(settings::loadFavorites(settings).files, std::vector<std::string>{"/b/Two.lib"});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find("needs its full path"), std::string::npos) << messages[0].text;
}

TEST_F(EditListDialogTest, ImportWithoutASystemIniSaysSo)
{
    ws.options.UseStatusBar = true;
    window();
    const std::string none = folder.file("SYSTEM.INI");
    EditListDialog dialog(ws, maintenance::EditListKind::Exceptions, none);
    dialog.importEntries();
    EXPECT_EQ(qtUi.statusText(1), "SYSTEM.INI was not found: " + none);
    EXPECT_EQ(dialog.list()->topLevelItemCount(), 0);
}

}  // namespace
}  // namespace quillon::app
