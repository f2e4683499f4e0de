// Nothing lost in a reload: every update and reload command keeps a module as it was when its
// file is cut short, gives no names or holds another module, and only a reload that stands
// leaves an exceptions-list entry.
#include "refresh/kept_module.h"

#include <gtest/gtest.h>

#include "refresh/library_update.h"
#include "refresh/module_reload.h"
#include "settings/settings_store.h"
#include "support/refresh_tree.h"

namespace quillon::refresh {
namespace {

using testing::BuiltImage;
using testing::LibBuilder;
using testing::ModuleSymbols;
using testing::RefreshTree;

const std::vector<std::string> kNames = {"Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Zeta"};

/// A library of the modules DAMAGED.dll (the old names of a DLL that now exports `kNames`)
/// and OTHER.dll (kept up to date), loaded from a LIB file, both DLLs in the system folder.
struct DamagedDll : RefreshTree {
    DamagedDll()
    {
        image = testing::buildPeWithNames(kNames, "DAMAGED.dll");
        dll = systemDll("DAMAGED.dll", kNames);
        (void)systemDll("OTHER.dll", {"Fresh"});
        load(file("app.lib", LibBuilder()
                                 .import("DAMAGED.dll", "OldOne", 1)
                                 .import("DAMAGED.dll", "OldTwo", 2)
                                 .import("OTHER.dll", "Stale", 1)
                                 .bytes()));
    }
    /// The DLL cut in the middle of its name table: the first names are read, then the file
    /// ends.
    void cutInNameTable() const
    {
        (void)file("wine/drive_c/windows/system32/DAMAGED.dll",
                   std::string(reinterpret_cast<const char*>(image.bytes.data()),
                               static_cast<std::size_t>(image.names[3] + 2)));
    }
    void replaceWith(std::string_view bytes) const
    {
        (void)file("wine/drive_c/windows/system32/DAMAGED.dll", bytes);
    }
    [[nodiscard]] ModuleSymbols damaged() const
    {
        for (const ModuleSymbols& module : contents()) {
            if (module.module == "DAMAGED.dll")
                return module;
        }
        return {};
    }

