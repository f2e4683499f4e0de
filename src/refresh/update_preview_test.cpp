// The update list: changed rows only, modules not located once, the library left as it was.
#include "refresh/update_preview.h"

#include <algorithm>
#include <iterator>
#include <ostream>
#include <set>

#include <gtest/gtest.h>

#include "core/library_edit.h"
#include "lib/lib_format.h"
#include "refresh/library_file_update.h"
#include "support/refresh_tree.h"

namespace quillon::refresh {

void PrintTo(const LibFunction& f, std::ostream* out)
{
    *out << f.module << "/" << f.symbol << "@" << f.ordinal;
}

namespace {

using testing::LibBuilder;
using testing::RefreshTree;

using Functions = std::multiset<LibFunction>;

/// The import definitions of a LIB file.
Functions libFunctions(const std::string& bytes)
{
    Functions functions;
    lib::RecordWalker walker(bytes);
    lib::ImportDefinition record;
    for (;;) {
        const Result<bool> found = walker.next(record);
        if (!found || !*found)
            break;
        functions.insert(
            LibFunction{std::string(record.module), std::string(record.symbol), record.ordinal});
    }
    return functions;
}

/// `a` without the elements of `b` (as many of each as `b` holds).
Functions without(const Functions& a, const Functions& b)
{
    Functions out;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::inserter(out, out.end()));
    return out;
}

TEST(UpdatePreview, ListsOnlyWhatAnUpdateWouldChange)
{
    RefreshTree tree;
    (void)tree.systemDll("HAVE.dll", {"Same", "Added"});
    (void)tree.systemDll("EQUAL.dll", {"One"});
    tree.load(tree.file("app.lib", LibBuilder()
                                       .import("LOST.dll", "Keep1", 1)
                                       .import("LOST.dll", "Keep2", 2)
                                       .import("HAVE.dll", "Same", 1)
                                       .import("HAVE.dll", "Gone", 7)
                                       .import("EQUAL.dll", "One", 1)
                                       .bytes()));
    const auto before = tree.contents();
    tree.t.ws.library.LibraryChanged = false;
    tree.t.ws.options.UseNoMessages = false;

    const UpdatePreview preview = buildUpdatePreview(tree.t.ws, {});
    EXPECT_FALSE(preview.cancelled);
    EXPECT_EQ(preview.modules, 3u);
    EXPECT_EQ(preview.notLocated, 1u);
    EXPECT_EQ(preview.changedModules, 1u);
    EXPECT_EQ(updatePreviewLines(preview),
              (std::vector<std::string>{"LOST.dll\t\t\t<File not found>",
                                        "HAVE.dll\tAdded\t2\t<Missing in library>",
                                        "HAVE.dll\tGone\t7\t<Missing in disk file>"}));
    // Nothing was loaded or removed, and no message was shown.
    EXPECT_EQ(tree.contents(), before);
    EXPECT_FALSE(tree.t.ws.library.LibraryChanged);
    EXPECT_FALSE(tree.t.ws.options.UseNoMessages);
    EXPECT_TRUE(tree.t.ui.messages.empty());

    updatePreview(tree.t.ws) = preview;
    clearUpdatePreview(tree.t.ws);
    EXPECT_TRUE(updatePreview(tree.t.ws).rows.empty());
}

TEST(UpdatePreview, ListsExactlyWhatTheUpdateWrites)
{
    RefreshTree tree;
    const testing::BuiltImage cut =
        testing::buildPeWithNames({"Cut1", "Cut2", "Cut3", "Cut4", "Cut5", "Cut6"}, "CUT.dll");
    (void)tree.file("wine/drive_c/windows/system32/CUT.dll",
                    std::string(reinterpret_cast<const char*>(cut.bytes.data()),
                                static_cast<std::size_t>(cut.names[3] + 2)));
    (void)tree.systemDll("RENUM.dll", {"B", "A"});
    (void)tree.systemDll("CASE.dll", {"GetValue"});
    (void)tree.systemDll("GROW.dll", {"Kept", "New1", "New2"});
    (void)tree.systemDll("SAME.dll", {"One"});
    (void)tree.systemDll("MODNAME.dll", {"Fn"});
    // version.dll copied over lz32.dll.
    (void)tree.file("wine/drive_c/windows/system32/LZ32.dll",
                    testing::buildPeWithNames({"GetFileVersionInfoA"}, "VERSION.dll").text());
    const std::string bytes = LibBuilder()
                                  .import("RENUM.dll", "A", 1)
                                  .import("RENUM.dll", "B", 2)
                                  .import("CASE.dll", "getvalue", 1)
                                  .import("GROW.dll", "Kept", 1)
                                  .import("GROW.dll", "Gone", 2)
                                  .import("LZ32.dll", "LZOpenFileA", 1)
                                  .import("CUT.dll", "Cut1", 1)
                                  .import("CUT.dll", "Old", 9)
                                  .import("LOST.dll", "Alone", 7)
                                  .import("SAME.dll", "One", 1)
                                  .import("MODNAME", "Fn", 1)
                                  .bytes();
    const std::string lib = tree.file("app.lib", bytes);

    // Options that hid renumbering and casing from the list do not change it now.
    reports::CompareOptions hiding;
    hiding.UseMatchCase = false;
    hiding.UseIgnoreOrdinals = true;
    FileUpdateResult loaded;
    loaded.libFile = lib;
    ASSERT_TRUE(loadLibraryForUpdate(tree.t.ws, loaded));
    const UpdatePreview preview = buildUpdatePreview(tree.t.ws, hiding);
    EXPECT_EQ(preview.modules, 8u);
    EXPECT_EQ(preview.notLocated, 1u);
    EXPECT_EQ(preview.kept, 2u);
    EXPECT_EQ(preview.changedModules, 4u);

    clearLibrary(tree.t.ws);
    const FileUpdateResult updated = updateLibraryFile(tree.t.ws, FileUpdateRequest{lib, ""});
    ASSERT_TRUE(updated.written());
    EXPECT_EQ(updated.update.unreadable, 1u);

    Functions drops;
    Functions writes;
    std::vector<std::string> notes;
    for (const UpdatePreviewRow& row : preview.rows) {
        if (row.drops)
            drops.insert(*row.drops);
        if (row.writes)
            writes.insert(*row.writes);
        if (!row.drops && !row.writes)
            notes.push_back(row.module + " " + row.change);
    }
    const Functions before = libFunctions(bytes);
    const Functions after = libFunctions(tree.t.folder.read("app.lib"));
    EXPECT_EQ(without(before, after), without(drops, writes));
    EXPECT_EQ(without(after, before), without(writes, drops));
    EXPECT_EQ(notes, (std::vector<std::string>{"LZ32.dll kept: <another module>",
                                               "CUT.dll kept: <read error>",
                                               "LOST.dll <File not found>"}));
    // What changed: renumbered, recased, grown, and the module named as its DLL names itself.
    EXPECT_EQ(without(after, before), (Functions{{"CASE.dll", "GetValue", 1},
                                                 {"GROW.dll", "New1", 2},
                                                 {"GROW.dll", "New2", 3},
                                                 {"MODNAME.dll", "Fn", 1},
                                                 {"RENUM.dll", "A", 2},
                                                 {"RENUM.dll", "B", 1}}));
}

TEST(UpdatePreview, NamesBeyondAsciiAreListedInUtf8)
{
    RefreshTree tree;
    (void)tree.systemDll("HAVE.dll", {"Same", "Added\xFC"});
    tree.load(tree.file(
        "app.lib",
        LibBuilder().import("HAVE.dll", "Same", 1).import("HAVE.dll", "Gone\xE9", 7).bytes()));
    const UpdatePreview preview = buildUpdatePreview(tree.t.ws, {});
    EXPECT_EQ(updatePreviewLines(preview),
              (std::vector<std::string>{"HAVE.dll\tAdded\xC3\xBC\t2\t<Missing in library>",
                                        "HAVE.dll\tGone\xC3\xA9\t7\t<Missing in disk file>"}));
}

TEST(UpdatePreview, EmptyLibraryGivesAnEmptyList)
{
    RefreshTree tree;
    const UpdatePreview preview = buildUpdatePreview(tree.t.ws, {});
    EXPECT_EQ(preview.modules, 0u);
    EXPECT_TRUE(preview.rows.empty());
}

}  // namespace
}  // namespace quillon::refresh
