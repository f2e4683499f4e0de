// The option dialogs of the options tab: storing, restoring, histories, the exclusion list,
// the history cleanup and the lists' appearance.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

#include <filesystem>
#include <functional>

#include "app/library/library_tree_model.h"
#include "app/options/advanced_options_dialog.h"
#include "app/options/exclude_entry_dialog.h"
#include "app/options/folder_options_dialog.h"
#include "app/options/lib_options_dialog.h"
#include "app/options/list_appearance.h"
#include "app/options/options_tab.h"
#include "app/recent/history_cleanup_dialog.h"
#include "app/testing/gui_fixture.h"
#include "locate/autolocate_options.h"
#include "locate/locate_state.h"
#include "locate/search_places.h"
#include "platform/environment.h"

namespace quillon::app {
namespace {

using testing::addLibrary;
using testing::whenShown;

class OptionsDialogsTest : public testing::GuiFixture {
protected:
    OptionsTab& tab() { return *window().findChild<OptionsTab*>("optionsTab"); }
    void click(const char* button) { tab().findChild<QPushButton*>(button)->click(); }
    [[nodiscard]] std::string ini() const { return folder.read("Quillon32.ini"); }
    /// An existing folder inside the scratch folder, ending in a separator.
    [[nodiscard]] std::string makeFolder(const std::string& name) const
    {
        std::filesystem::create_directories(folder.path() / name);
        return (folder.path() / name).string() + "/";
    }
};

TEST_F(OptionsDialogsTest, ApplyThenRestoreRoundTripsEveryOption)
{
    MainWindow& w = window();
    Options o;
    // Every option off its default; folders that exist.
    o.UseLongAdd = false;
    o.UseExcludeObsoleteFolders = true;
    o.UseRecentFolders = 7;
    o.UseStartFile = true;
    o.UseOpening = true;
    o.UseNocreate = false;
    o.UseNosplash = true;
    o.UseSaveWindow = false;
    o.UseStatusBar = true;
    o.UseStatusCaps = "Upper casing";
    o.UseToolTips = false;
    o.UseQuickMenu = true;
    o.QuickMenu = QuickMenuChoice::MarkSelections;
    o.UseBitCheckSet = LibraryBitness::Set32Bit;
    o.UseBitCheckSetUnlocated = true;
    o.UseBitCheckSetDuplicates = true;
    o.UseRestoreFormat = false;
    o.UseOsIcons = false;
    o.UseHexColumn = true;
    o.UseHexEntryPoint = true;
    o.UseUnsortedWidth = 50;
    o.UseHexWidth = 60;
    o.UseHexEntryWidth = 70;
    o.UseExpandAll = true;
    o.UseShowQuery = true;
    o.UseShowCompare = true;
    o.UseTopWindow = true;
    o.TopWindow = false;
    o.UseMinimizeTray = true;
    o.UseFlatButtons = true;
    o.UseFavorites = false;
    o.UseNoMessages = true;
    o.UseNoBanner = true;
    o.UseClearExtract = false;
    o.UseNoEditInPlace = true;
    o.UseRecentMenu = true;
    o.UseRecentFiles = 9;
    o.UseRecentSearch = 11;
    o.UseExportTextCopy = AskChoice::Ask;
    o.UseExportTextNotepad = AskChoice::Always;
    o.UseReadResidentNames = AskChoice::Never;
    o.UseWriteResidentNames = AskChoice::Ask;
    o.UseExcludeList = true;
    o.UseExcludeGlobalDuplicates = true;
    o.UseExcludeGlobalDuplicatesSet = DuplicateKeep::MatchSavedLibElseKeepNone;
    o.UseLIBSortOrder = LibSortOrder::FileOrder;
    o.UseBitCheck = BitCheck::RemoveInconsistent;
    o.UseBitCheckDuplicates = true;
    o.UseTrayMenuAlignment = "Left mouse button";
    o.UseIconSingle = false;
    o.UseIconAnimation = true;
    o.ProgFolder = makeFolder("prog");
    o.StatFolder = makeFolder("stat");
    o.BINFolder = makeFolder("c/bin");
    o.LIBFolder = makeFolder("c/lib");
    o.OptionAddFolder = SourceFolderChoice::WindowsSystem;
    o.LastAddFolder = makeFolder("lastadd");
    o.AddFolder = makeFolder("add");
    o.OptionSaveFolder = TargetFolderChoice::ClarionLib;
    o.LastSaveFolder = makeFolder("lastsave");
    o.SaveFolder = makeFolder("save");
    o.UseSameAddSave = true;
    o.UseNumMenu = 12;
    o.CaseOption = MenuCasing::AsStored;
    o.FileSuffix = ".DLL";
    o.UseExcludeObsoleteFiles = true;
    ws.options = o;
    w.applyOptions();
    click("applyOptions");

    ws.options = Options();
    click("restoreOptions");
    EXPECT_TRUE(ws.options == o);
    // The tab shows what was restored.
    EXPECT_FALSE(tab().box("UseToolTips")->isChecked());
    EXPECT_TRUE(tab().box("UseStatusBar")->isChecked());
}

TEST_F(OptionsDialogsTest, ABlankOptionDeletesItsKey)
{
    MainWindow& w = window();
    ws.options.StatFolder = makeFolder("stat");
    ws.options.FileSuffix = ".LIB";
    w.applyOptions();
    click("applyOptions");
    EXPECT_NE(ini().find("StatFolder="), std::string::npos);
    EXPECT_NE(ini().find("FileSuffix=.LIB"), std::string::npos);
    ws.options.StatFolder.clear();
    ws.options.FileSuffix.clear();
    click("applyOptions");
    EXPECT_EQ(ini().find("StatFolder"), std::string::npos);
    EXPECT_EQ(ini().find("FileSuffix"), std::string::npos);
}

TEST_F(OptionsDialogsTest, ApplyStoresTheTabsBoxesAndTellsTheSearchesOptionsChanged)
{
    window();
    locate::state(ws).options.emplace();
    ws.duplicateMode.derived = true;
    tab().box("UseStatusBar")->setChecked(true);
    click("applyOptions");
    EXPECT_NE(ini().find("UseStatusBar=1"), std::string::npos);
    EXPECT_FALSE(locate::state(ws).options.has_value());
    EXPECT_FALSE(ws.duplicateMode.derived);
}

TEST_F(OptionsDialogsTest, ADialogsOkKeepsTheTabsUnappliedBoxesAndRestoreDropsThem)
{
    window();
    tab().box("UseQuickMenu")->setChecked(true);
    whenShown<AdvancedOptionsDialog>([](AdvancedOptionsDialog& d) { d.accept(); });
    click("advancedOptions");
    EXPECT_TRUE(tab().box("UseQuickMenu")->isChecked());
    EXPECT_FALSE(ws.options.UseQuickMenu);
    EXPECT_NE(ini().find("UseQuickMenu=0"), std::string::npos);
    click("restoreOptions");
    EXPECT_FALSE(tab().box("UseQuickMenu")->isChecked());
}

TEST_F(OptionsDialogsTest, AdvancedOptionsAreStoredOnOkAndShownInTheWindow)
{
    MainWindow& w = window();
    whenShown<AdvancedOptionsDialog>([](AdvancedOptionsDialog& d) {
        qobject_cast<QCheckBox*>(d.field("UseHexColumn"))->setChecked(true);
        qobject_cast<QComboBox*>(d.field("CaseOption"))->setCurrentIndex(2);
        qobject_cast<QComboBox*>(d.field("FileSuffix"))->setCurrentIndex(1);
        qobject_cast<QComboBox*>(d.field("UseStatusCaps"))->setCurrentIndex(1);
        qobject_cast<QComboBox*>(d.field("UseExportTextNotepad"))->setCurrentIndex(2);
        qobject_cast<QSpinBox*>(d.field("UseRecentFiles"))->setValue(7);
        qobject_cast<QSpinBox*>(d.field("UseNumMenu"))->setValue(99);  // beyond 20
        d.accept();
    });
    click("advancedOptions");
    EXPECT_TRUE(ws.options.UseHexColumn);
    EXPECT_EQ(ws.options.CaseOption, MenuCasing::AsStored);
    EXPECT_EQ(ws.options.FileSuffix, ".DLL");
    EXPECT_EQ(ws.options.UseStatusCaps, "Initial caps");
    EXPECT_EQ(ws.options.UseExportTextNotepad, AskChoice::Ask);
    EXPECT_EQ(ws.options.UseRecentFiles, 7);
    EXPECT_EQ(ws.options.UseNumMenu, 20);
    const std::string text = ini();
    for (const char* line : {"UseHexColumn=1", "CaseOption=3", "FileSuffix=.DLL",
                             "UseStatusCaps=Initial caps", "UseRecentFiles=7", "UseNumMenu=20"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_FALSE(w.tree()->isColumnHidden(LibraryTreeModel::OrdinalHex));
}

TEST_F(OptionsDialogsTest, ChoicesOutOfRangeShowTheirDefaults)
{
    ws.options.CaseOption = static_cast<MenuCasing>(9);
    ws.options.UseExportTextCopy = static_cast<AskChoice>(0);
    ws.options.UseStatusCaps = "Shouting";
    AdvancedOptionsDialog d(ws);
    EXPECT_EQ(qobject_cast<QComboBox*>(d.field("CaseOption"))->currentText(), "Lower");
    EXPECT_EQ(qobject_cast<QComboBox*>(d.field("UseExportTextCopy"))->currentText(), "Always");
    EXPECT_EQ(d.options().UseStatusCaps, "Default casing");
    ws.options.UseLIBSortOrder = static_cast<LibSortOrder>(7);
    ws.options.UseExcludeGlobalDuplicatesSet = static_cast<DuplicateKeep>(5);
    LibOptionsDialog lib(ws, qtUi, window().icons(), LibOptionsDialog::LibFilePage);
    EXPECT_EQ(lib.options().UseLIBSortOrder, LibSortOrder::FileOrder);
    EXPECT_EQ(lib.options().UseExcludeGlobalDuplicatesSet, DuplicateKeep::KeepNone);
}

TEST_F(OptionsDialogsTest, CancelledAdvancedOptionsChangeNothing)
{
    window();
    const Options before = ws.options;
    whenShown<AdvancedOptionsDialog>([](AdvancedOptionsDialog& d) {
        qobject_cast<QCheckBox*>(d.field("UseHexColumn"))->setChecked(true);
        d.reject();
    });
    click("advancedOptions");
    EXPECT_TRUE(ws.options == before);
    EXPECT_EQ(ini().find("UseHexColumn"), std::string::npos);
}

TEST_F(OptionsDialogsTest, DefaultFoldersWriteTheFolderHistoryOnOk)
{
    window();
    const std::string oldFolder = makeFolder("old");
    const std::string newFolder = makeFolder("new");
    settings.writeSetting("Folders", "AddFolderDrop1", oldFolder);
    ws.options.AddFolderDrop = {oldFolder};
    ws.options.AddFolder = oldFolder;
    whenShown<FolderOptionsDialog>([&](FolderOptionsDialog& d) {
        EXPECT_EQ(d.addFolder()->count(), 1);
        d.sourceChoice()->button(3)->setChecked(true);
        d.addFolder()->setEditText(QString::fromStdString(newFolder));
        d.targetChoice()->button(2)->setChecked(true);
        d.sameFolder()->setChecked(true);
        d.folderEdit("StatFolder")->setText(QString::fromStdString(oldFolder));
        d.accept();
    });
    click("defaultFolders");
    EXPECT_EQ(settings.readSetting("Folders", "AddFolderDrop1"), newFolder);
    EXPECT_EQ(settings.readSetting("Folders", "AddFolderDrop2"), oldFolder);
    EXPECT_EQ(ws.options.AddFolderDrop, (std::vector<std::string>{newFolder, oldFolder}));
    EXPECT_EQ(settings.readSetting("Folders", "AddFolder"), newFolder);
    EXPECT_EQ(settings.readNumber("Folders", "OptionAddFolder", 0), 3);
    EXPECT_EQ(settings.readNumber("Folders", "OptionSaveFolder", 0), 2);
    EXPECT_EQ(settings.readNumber("Folders", "UseSameAddSave", 0), 1);
    EXPECT_EQ(settings.readSetting("Folders", "StatFolder"), oldFolder);
    // Using a folder already in the history leaves its order alone.
    whenShown<FolderOptionsDialog>([&](FolderOptionsDialog& d) {
        d.addFolder()->setEditText(QString::fromStdString(oldFolder));
        d.accept();
    });
    click("defaultFolders");
    EXPECT_EQ(settings.readSetting("Folders", "AddFolderDrop1"), newFolder);
    EXPECT_EQ(settings.readSetting("Folders", "AddFolderDrop2"), oldFolder);
}

TEST_F(OptionsDialogsTest, FolderBrowseTakesTheChosenFolderWithASeparator)
{
    const std::string chosen = makeFolder("chosen");
    dialogResults.push_back({chosen.substr(0, chosen.size() - 1)});
    FolderOptionsDialog d(ws, qtUi);
    d.findChild<QAbstractButton*>("BINFolderBrowse")->click();
    EXPECT_EQ(d.options().BINFolder, chosen);
}

TEST_F(OptionsDialogsTest, DetectFillsTheClarionFoldersOfTheInstalledProduct)
{
#ifdef _WIN32
    GTEST_SKIP() << "reads the Clarion product from a Wine prefix";
#else
    const std::string bin = makeFolder("wine/drive_c/C6/BIN");
    const std::string lib = makeFolder("wine/drive_c/C6/LIB");
    (void)folder.write("wine/drive_c/windows/win.ini", "[Clarion 6]\r\nworkdir=C:\\C6\\BIN\\\r\n");
    platform::Environment env;
    env.set("WINEPREFIX", (folder.path() / "wine").string());
    env.set("PATH", "");
    locate::state(ws).environment = locate::locateEnvironment(files, env);
    FolderOptionsDialog d(ws, qtUi);
    d.folderEdit("LIBFolder")->setText("/kept/");
    d.detectClarionFolders();
    EXPECT_EQ(d.options().BINFolder, bin);
    EXPECT_EQ(d.options().LIBFolder, lib);

    // Nothing installed: the fields keep what they held.
    (void)folder.write("wine/drive_c/windows/win.ini", "");
    d.folderEdit("BINFolder")->setText("/mine/");
    messages.clear();
    d.detectClarionFolders();
    EXPECT_EQ(d.options().BINFolder, "/mine/");
    EXPECT_EQ(d.options().LIBFolder, lib);
    // ...and the user is told that nothing was found.
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "CLARION QUILLON 32 - Detect Clarion folders");
    EXPECT_EQ(messages[0].text, clarionNotDetectedMessage(false, false).text);
    EXPECT_NE(messages[0].text.find("No installed Clarion product was found."), std::string::npos);
#endif
}

TEST_F(OptionsDialogsTest, LibFileOptionsEditTheExclusionListAndMarkTheLibrary)
{
    MainWindow& w = window();
    addLibrary(ws, 2, 3);
    w.libraryReplaced();
    whenShown<LibOptionsDialog>([this](LibOptionsDialog& d) {
        EXPECT_EQ(d.pages()->currentIndex(), LibOptionsDialog::LibFilePage);
        auto* add = d.findChild<QPushButton*>("addExclude");
        EXPECT_FALSE(add->isEnabled());  // the list is off while cleanup is off
        qobject_cast<QCheckBox*>(d.field("UseExcludeList"))->setChecked(true);
        EXPECT_TRUE(add->isEnabled());
        EXPECT_FALSE(d.findChild<QPushButton*>("editExclude")->isEnabled());
        whenShown<ExcludeEntryDialog>([](ExcludeEntryDialog& e) {
            EXPECT_EQ(e.windowTitle(), "Add new symbol name");
            e.accept();  // blank: stays open
            EXPECT_TRUE(e.isVisible());
            e.nameEdit()->setText("func_1_2");
            e.accept();
        });
        d.addEntry();
        whenShown<ExcludeEntryDialog>([](ExcludeEntryDialog& e) {
            e.nameEdit()->setText("Func_2_3");
            e.checkBox()->setChecked(false);
            e.accept();
        });
        d.addEntry();
        ASSERT_EQ(d.excludeView()->topLevelItemCount(), 2);
        EXPECT_EQ(d.excludeView()->currentItem()->text(0), "Func_2_3");
        whenShown<ExcludeEntryDialog>([](ExcludeEntryDialog& e) {
            EXPECT_EQ(e.windowTitle(), "Edit symbol name");
            EXPECT_EQ(e.nameEdit()->text(), "Func_2_3");
            EXPECT_FALSE(e.checkBox()->isChecked());
            e.nameEdit()->setText("Func_2_1");
            e.accept();
        });
        d.editEntry();
        // The workspace's list is untouched until OK.
        EXPECT_TRUE(ws.excludeList.empty());
        d.accept();
    });
    click("libOptions");
    ASSERT_EQ(ws.excludeList.size(), 2u);
    EXPECT_EQ(ws.library.rows[2].EXCLUDE, 1);  // Func_1_2
    EXPECT_EQ(ws.library.rows[0].EXCLUDE, 3);  // its module
    EXPECT_EQ(ws.library.rows[5].EXCLUDE, 0);  // Func_2_1, unchecked entry
    EXPECT_EQ(settings.readSetting("Excludelist", "Symbol1"), "func_1_2");
    EXPECT_EQ(settings.readSetting("Excludelist", "Check1"), "1");
    EXPECT_EQ(settings.readSetting("Excludelist", "Symbol2"), "Func_2_1");
    EXPECT_EQ(settings.readSetting("Excludelist", "Check2"), "0");
    EXPECT_EQ(settings.readNumber("Options", "UseExcludeList", 0), 1);

    // Removing the entry and OK clear the mark again.
    whenShown<LibOptionsDialog>([](LibOptionsDialog& d) {
        d.excludeView()->setCurrentItem(d.excludeView()->topLevelItem(1));
        d.removeEntry();
        d.removeEntry();
        EXPECT_EQ(d.excludeView()->topLevelItemCount(), 0);
        EXPECT_FALSE(d.findChild<QPushButton*>("removeExclude")->isEnabled());
        d.accept();
    });
    click("libOptions");
    EXPECT_EQ(ws.library.rows[2].EXCLUDE, 0);
    EXPECT_EQ(ws.library.rows[0].EXCLUDE, 0);
    EXPECT_EQ(settings.readSetting("Excludelist", "Symbol1"), "");
}

TEST_F(OptionsDialogsTest, LibFileChoicesAreStoredByPosition)
{
    window();
    whenShown<LibOptionsDialog>([](LibOptionsDialog& d) {
        qobject_cast<QComboBox*>(d.field("UseLIBSortOrder"))->setCurrentIndex(2);
        qobject_cast<QComboBox*>(d.field("UseBitCheck"))->setCurrentIndex(3);
        qobject_cast<QCheckBox*>(d.field("UseBitCheckDuplicates"))->setChecked(true);
        qobject_cast<QCheckBox*>(d.field("UseExcludeList"))->setChecked(true);
        qobject_cast<QCheckBox*>(d.field("UseExcludeGlobalDuplicates"))->setChecked(true);
        qobject_cast<QComboBox*>(d.field("UseExcludeGlobalDuplicatesSet"))->setCurrentIndex(1);
        d.accept();
    });
    click("libOptions");
    EXPECT_EQ(settings.readNumber("Options", "UseLIBSortOrder", -1), 2);
    EXPECT_EQ(settings.readNumber("Options", "UseBitCheck", -1), 3);
    EXPECT_EQ(settings.readNumber("Options", "UseBitCheckDuplicates", -1), 1);
    EXPECT_EQ(settings.readNumber("Options", "UseExcludeGlobalDuplicates", -1), 1);
    EXPECT_EQ(settings.readNumber("Options", "UseExcludeGlobalDuplicatesSet", -1), 1);
}

TEST_F(OptionsDialogsTest, AutolocateOptionsAndTheFirstFolderHistoryAreStoredOnOk)
{
    window();
    const std::string first = makeFolder("first");
    locate::state(ws).options.emplace();
    whenShown<LibOptionsDialog>([&](LibOptionsDialog& d) {
        EXPECT_EQ(d.pages()->currentIndex(), LibOptionsDialog::AutolocatePage);
        auto* folderBox = qobject_cast<QComboBox*>(d.field("FirstFolder"));
        EXPECT_FALSE(folderBox->isEnabled());
        qobject_cast<QCheckBox*>(d.field("UsePriorityPath"))->setChecked(true);
        EXPECT_TRUE(folderBox->isEnabled());
        folderBox->setEditText(QString::fromStdString(first));
        qobject_cast<QCheckBox*>(d.field("UseRelaxedAutolocate"))->setChecked(false);
        qobject_cast<QCheckBox*>(d.field("UseOnlyDLLAutolocate"))->setChecked(true);
        d.accept();
    });
    click("autolocateOptions");
    locate::AutolocateOptions expected;
    expected.UsePriorityPath = true;
    expected.FirstFolder = first;
    expected.UseRelaxedAutolocate = false;
    expected.UseOnlyDLLAutolocate = true;
    EXPECT_TRUE(locate::readAutolocateOptions(settings) == expected);
    EXPECT_EQ(settings.readSetting("Folders", "FirstFolderDrop1"), first);
    EXPECT_FALSE(locate::state(ws).options.has_value());
    // The history shows in the drop-down the next time.
    whenShown<LibOptionsDialog>([&](LibOptionsDialog& d) {
        auto* folderBox = qobject_cast<QComboBox*>(d.field("FirstFolder"));
        EXPECT_EQ(folderBox->count(), 1);
        EXPECT_EQ(folderBox->currentText().toStdString(), first);
        d.reject();
    });
    click("autolocateOptions");
}

TEST_F(OptionsDialogsTest, HistoryCleanupEmptiesTheCheckedHistoriesOnly)
{
    window();
    settings.writeSetting("Folders", "AddFolderDrop1", "/a/");
    settings.writeSetting("Filelist", "Filelist1", "/x.lib");
    settings.writeSetting("Search", "SearchDrop1", "Get");
    whenShown<AdvancedOptionsDialog>([](AdvancedOptionsDialog& d) {
        whenShown<HistoryCleanupDialog>([](HistoryCleanupDialog& h) {
            EXPECT_EQ(h.windowTitle(), "History Data Cleanup");
            ASSERT_EQ(h.list()->count(), 8);
            EXPECT_EQ(h.list()->item(7)->text(), "Exclude symbols list");
            h.toggle(0);
            h.toggle(5);
            h.toggle(2);
            h.toggle(2);
            const settings::HistorySelection s = h.selection();
            EXPECT_TRUE(s[0] && s[5] && !s[2]);
            h.accept();
        });
        d.findChild<QPushButton*>("historyCleanupButton")->click();
        d.reject();
    });
    click("advancedOptions");
    EXPECT_EQ(settings.readSetting("Folders", "AddFolderDrop1"), "");
    EXPECT_EQ(settings.readSetting("Filelist", "Filelist1"), "");
    EXPECT_EQ(settings.readSetting("Search", "SearchDrop1"), "Get");
}

TEST_F(OptionsDialogsTest, EmptyingTheExclusionListClearsTheLibrarysMarks)
{
    MainWindow& w = window();
    ws.options.UseExcludeList = true;
    ws.excludeList.append({"Func_1_1", 1, 1});
    addLibrary(ws, 1, 2);
    w.libraryReplaced();
    ASSERT_EQ(ws.library.rows[1].EXCLUDE, 1);
    whenShown<AdvancedOptionsDialog>([](AdvancedOptionsDialog& d) {
        whenShown<HistoryCleanupDialog>([](HistoryCleanupDialog& h) {
            h.toggle(7);
            h.accept();
        });
        d.findChild<QPushButton*>("historyCleanupButton")->click();
        d.reject();
    });
    click("advancedOptions");
    EXPECT_TRUE(ws.excludeList.empty());
    EXPECT_EQ(ws.library.rows[1].EXCLUDE, 0);
    EXPECT_EQ(ws.library.rows[0].EXCLUDE, 0);
}

TEST_F(OptionsDialogsTest, ListAppearanceIsStoredShownAtOnceAndAtStartUp)
{
    MainWindow& w = window();
    const QFont before = w.tree()->font();
    ListAppearance a;
    a.font = QFont("Monospace", 15);
    a.text = QColor(0x12, 0x34, 0x56);
    a.background = QColor(0xfe, 0xdc, 0xba);
    tab().setListAppearance(a);
    EXPECT_EQ(w.tree()->font().pointSize(), 15);
    EXPECT_EQ(w.tree()->palette().color(QPalette::Text), *a.text);
    EXPECT_EQ(w.tree()->palette().color(QPalette::Base), *a.background);
    EXPECT_EQ(settings.readSetting("Appearance", "ListTextColor"), "#123456");
    EXPECT_EQ(settings.readSetting("Appearance", "ListBackColor"), "#fedcba");

    // Defaults delete the keys and bring the design look back.
    tab().setListAppearance({});
    EXPECT_EQ(ini().find("ListFont"), std::string::npos);
    EXPECT_EQ(ini().find("ListTextColor"), std::string::npos);
    EXPECT_EQ(w.tree()->font(), before);

    // Stored values are shown when the options are applied, as at start-up.
    settings.writeSetting("Appearance", "ListFont", QFont("Serif", 13).toString().toStdString());
    settings.writeSetting("Appearance", "ListBackColor", "not a colour");
    w.applyOptions();
    EXPECT_EQ(w.tree()->font().pointSize(), 13);
    const ListAppearance read = readListAppearance(settings);
    EXPECT_FALSE(read.background.has_value());
}

TEST_F(OptionsDialogsTest, DialogsFitTheirTextsAndShowAccessKeys)
{
    window();
    AdvancedOptionsDialog advanced(ws);
    FolderOptionsDialog folders(ws, qtUi);
    LibOptionsDialog lib(ws, qtUi, window().icons(), LibOptionsDialog::LibFilePage);
    for (QDialog* d : std::initializer_list<QDialog*>{&advanced, &folders, &lib}) {
        d->show();
        auto* pages = d->findChild<QTabWidget*>("pages");
        if (pages != nullptr) {
            QApplication::processEvents();
            EXPECT_GE(pages->width(), pages->tabBar()->sizeHint().width())
                << d->objectName().toStdString();
        }
        for (int page = 0; page < (pages != nullptr ? pages->count() : 1); ++page) {
            if (pages != nullptr)
                pages->setCurrentIndex(page);
            QApplication::processEvents();
            for (QAbstractButton* b : d->findChildren<QAbstractButton*>()) {
                if (b->text().isEmpty() || !b->isVisible())
                    continue;
                EXPECT_GE(b->width(), b->minimumSizeHint().width())
                    << d->objectName().toStdString() << ": " << b->text().toStdString();
            }
        }
        d->hide();
    }
    EXPECT_EQ(qobject_cast<QCheckBox*>(advanced.field("UseShowQuery"))->text(),
              "Show \"&Extraced functions\" tab");
    EXPECT_EQ(folders.sameFolder()->text(), "&Use the same target folder as the source folder");
    EXPECT_EQ(qobject_cast<QCheckBox*>(lib.field("UseExcludeGlobalDuplicates"))->text(),
              "&Exclude globally duplicated symbols: ");
}

}  // namespace
}  // namespace quillon::app
