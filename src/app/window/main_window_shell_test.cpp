// The window shell: banner, the cleanup button's menu, list formats, information window
// colours, the tray's hidden-window message and the same source and target folder.
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QToolTip>
#include <QTreeView>

#include <filesystem>
#include <fstream>

#include "app/library/library_tree_model.h"
#include "app/testing/gui_fixture.h"
#include "app/window/banner.h"
#include "app/window/main_window.h"
#include "app/window/startup.h"
#include "platform/paths.h"
#include "program/target_name.h"
#include "program/window_texts.h"

namespace quillon::app {
namespace {

class ShellTest : public testing::GuiFixture {};

TEST_F(ShellTest, BannerIsHiddenByTheOption)
{
    MainWindow& w = window();
    ASSERT_NE(w.banner(), nullptr);
    EXPECT_FALSE(w.banner()->picture().isNull());
    EXPECT_TRUE(w.banner()->isVisible());
    // As the window narrows the subtitle stays whole: on one line, then on two, then left out.
    QList<qsizetype> shapes;
    for (int width = 900; width >= 200; width -= 10) {
        w.banner()->resize(width, w.banner()->height());
        const qsizetype lines = w.banner()->subtitleLines().size();
        if (shapes.isEmpty() || shapes.back() != lines)
            shapes << lines;
    }
    EXPECT_EQ(shapes, (QList<qsizetype>{1, 2, 0}));
    ws.options.UseNoBanner = true;
    w.applyOptions();
    EXPECT_FALSE(w.banner()->isVisible());
}

TEST_F(ShellTest, CleanupButtonMenuUsesItsOwnTextsAndRunsTheCommands)
{
    testing::addLibrary(ws, 2, 2);
    MainWindow& w = window();
    w.libraryReplaced();
    w.updateActions();
    auto* button = w.findChild<QToolButton*>("cleanupOptionsButton");
    ASSERT_NE(button, nullptr);
    QMenu* menu = button->menu();
    ASSERT_NE(menu, nullptr);
    const auto texts = [menu] {
        QStringList out;
        for (QAction* a : menu->actions())
            out << a->text().section('\t', 0, 0);
        return out;
    };
    emit menu->aboutToShow();
    EXPECT_EQ(texts(),
              (QStringList{"Up&date selected module", "&Symbols cleanup...",
                           "&Locate all DLL/EXE files", "Locate &DLL/EXE for selected module",
                           "&Update library from DLL/EXE files", "&Modules cleanup...", "",
                           "E&xceptions list..."}));
    EXPECT_EQ(menu->actions()[1]->text().section('\t', 1), "F10");
    EXPECT_EQ(menu->actions()[0]->isEnabled(), w.actions().updateOne->isEnabled());

    ws.library.rows[0].MARK = 1;
    emit menu->aboutToShow();
    EXPECT_EQ(texts().front(), "Up&date marked modules");

    // The item triggers the window's command (its dialog is kept out of the test).
    QObject::disconnect(w.actions().symbolsCleanup, &QAction::triggered, &w, nullptr);
    bool ran = false;
    QObject::connect(w.actions().symbolsCleanup, &QAction::triggered, [&] { ran = true; });
    menu->actions()[1]->trigger();
    EXPECT_TRUE(ran);
}

TEST_F(ShellTest, ListFormatsAreWrittenRestoredStoredAndResetToTheDesign)
{
    MainWindow& w = window();
    w.restoreListFormats();
    const QStringList keys = [&] {
        QStringList out;
        std::ifstream file(settings.path());
        for (std::string line; std::getline(file, line);) {
            if (line.rfind("Cla:List", 0) == 0)
                out << QString::fromStdString(line.substr(0, line.find('=')));
        }
        return out;
    }();
    ASSERT_EQ(keys.filter(":Format:Default").size(), 4) << keys.join(",").toStdString();
    const std::string defaultKey = keys.filter(":Format:Default").front().toStdString();
    const std::string userKey = defaultKey.substr(0, defaultKey.size() - 8);
    EXPECT_EQ(defaultKey.rfind("Cla:List", 0), 0u);
    const int design = w.tree()->columnWidth(LibraryTreeModel::Name);

    // The user's width is stored at closing and restored when the window opens again.
    w.tree()->setColumnWidth(LibraryTreeModel::Name, design + 77);
    ASSERT_TRUE(w.close());
    EXPECT_EQ(settings.readSetting("Format", userKey).rfind(std::to_string(design + 77), 0), 0u);
    w.tree()->setColumnWidth(LibraryTreeModel::Name, design);
    w.restoreListFormats();
    EXPECT_EQ(w.tree()->columnWidth(LibraryTreeModel::Name), design + 77);

    w.actions().restoreListFormats->trigger();
    EXPECT_EQ(w.tree()->columnWidth(LibraryTreeModel::Name), design);

    // Without "Preserve listbox changes" the stored format is not applied.
    settings.writeNumber("Options", "UseRestoreFormat", 0);
    w.restoreListFormats();
    EXPECT_EQ(w.tree()->columnWidth(LibraryTreeModel::Name), design);
}

TEST_F(ShellTest, InformationWindowsTakeTheColoursOfWinIni)
{
    const std::string ini =
        folder.write("win.ini", "[Colors]\nInfoWindow=1 2 3\nInfoTextColors=200 100 50\n");
    applyInfoWindowColours(settings::readInfoWindowColours(ini));
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(1, 2, 3));
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipText), QColor(200, 100, 50));
    applyInfoWindowColours({});
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 255, 225));
}

TEST_F(ShellTest, HiddenWindowMessageTitleAndFirstLines)
{
    const ui::MessageBox box = exceptionalSplashMessage();
    EXPECT_EQ(box.title, "CLARION QUILLON 32 - Exceptional Splash Window Error!");
    EXPECT_EQ(box.text.rfind("    IMPORTANT - READ THIS!|" + std::string(75, '\xA0') + "|    ", 0),
              0u);
}

TEST_F(ShellTest, SameAddSaveMakesTheSourceFolderTheDefaultTarget)
{
    const std::string source = folder.file("source");
    std::filesystem::create_directories(source);
    ws.options.OptionAddFolder = SourceFolderChoice::Fixed;
    ws.options.AddFolder = source;
    ws.options.OptionSaveFolder = TargetFolderChoice::SystemDefault;
    EXPECT_EQ(defaultTargetFolder(ws, "/start"), "/start");
    ws.options.UseSameAddSave = true;
    EXPECT_EQ(platform::withoutTrailingSeparator(defaultTargetFolder(ws, "/start")), source);
}

}  // namespace
}  // namespace quillon::app
