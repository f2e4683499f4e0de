// Undecorated names and Clarion prototypes in the window: the view option over the three
// lists, the copy commands and the MAP export of the library, a module or the marked rows.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTreeView>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "app/compare/compare_list_model.h"
#include "app/compare/compare_tab.h"
#include "app/find/extracted_list_model.h"
#include "app/find/extracted_tab.h"
#include "app/library/library_tree_model.h"
#include "app/testing/gui_fixture.h"
#include "core/library_model.h"
#include "reports/compare_state.h"

namespace quillon::app {
namespace {

constexpr const char* kStdcall = "_GetThing@12";
constexpr const char* kMicrosoft = "?Open@File@@QAEHPBD@Z";

/// The prototype line "Copy as Clarion prototype" and the MAP give `_GetThing@12`.
constexpr const char* kGetThingPrototype =
    "GetThing                PROCEDURE(LONG,LONG,LONG),LONG,PASCAL,RAW,NAME('_GetThing@12')";

class MainWindowNamesTest : public testing::GuiFixture {
protected:
    /// Two modules: WINSTUFF with a stdcall name, a C++ name and a plain one, and OTHER with
    /// a stdcall name of its own; shown with `select` selected, the lists of the other tabs too.
    MainWindow& withLibrary(const char* select = kStdcall)
    {
        appendModuleRow(ws, "WINSTUFF", kOs32);
        appendSymbolRow(ws, kStdcall, 1);
        appendSymbolRow(ws, kMicrosoft, 2);
        appendSymbolRow(ws, "Plain", 3);
        appendModuleRow(ws, "OTHER", kOs32);
        appendSymbolRow(ws, "_Other@4", 1);
        postProcessLoad(ws, 0, {"/libs/test.lib", false, 0});
        ws.library.LibraryFileName = "/libs/test.lib";
        ws.library.LibraryChanged = false;
        ws.options.UseShowQuery = true;
        ws.options.UseShowCompare = true;
        ws.options.UseStatusBar = true;
        QueryResult extracted;
        extracted.MODULENAME.assign("WINSTUFF");
        extracted.SYMBOL = kStdcall;
        extracted.ORDINAL = 1;
        ws.queryResults.rows.push_back(extracted);
        reports::CompareState& compare = reports::compareState(ws);
        compare.hasResult = true;
        reports::CompareRow compared;
        compared.MODULENAME.assign("WINSTUFF");
        compared.SYMBOL = kMicrosoft;
        compared.ORDINAL = 2;
        compared.changes = reports::kUnchanged;
        compare.last.rows = {compared};
        MainWindow& w = window();
        w.applyOptions();
        w.libraryReplaced();
        w.extractedTab()->listChanged();
        w.compareTab()->refresh();
        w.selectRow(rowNamed(select));
        return w;
    }
    [[nodiscard]] std::size_t rowNamed(std::string_view name) const
    {
        const LibraryList& rows = ws.library.rows;
        const auto at = std::find_if(rows.begin(), rows.end(),
                                     [&](const LibraryRow& r) { return r.SYMBOL.view() == name; });
        EXPECT_NE(at, rows.end()) << name;
        return static_cast<std::size_t>(at - rows.begin());
    }
    [[nodiscard]] QString shown(std::string_view name, int role = Qt::DisplayRole)
    {
        LibraryTreeModel& model = *window().model();
        return model.data(model.indexOfRow(rowNamed(name)), role).toString();
    }
    [[nodiscard]] QString extractedShown(int role = Qt::DisplayRole)
    {
        ExtractedListModel& model = *window().extractedTab()->model();
        return model.data(model.index(0, ExtractedListModel::Function), role).toString();
    }
    [[nodiscard]] QString compareShown(int role = Qt::DisplayRole)
    {
        CompareListModel& model = *window().compareTab()->model();
        return model.data(model.index(0, CompareListModel::FunctionName), role).toString();
    }
    /// Runs "Export ... as Clarion MAP..." with the file dialog answered by the file `name` of
    /// the scratch folder; returns what was written ("" when no file was).
    std::string exportMap(QAction* action, std::string_view name)
    {
        const std::string path = folder.file(name);
        dialogResults.push_back({path});
        action->trigger();
        return std::filesystem::exists(path) ? folder.read(name) : std::string();
    }
};

TEST_F(MainWindowNamesTest, UndecoratedNamesShowInEveryListWithoutChangingTheLibrary)
{
    MainWindow& w = withLibrary();
    QAction& option = *w.actions().undecoratedNames;
    EXPECT_FALSE(option.isChecked());
    EXPECT_TRUE(w.popupMenu()->actions().contains(&option));
    EXPECT_EQ(shown(kStdcall), kStdcall);
    EXPECT_EQ(extractedShown(), kStdcall);
    EXPECT_EQ(compareShown(), kMicrosoft);

    const LibraryList before = ws.library.rows;
    // Each list is told that its texts changed, so that its view paints them anew.
    std::vector<std::unique_ptr<QSignalSpy>> told;
    for (QAbstractItemModel* model : std::initializer_list<QAbstractItemModel*>{
             w.model(), w.extractedTab()->model(), w.compareTab()->model()}) {
        told.push_back(std::make_unique<QSignalSpy>(model, &QAbstractItemModel::modelReset));
        told.push_back(std::make_unique<QSignalSpy>(model, &QAbstractItemModel::dataChanged));
    }
    key(Qt::Key_U, Qt::ControlModifier);
    for (std::size_t i = 0; i < told.size(); i += 2)
        EXPECT_GT(told[i]->count() + told[i + 1]->count(), 0) << "list " << i / 2;
    EXPECT_TRUE(option.isChecked());
    EXPECT_TRUE(ws.options.UseUndecoratedNames);
    EXPECT_EQ(settings.readNumber("Options", "UseUndecoratedNames", 0), 1);
    EXPECT_EQ(shown(kStdcall), "GetThing");
    EXPECT_EQ(shown(kMicrosoft), "public: int __thiscall File::Open(char const *)");
    EXPECT_EQ(shown("Plain"), "Plain");
    EXPECT_EQ(shown("WINSTUFF"), "WINSTUFF");
    // The exported name stays at hand: in the tool tip under the whole undecorated form (the
    // list cuts long ones), and as the text an edit starts from.
    EXPECT_EQ(shown(kStdcall, Qt::ToolTipRole), "GetThing\n_GetThing@12");
    EXPECT_EQ(shown("Plain", Qt::ToolTipRole), "");
    EXPECT_EQ(shown(kStdcall, Qt::EditRole), kStdcall);
    EXPECT_EQ(extractedShown(), "GetThing");
    EXPECT_EQ(extractedShown(Qt::ToolTipRole), "GetThing\n_GetThing@12");
    EXPECT_EQ(compareShown(), "public: int __thiscall File::Open(char const *)");
    EXPECT_EQ(compareShown(Qt::ToolTipRole),
              "public: int __thiscall File::Open(char const *)\n" + QString(kMicrosoft));
    EXPECT_EQ(ws.library.rows, before);
    EXPECT_FALSE(ws.library.LibraryChanged);

    key(Qt::Key_U, Qt::ControlModifier);
    EXPECT_FALSE(option.isChecked());
    EXPECT_EQ(settings.readNumber("Options", "UseUndecoratedNames", 1), 0);
    EXPECT_EQ(shown(kStdcall), kStdcall);
    EXPECT_EQ(shown(kStdcall, Qt::ToolTipRole), "");
    EXPECT_EQ(extractedShown(), kStdcall);
    EXPECT_EQ(extractedShown(Qt::ToolTipRole), "");
    EXPECT_EQ(compareShown(), kMicrosoft);
    EXPECT_EQ(compareShown(Qt::ToolTipRole), "");
}

TEST_F(MainWindowNamesTest, ANewWindowShowsTheStoredChoice)
{
    ws.options.UseUndecoratedNames = true;
    MainWindow& w = withLibrary();
    EXPECT_TRUE(w.actions().undecoratedNames->isChecked());
    EXPECT_EQ(shown(kStdcall), "GetThing");
}

TEST_F(MainWindowNamesTest, CopyCommandsTakeTheMarkedRowsElseTheCurrentRow)
{
    MainWindow& w = withLibrary(kStdcall);
    QGuiApplication::clipboard()->clear();
    key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "GetThing");
    key(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString(kGetThingPrototype) +
                                                        "  ! 12 bytes of parameters taken as 3 "
                                                        "LONG; the return value is read as a "
                                                        "LONG\r\n");