    BuiltImage image;
    std::string dll;
};

const ModuleSymbols kKept{"DAMAGED.dll", {"OldOne", "OldTwo"}};

/// A DLL that exports by ordinal only.
std::string ordinalOnly()
{
    testing::PeSpec spec;
    spec.dllName = "DAMAGED.dll";
    spec.ordinalOnlyExports = 3;
    return testing::buildPe(spec).text();
}

TEST(ReloadKeepsTheModule, WhenItsExecutableIsCutShortInItsNameTable)
{
    {
        DamagedDll tree;
        tree.cutInNameTable();
        const UpdateOutcome outcome = updateLibrary(tree.t.ws);
        EXPECT_EQ(tree.contents(), (std::vector<ModuleSymbols>{kKept, {"OTHER.dll", {"Fresh"}}}));
        EXPECT_EQ(outcome.updated, 1u);
        EXPECT_EQ(outcome.unreadable, 1u);
        EXPECT_EQ(outcome.statusText,
                  "One module was updated from DLL/EXE file - 1 module kept: <read error>");
    }
    {
        DamagedDll tree;
        tree.cutInNameTable();
        const LibraryList before = tree.t.ws.library.rows;
        const ModuleReloadResult result = reloadModule(tree.t.ws, 1, ModuleSource::Executable);
        EXPECT_EQ(result.end, ModuleReloadEnd::Kept);
        EXPECT_EQ(result.kept, KeepReason::ReadError);
        EXPECT_EQ(tree.t.ws.library.rows, before);
        EXPECT_EQ(result.selectRow, std::optional<std::size_t>(0));
        EXPECT_EQ(tree.t.ui.statusText(2), "kept: <read error>");
    }
    {
        // Revert of a module read from the DLL itself.
        DamagedDll tree;
        tree.t.ws.library = Library{};
        tree.load(tree.dll);
        tree.t.ws.library.rows[1].SYMBOL = "Edited";
        tree.cutInNameTable();
        const LibraryList before = tree.t.ws.library.rows;
        EXPECT_EQ(reloadModule(tree.t.ws, 0, ModuleSource::OwnFile).end, ModuleReloadEnd::Kept);
        EXPECT_EQ(tree.t.ws.library.rows, before);
    }
}

TEST(ReloadKeepsTheModule, WhenItsExecutableGivesNoNames)
{
    for (const std::string& bytes : {std::string(), std::string("MZ damaged"), ordinalOnly()}) {
        {
            DamagedDll tree;
            tree.replaceWith(bytes);
            const LibraryList before = tree.t.ws.library.rows;
            const ModuleReloadResult result = reloadModule(tree.t.ws, 0, ModuleSource::Executable);
            EXPECT_EQ(result.end, ModuleReloadEnd::Kept) << bytes.size();
            EXPECT_EQ(tree.t.ws.library.rows, before);
        }
        {
            DamagedDll tree;
            tree.replaceWith(bytes);
            tree.t.ws.library.rows[0].MARK = 1;
            tree.t.ws.library.rows[3].MARK = 1;
            const MarkedUpdateResult result = updateMarkedModules(tree.t.ws);
            EXPECT_EQ(result.updated, 1u);
            EXPECT_EQ(result.kept, 1u);
            EXPECT_EQ(tree.damaged(), kKept);
            EXPECT_EQ(tree.t.ws.library.ModuleCount, 2u);
        }
        {
            DamagedDll tree;
            tree.replaceWith(bytes);
            (void)updateLibrary(tree.t.ws);
            EXPECT_EQ(tree.damaged(), kKept);
        }
    }
}

TEST(ReloadKeepsTheModule, AndAddsNoExceptionWhenTheFileHoldsAnotherModule)
{
    DamagedDll tree;
    // version.dll copied over the module's DLL.
    (void)tree.file("wine/drive_c/windows/system32/DAMAGED.dll",
                    testing::buildPeWithNames({"GetFileVersionInfoA"}, "VERSION.dll").text());
    const UpdateOutcome outcome = updateLibrary(tree.t.ws);
    EXPECT_EQ(outcome.notLocated, 1u);
    EXPECT_EQ(tree.damaged(), kKept);
    EXPECT_EQ(reloadModule(tree.t.ws, 0, ModuleSource::Executable).end,
              ModuleReloadEnd::NotLocated);
    EXPECT_EQ(tree.damaged(), kKept);
    EXPECT_TRUE(tree.t.ws.exceptQ.entries.empty());
    EXPECT_EQ(tree.t.settings.readSetting("Exceptlist", "Modulename1"), "");
}

TEST(ReloadKeepsTheModule, ReloadThatStandsRecordsTheExceptionOfItsFile)
{
    RefreshTree tree;
    // A module whose file has another name, as KERNEL in KRNL386.EXE.
    const std::string exe = tree.dll("bin/KRNL386.EXE", {"Beep"});
    (void)tree.file("bin/KRNL386.EXE", testing::buildPeWithNames({"Beep"}, "KERNEL").text());
    tree.load(exe);
    ASSERT_EQ(tree.t.settings.readSetting("Exceptlist", "Modulename1"), "KERNEL");
    tree.t.settings.deleteSetting("Exceptlist", "Modulename1");
    tree.t.settings.deleteSetting("Exceptlist", "Filename1");
    tree.t.settings.deleteSetting("Exceptlist", "ListNum");
    tree.t.ws.exceptQ = {};

    EXPECT_EQ(reloadModule(tree.t.ws, 0, ModuleSource::OwnFile).end, ModuleReloadEnd::Reloaded);
    EXPECT_EQ(tree.t.settings.readSetting("Exceptlist", "Modulename1"), "KERNEL");
    EXPECT_EQ(tree.t.settings.readSetting("Exceptlist", "Filename1"), "KRNL386.EXE");
}

}  // namespace
}  // namespace quillon::refresh
