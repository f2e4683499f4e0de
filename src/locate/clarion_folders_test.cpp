// The Clarion product lookup over a Wine prefix with its own win.ini.
#include "locate/clarion_folders.h"

#include <gtest/gtest.h>

#include "support/locate_tree.h"

namespace quillon {
namespace {

using testing::LocateTree;

struct ClarionTree : LocateTree {
    void winIni(std::string_view text) { file("wine/drive_c/windows/win.ini", text); }
    /// The host folder of a "C:\..." folder.
    std::string onC(std::string_view relative)
    {
        return folder("wine/drive_c/" + std::string(relative));
    }

    ClarionFolderServices services()
    {
        ClarionFolderServices s = clarionFolderServices(t.ws);
#ifdef _WIN32
        // Windows reads its own C: drive; the tree's drive_c stands in for it.
        s.hostPath = [this](std::string_view path) {
            return folder("wine/drive_c") + std::string(path.size() > 3 ? path.substr(3) : "");
        };
#endif
        return s;
    }

    ClarionFoldersOutcome find(int mode)
    {
        return FindClarionFolders(mode, t.ws.options, product, services());
    }

    ClarionProduct product;
};

TEST(FindClarionFolders, OlderProductInTableOrderWins)
{
    ClarionTree tree;
    const std::string bin4 = tree.onC("C4/BIN");
    const std::string lib4 = tree.onC("C4/LIB");
    tree.onC("C5/BIN");
    tree.file("wine/drive_c/C4/BIN/C4W.EXE");
    tree.winIni(
        "[Clarion 5]\r\nworkdir=C:\\C5\\BIN\\\r\n"
        "[Clarion 4]\r\nWorkDir = C:\\C4\\BIN\\\r\nexename=c4w\r\n");

    const ClarionFoldersOutcome outcome = tree.find(1);
    EXPECT_EQ(outcome, (ClarionFoldersOutcome{2, bin4, lib4}));
    EXPECT_EQ(tree.product.section, "Clarion 4");
    EXPECT_EQ(tree.product.versionText, "4.0");
    EXPECT_EQ(tree.product.code, 40);
    EXPECT_EQ(tree.product.idePath, tree.path("wine/drive_c/C4/BIN/C4W.EXE"));
    EXPECT_EQ(tree.t.ws.options.BINFolder, bin4);
    EXPECT_EQ(tree.t.ws.options.LIBFolder, lib4);
}

TEST(FindClarionFolders, LibFolderBesideBinOrEmpty)
{
    ClarionTree tree;
    const std::string bin = tree.onC("C5/BIN");
    tree.winIni("[Clarion 5]\nworkdir=C:\\C5\\BIN\\\n[Clarion 4]\nworkdir=\n");
    EXPECT_EQ(tree.find(1), (ClarionFoldersOutcome{0, bin, ""}));
    EXPECT_EQ(tree.product.versionText, "5.0");

    const std::string lib = tree.onC("C5/LIB");
    EXPECT_EQ(tree.find(1), (ClarionFoldersOutcome{2, bin, lib}));
}

TEST(FindClarionFolders, ModeZeroWithUsableSettingsDoesNotReadWinIni)
{
    ClarionTree tree;
    const std::string bin = tree.folder("clarion/bin");
    const std::string lib = tree.folder("clarion/lib");
    tree.t.settings.writeSetting("Folders", "BINFolder", bin);
    tree.t.settings.writeSetting("Folders", "LIBFolder", lib);
    ClarionFolderServices services = tree.services();
    int winIniReads = 0;
    services.readWinIni = [&](std::string_view, std::string_view) {
        ++winIniReads;
        return std::string();
    };
    ClarionProduct product;
    EXPECT_EQ(FindClarionFolders(0, tree.t.ws.options, product, services),
              (ClarionFoldersOutcome{1, bin, lib}));
    EXPECT_EQ(winIniReads, 0);

    // A settings folder that vanished sends the lookup to WIN.INI, where nothing is registered.
    tree.t.settings.writeSetting("Folders", "LIBFolder", tree.path("gone"));
    EXPECT_EQ(FindClarionFolders(0, tree.t.ws.options, product, services),
              (ClarionFoldersOutcome{0, "", ""}));
    EXPECT_EQ(winIniReads, static_cast<int>(kKnownProducts.size()));
}

TEST(FindClarionFolders, ModeZeroTakesTheSettingsLibFolderWithADetectedBin)
{
    ClarionTree tree;
    const std::string bin = tree.onC("C6/BIN");
    const std::string lib = tree.folder("mylib");
    tree.winIni("[Clarion 6  Enterprise Edition]\nworkdir=c:\\C6\\BIN\n");
    tree.t.settings.writeSetting("Folders", "LIBFolder", lib);
    EXPECT_EQ(tree.find(0), (ClarionFoldersOutcome{2, bin, lib}));
    EXPECT_EQ(tree.product.versionText, "6.0 Enterprise Edition");
}

TEST(FindClarionFolders, ModeTwoFindsTheApiLibraries)
{
    ClarionTree tree;
    tree.onC("C5/BIN");
    const std::string lib = tree.onC("C5/LIB");
    tree.winIni("[Clarion 5]\nworkdir=C:\\C5\\BIN\\\n");
    EXPECT_EQ(tree.find(2), (ClarionFoldersOutcome{0, lib + "WIN32.LIB", ""}));

    tree.file("wine/drive_c/C5/LIB/win16.lib");
    EXPECT_EQ(tree.find(2), (ClarionFoldersOutcome{1, lib + "WIN32.LIB", ""}));

    const std::string win32 = tree.file("wine/drive_c/C5/LIB/Win32.Lib");
    EXPECT_EQ(tree.find(2), (ClarionFoldersOutcome{2, win32, ""}));
}

TEST(FindClarionFolders, ModeThreeReportsTheVersionAndKeepsTheFolders)
{
    ClarionTree tree;
    tree.onC("C55/BIN");
    tree.onC("C55/LIB");
    tree.winIni("[Clarion 55EE]\nworkdir=C:\\C55\\BIN\\\n");
    tree.t.ws.options.BINFolder = "/mine/bin/";
    tree.t.ws.options.LIBFolder = "/mine/lib/";
    EXPECT_EQ(tree.find(3), (ClarionFoldersOutcome{55, "5.5 Enterprise Edition", ""}));
    EXPECT_EQ(tree.t.ws.options.BINFolder, "/mine/bin/");
    EXPECT_EQ(tree.t.ws.options.LIBFolder, "/mine/lib/");

    tree.winIni("");
    EXPECT_EQ(tree.find(3), (ClarionFoldersOutcome{0, "", ""}));
    EXPECT_EQ(tree.product, ClarionProduct{});
}

TEST(FindClarionFolders, OddWinIniValuesLeaveResultsEmpty)
{
    ClarionTree tree;
    tree.onC("BIN");
    tree.winIni("[Clarion 2]\nworkdir=   \n[Clarion 3]\nworkdir=" + std::string(3000, 'x') +
                "\n[Clarion 4]\nworkdir=C:\\\n[Clarion 5\nworkdir=C:\\BIN\\\n");
    const ClarionFoldersOutcome outcome = tree.find(1);
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(tree.product.code, 30);  // the overlong value is cut, not a failure
    EXPECT_EQ(outcome.second, "");
    EXPECT_EQ(tree.find(5), ClarionFoldersOutcome{});
}

}  // namespace
}  // namespace quillon