    // Marked rows win over the current row; a module row gives no name but all its functions.
    ws.library.rows[rowNamed("Plain")].MARK = 1;
    ws.library.rows[rowNamed("OTHER")].MARK = 1;
    w.selectRow(rowNamed(kMicrosoft));
    key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Plain");
    key(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    const QString prototypes = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(prototypes.startsWith("! Plain ")) << prototypes.toStdString();
    EXPECT_TRUE(prototypes.contains("\r\nOther ")) << prototypes.toStdString();
    EXPECT_EQ(prototypes.count("\r\n"), 2);
    EXPECT_FALSE(ws.library.LibraryChanged);
}

TEST_F(MainWindowNamesTest, MapExportsTakeTheLibraryTheModuleOrTheMarkedRows)
{
    MainWindow& w = withLibrary("_Other@4");
    const LibraryActions& a = w.actions();
    const std::string library = exportMap(a.exportMap, "library.clw");
    EXPECT_NE(library.find("  MODULE('WINSTUFF')\r\n" + std::string(kGetThingPrototype)),
              std::string::npos)
        << library;
    EXPECT_NE(library.find("  MODULE('OTHER')\r\nOther "), std::string::npos) << library;
    EXPECT_EQ(qtUi.statusText(1),
              "Clarion MAP written: 4 functions to " + folder.file("library.clw"));

    // The module is the one of the current row, even when that row is a symbol.
    const std::string module = exportMap(a.exportModuleMap, "module.clw");
    EXPECT_NE(module.find("  MODULE('OTHER')\r\nOther "), std::string::npos) << module;
    EXPECT_EQ(module.find("WINSTUFF"), std::string::npos) << module;

    ws.library.rows[rowNamed(kStdcall)].MARK = 1;
    const std::string marked = exportMap(a.exportMarkedMap, "marked.clw");
    EXPECT_NE(marked.find("  MODULE('WINSTUFF')\r\n" + std::string(kGetThingPrototype)),
              std::string::npos)
        << marked;
    EXPECT_EQ(marked.find("Plain"), std::string::npos) << marked;
    EXPECT_EQ(marked.find("OTHER"), std::string::npos) << marked;
    EXPECT_TRUE(messages.empty());

    // A cancelled dialog writes nothing; a file that cannot be written is told, not shown as
    // written.
    a.exportMap->trigger();
    folder.write("blocker", "a file where a folder would be");
    const std::string blocked = folder.file("blocker/map.clw");
    EXPECT_EQ(exportMap(a.exportMap, "blocker/map.clw"), "");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "CLARION QUILLON 32 - Writing file failed!");
    EXPECT_NE(messages[0].text.find(blocked), std::string::npos);
    EXPECT_EQ(qtUi.statusText(1),
              "Clarion MAP written: 1 function to " + folder.file("marked.clw"));
    EXPECT_FALSE(ws.library.LibraryChanged);
}

}  // namespace
}  // namespace quillon::app
