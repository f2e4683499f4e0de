// The cleanup commands (F9, F10): their dialogs' option buttons open the options dialog's pages
// and the marks follow the options; the symbols cleanup's report.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>

#include "app/library/modules_cleanup_dialog.h"
#include "app/library/symbols_cleanup_dialog.h"
#include "app/options/lib_options_dialog.h"
#include "app/testing/gui_fixture.h"

namespace quillon::app {
namespace {

using testing::addLibrary;
using testing::whenShown;

class MainWindowCleanupTest : public testing::GuiFixture {};

TEST_F(MainWindowCleanupTest, SymbolsCleanupOptionsButtonOpensTheLibFilePageAndRebuildsTheMarks)
{
    MainWindow& w = window();
    addLibrary(ws, 1, 2);
    ws.library.rows[2].SYMBOL = "FUNC_1_1";  // a duplicate of the first symbol
    w.libraryReplaced();
    ASSERT_EQ(ws.library.rows[2].EXCLUDE, 0);
    int page = -1;
    whenShown<SymbolsCleanupDialog>([&page](SymbolsCleanupDialog& s) {
        whenShown<LibOptionsDialog>([&page](LibOptionsDialog& d) {
            page = d.pages()->currentIndex();
            qobject_cast<QCheckBox*>(d.field("UseExcludeList"))->setChecked(true);
            qobject_cast<QCheckBox*>(d.field("UseExcludeGlobalDuplicates"))->setChecked(true);
            qobject_cast<QComboBox*>(d.field("UseExcludeGlobalDuplicatesSet"))->setCurrentIndex(1);
            d.accept();
        });
        s.findChild<QPushButton*>("cleanupOptions")->click();
        EXPECT_TRUE(s.optionsChanged());
        s.reject();
    });
    w.symbolsCleanupCommand();
    EXPECT_EQ(page, LibOptionsDialog::LibFilePage);
    // Keep first entry: the second occurrence is marked as soon as the dialog closes.
    EXPECT_EQ(ws.library.rows[1].EXCLUDE, 0);
    EXPECT_EQ(ws.library.rows[2].EXCLUDE, 2);
}

TEST_F(MainWindowCleanupTest, ModulesCleanupOptionButtonsOpenTheirPagesAndFollowTheOptions)
{
    MainWindow& w = window();
    addLibrary(ws, 1, 2);
    w.libraryReplaced();
    std::vector<int> pages;
    whenShown<ModulesCleanupDialog>([&pages](ModulesCleanupDialog& m) {
        auto* duplicates = m.findChildren<QCheckBox*>().at(2);
        EXPECT_FALSE(duplicates->isEnabled());
        // Greyed-out boxes come with the hint where they are switched on.
        auto* hint = m.findChild<QLabel*>("optionsHint");
        ASSERT_NE(hint, nullptr);
        EXPECT_FALSE(hint->isHidden());
        EXPECT_TRUE(hint->text().contains("LIB-file options"));
        whenShown<LibOptionsDialog>([&pages](LibOptionsDialog& d) {
            pages.push_back(d.pages()->currentIndex());
            qobject_cast<QCheckBox*>(d.field("UseBitCheckDuplicates"))->setChecked(true);
            d.accept();
        });
        m.findChild<QPushButton*>("cleanupOptions")->click();
        EXPECT_TRUE(duplicates->isEnabled());
        whenShown<LibOptionsDialog>([&pages](LibOptionsDialog& d) {
            pages.push_back(d.pages()->currentIndex());
            d.reject();
        });
        m.findChild<QPushButton*>("autolocateOptions")->click();
        m.reject();
    });
    w.modulesCleanupCommand();
    EXPECT_EQ(pages,
              (std::vector<int>{LibOptionsDialog::LibFilePage, LibOptionsDialog::AutolocatePage}));
}

TEST_F(MainWindowCleanupTest, F10WithOnlyDuplicatesCheckedReportsThemInItsMessage)
{
    MainWindow& w = window();
    addLibrary(ws, 2, 2);
    ws.library.rows[4].SYMBOL = "Func_1_1";  // the second module exports the first's symbol
    w.libraryReplaced();
    settings.writeSetting("Cleanup", "CheckExl", "0");
    settings.writeSetting("Cleanup", "CheckDub", "1");
    settings.writeSetting("Cleanup", "Cleanup", "0");
    settings.writeSetting("Cleanup", "ShowReport", "1");
    ws.options.UseExcludeGlobalDuplicates = true;
    ws.options.UseExcludeGlobalDuplicatesSet = DuplicateKeep::KeepFirst;  // keep the first entry
    ws.options.UseExcludeList = true;  // symbols cleanup switched on
    bool shown = false;
    whenShown<SymbolsCleanupDialog>([&shown](SymbolsCleanupDialog& s) {
        shown = true;
        const auto c = s.choices();
        EXPECT_FALSE(c.CheckExl);
        EXPECT_TRUE(c.CheckDub);
        s.accept();
    });
    w.tree()->setFocus();
    key(Qt::Key_F10);
    ASSERT_TRUE(shown);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Symbols Cleanup");
    EXPECT_NE(messages[0].text.find("Comment: Only duplicates symbols checked|"), std::string::npos)
        << messages[0].text;
    EXPECT_NE(messages[0].text.find("Number of duplicates found: 1"), std::string::npos)
        << messages[0].text;
    EXPECT_NE(messages[0].text.find("Number of excludes found: <Not checked>"), std::string::npos);
    EXPECT_EQ(ws.library.rows[4].EXCLUDE, 2);
    EXPECT_EQ(ws.library.SymbolCount, 4u);  // found and marked, nothing removed
}

}  // namespace
}  // namespace quillon::app
