// Tests of comparing a library module with a disk file: the passes, markers, counters,
// statuses, module verification, LIB disk files, failures and cancelling.
#include "reports/compare_module.h"
#include "reports/module_definition.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "reports/compare_status.h"
#include "reports/compare_texts.h"
#include "support/exe_builder.h"
#include "support/lib_builder.h"
#include "support/library_builder.h"
#include "support/test_workspace.h"

namespace quillon::reports {
namespace {

using testing::PeExport;
using testing::Symbols;

struct Seen {
    std::string symbol;
    int ordinal;
    std::string comment;
    friend bool operator==(const Seen&, const Seen&) = default;
};

std::ostream& operator<<(std::ostream& out, const Seen& s)
{
    return out << s.symbol << "@" << s.ordinal << " " << s.comment;
}

struct CompareFixture {
    testing::TestWorkspace t;

    /// A DLL named `dllName` exporting each name at its ordinal.
    std::string dll(const std::string& dllName, const Symbols& exports)
    {
        testing::PeSpec spec;
        spec.dllName = dllName;
        for (const auto& [name, ordinal] : exports)
            spec.exports.push_back(PeExport{name, static_cast<std::uint16_t>(ordinal - 1), {}});
        return t.folder.write(dllName, testing::buildPe(spec).bytes);
    }
    CompareResult compare(const std::string& module, const std::string& diskFile,
                          CompareOptions options = {})
    {
        return compareModule(t.ws, findModuleRow(t.ws, module).value_or(t.ws.library.rows.size()),
                             diskFile, options);
    }
};

std::vector<Seen> seen(const CompareResult& r)
{
    std::vector<Seen> out;
    for (const CompareRow& row : r.rows)
        out.push_back(Seen{row.SYMBOL, row.ORDINAL, row.COMMENT});
    return out;
}

TEST(CompareModule, IdenticalDllHasNoChangesAndLeavesTheLibraryAsItWas)
{
    CompareFixture f;
    const Symbols symbols = {{"Alpha", 1}, {"Beta", 2}, {"Gamma", 3}};
    testing::addModule(f.t.ws, "TEST.dll", symbols);
    testing::addModule(f.t.ws, "OTHER.dll", {{"Other", 1}});
    const std::string disk = f.dll("TEST.dll", symbols);
    const Library before = f.t.ws.library;

    const CompareResult r = f.compare("TEST.dll", disk);
    EXPECT_EQ(r.end, CompareEnd::Compared);
    EXPECT_EQ(r.status, (CompareStatus{"No changes", "No changes"}));
    EXPECT_EQ(seen(r), (std::vector<Seen>{{"Alpha", 1, "<Unchanged>"},
                                          {"Beta", 2, "<Unchanged>"},
                                          {"Gamma", 3, "<Unchanged>"}}));
    CompareCounts expected;
    expected.libraryFunctions = expected.diskFunctions = 3;
    EXPECT_EQ(r.counts, expected);
    EXPECT_EQ(severityBits(r), 0);
    EXPECT_EQ(f.t.ws.library.rows, before.rows);
    EXPECT_EQ(f.t.ws.library.modules, before.modules);
    EXPECT_EQ(f.t.ws.library.SymbolCount, before.SymbolCount);
    EXPECT_EQ(f.t.ws.library.ModuleCount, before.ModuleCount);
    EXPECT_TRUE(f.t.ui.messages.empty());
    EXPECT_EQ(r.statusTexts[0], "Compare result: No changes");
}

TEST(CompareModule, CasingCountsOnlyWhenMatchingCase)
{
    CompareFixture f;
    testing::addModule(f.t.ws, "TEST.dll", {{"Alpha", 1}, {"Beta", 2}});
    const std::string disk = f.dll("TEST.dll", {{"ALPHA", 1}, {"Beta", 2}});

    const CompareResult exact = f.compare("TEST.dll", disk);
    EXPECT_EQ(exact.status, (CompareStatus{"Minor changes", "Minor changes"}));
    EXPECT_EQ(seen(exact)[0], (Seen{"ALPHA", 1, "<Function name casing>"}));
    EXPECT_EQ(exact.rows[0].cells[kColumnSymbol], CellChange::Casing);
    EXPECT_EQ(exact.counts.functionCasing, 1);
    EXPECT_EQ(severityBits(exact), kSeverityCompatible);

    CompareOptions ignoreCase;
    ignoreCase.UseMatchCase = false;
    const CompareResult loose = f.compare("TEST.dll", disk, ignoreCase);
    EXPECT_EQ(loose.status.longText, "No changes");
    EXPECT_EQ(seen(loose),
              (std::vector<Seen>{{"ALPHA", 1, "<Unchanged>"}, {"BETA", 2, "<Unchanged>"}}));
}

TEST(CompareModule, NothingInCommonIsTheWrongModule)
{
    CompareFixture f;
    testing::addModule(f.t.ws, "TEST.dll", {{"Alpha", 1}, {"Beta", 2}});
    const CompareResult r = f.compare("TEST.dll", f.dll("TEST.dll", {{"Zeta", 1}, {"Omega", 2}}));
    EXPECT_EQ(r.status.longText, "Wrong module");
    EXPECT_EQ(seen(r), (std::vector<Seen>{{"Zeta", 1, "<Missing in library>"},
                                          {"Alpha", 1, "<Missing in disk file>"},
                                          {"Omega", 2, "<Missing in library>"},
                                          {"Beta", 2, "<Missing in disk file>"}}));
    EXPECT_EQ(r.counts.missingOnDisk, 2);
    EXPECT_EQ(r.counts.missingInLibrary, 2);
    EXPECT_EQ(severityBits(r), kSeverityBreaking | kSeverityCompatible);
}

TEST(CompareModule, RenumberedOrdinalsAreReportedUnlessIgnored)
{
    CompareFixture f;
    testing::addModule(f.t.ws, "TEST.dll", {{"Alpha", 1}, {"Beta", 2}});
    const std::string disk = f.dll("TEST.dll", {{"Beta", 1}, {"Alpha", 2}});

    const CompareResult r = f.compare("TEST.dll", disk);
    EXPECT_EQ(r.status, (CompareStatus{"Module changed", "Module changed"}));
    EXPECT_EQ(seen(r), (std::vector<Seen>{{"Beta", 1, "<Ordinal changed from 2>"},
                                          {"Alpha", 2, "<Ordinal changed from 1>"}}));
    EXPECT_EQ(r.counts.ordinalsChanged, 2);
    EXPECT_EQ(r.rows[0].cells[kColumnOrdinal], CellChange::Changed);

    CompareOptions ignore;
    ignore.UseIgnoreOrdinals = true;
    const CompareResult quiet = f.compare("TEST.dll", disk, ignore);
    EXPECT_EQ(quiet.status.longText, "No changes");
    EXPECT_EQ(quiet.counts.ordinalsChanged, 0);
}

TEST(CompareModule, RenamedAndDecoratedFunctionsArePairedAsNameChanges)
{
    CompareFixture f;
    testing::addModule(f.t.ws, "TEST.dll",
                       {{"GetValue", 1}, {"_Foo@8", 2}, {"_Bar@4", 3}, {"Keep", 4}, {"Gone", 5}});
    const std::string disk = f.dll(
        "TEST.dll", {{"GetValueEx", 1}, {"_Foo@12", 2}, {"Keep", 4}, {"_Bar@8", 6}, {"New", 7}});
    const CompareResult r = f.compare("TEST.dll", disk);
    EXPECT_EQ(seen(r),
              (std::vector<Seen>{
                  {"GetValueEx", 1, "<Function name changed from GetValue>"},
                  {"_Foo@12", 2, "<Function name changed from _Foo@8>"},
                  {"Keep", 4, "<Unchanged>"},
                  {"Gone", 5, "<Missing in disk file>"},
                  {"_Bar@8", 6, "<Ordinal changed from 3><Function name changed from _Bar@4>"},
                  {"New", 7, "<Missing in library>"}}));
    EXPECT_EQ(r.counts.functionOther, 3);
    EXPECT_EQ(r.counts.ordinalsChanged, 1);
    EXPECT_EQ(r.status, (CompareStatus{"Missing symbols in disk file", "Module changed"}));
    EXPECT_EQ(r.rows[0].MARK, 4);
    EXPECT_EQ(r.rows[4].MARK, 5);
}

TEST(CompareModule, DuplicatesInTheDiskFileAndTheLibraryAreCountedApart)
{
    CompareFixture f;
    testing::addModule(f.t.ws, "TEST.dll", {{"Alpha", 1}, {"Beta", 2}, {"Beta", 2}});
    const std::string disk = f.dll("TEST.dll", {{"Alpha", 1}, {"Alpha", 1}, {"Beta", 2}});
    const CompareResult r = f.compare("TEST.dll", disk);
    EXPECT_EQ(seen(r), (std::vector<Seen>{{"Alpha", 1, "<Unchanged>"},
                                          {"Alpha", 1, "<Duplicate in disk file>"},
                                          {"Beta", 2, "<Unchanged>"},
                                          {"Beta", 2, "<Duplicate in library>"}}));
    EXPECT_EQ(r.counts.diskDuplicates, 1);
    EXPECT_EQ(r.counts.libraryDuplicates, 1);
    EXPECT_EQ(r.status, (CompareStatus{"Duplicate entries", "Duplicates"}));
}

TEST(CompareModule, WithOrdinalsIgnoredDuplicatesAreTheSameNameAgain)
{
    CompareFixture f;
    testing::addModule(f.t.ws, "TEST.dll", {{"Alpha", 1}, {"Beta", 2}, {"Beta", 3}});
    const std::string disk = f.dll("TEST.dll", {{"Alpha", 1}, {"Alpha", 5}, {"Beta", 2}});
    CompareOptions ignore;
    ignore.UseIgnoreOrdinals = true;
    const CompareResult r = f.compare("TEST.dll", disk, ignore);
    EXPECT_EQ(seen(r), (std::vector<Seen>{{"Alpha", 1, "<Unchanged>"},
                                          {"Beta", 2, "<Unchanged>"},
                                          {"Beta", 3, "<Duplicate in library>"},
                                          {"Alpha", 5, "<Duplicate in disk file>"}}));
    EXPECT_EQ(r.counts.diskDuplicates, 1);
    EXPECT_EQ(r.counts.libraryDuplicates, 1);
    EXPECT_EQ(r.counts.missingInLibrary, 0);
    EXPECT_EQ(r.counts.missingOnDisk, 0);
    EXPECT_EQ(r.status, (CompareStatus{"Duplicate entries", "Duplicates"}));
}

TEST(CompareModule, AReadErrorNamesTheDiskFileBeingRead)
{
    CompareFixture f;
    testing::addModule(f.t.ws, "TEST.dll", {{"Alpha", 1}});
    f.t.ws.library.LibraryFileName = "/libs/loaded.lib";
    const std::string disk = f.dll("TEST.dll", {{"Alpha", 1}});
    f.t.files.setFaultHook([](platform::FileOp op, const std::string&) {
        return op == platform::FileOp::Read ? 30 : 0;
    });
    const CompareResult r = f.compare("TEST.dll", disk);
    EXPECT_EQ(r.end, CompareEnd::ReadError);
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_NE(f.t.ui.messages[0].text.find("File: " + disk), std::string::npos)
        << f.t.ui.messages[0].text;
    EXPECT_EQ(f.t.ui.messages[0].text.find("loaded.lib"), std::string::npos);
}

TEST(CompareModule, LibDiskFileIsSearchedForTheModule)
{
    CompareFixture f;
    testing::addModule(f.t.ws, "TEST", {{"Alpha", 1}, {"Beta", 2}});
    const std::string lib = f.t.folder.write(
        "Disk.lib",
        testing::libBytes({{"OTHER", "Zeta", 1}, {"test", "Alpha", 1}, {"test", "Beta", 3}}));
    const CompareResult r = f.compare("TEST", lib);
    EXPECT_EQ(r.diskModuleName, "test");
    EXPECT_EQ(r.counts.moduleCasing, 1);
    EXPECT_EQ(seen(r),
              (std::vector<Seen>{{"Alpha", 1, "<Module name casing><Unchanged>"},
                                 {"Beta", 3, "<Module name casing><Ordinal changed from 2>"}}));
    EXPECT_EQ(r.rows[0].cells[kColumnModule], CellChange::Casing);

    testing::addModule(f.t.ws, "ABSENT", {{"Alpha", 1}});
    const CompareResult missing = f.compare("ABSENT", lib);
    EXPECT_EQ(missing.end, CompareEnd::ModuleNotFound);
    EXPECT_EQ(missing.status, (CompareStatus{"Module not found in file...", "Module not found"}));
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_EQ(f.t.ui.messages[0].title, "CLARION QUILLON 32 - Module not found!");
    EXPECT_NE(f.t.ui.messages[0].text.find("compare to a LIB file on disk"), std::string::npos);
}

TEST(CompareModule, ModuleNameLongerThan20CharactersIsComparedWhole)
{
    CompareFixture f;
    const std::string name = "windows.devices.enumeration.dll";
    testing::addModule(f.t.ws, name, {{"Find", 1}});
    const CompareResult r = f.compare(name, f.dll(name, {{"Find", 1}}));
    EXPECT_EQ(r.end, CompareEnd::Compared);
    EXPECT_EQ(r.status, (CompareStatus{"No changes", "No changes"}));
    EXPECT_EQ(r.moduleName, name);
    EXPECT_TRUE(f.t.ui.messages.empty());
}

TEST(CompareModule, DllInAFolderNamedLikeALibFileIsReadAsAnExecutable)
{
    CompareFixture f;
    testing::addModule(f.t.ws, "TEST.dll", {{"Alpha", 1}});
    std::filesystem::create_directories(f.t.folder.path() / "my.libs");
    testing::PeSpec spec;
    spec.dllName = "TEST.dll";
    spec.exports = {PeExport{"Alpha", 0, {}}};
    const std::string disk = f.t.folder.write("my.libs/TEST.dll", testing::buildPe(spec).bytes);
    EXPECT_FALSE(isLibDiskFile(disk));
    EXPECT_TRUE(isLibDiskFile("/libs/ALL.lib"));

    const CompareResult r = f.compare("TEST.dll", disk);
    EXPECT_EQ(r.end, CompareEnd::Compared);
    EXPECT_EQ(seen(r), (std::vector<Seen>{{"Alpha", 1, "<Unchanged>"}}));
}

TEST(CompareModule, AnotherModuleNameAsksFirstAndPartialMatchingAcceptsExtensions)
{
    CompareFixture f;
    testing::addModule(f.t.ws, "TEST", {{"Alpha", 1}});
    const std::string disk = f.dll("OTHER.dll", {{"Alpha", 1}});

    f.t.ui.answers = {2};
    const CompareResult declined = f.compare("TEST", disk);
    EXPECT_EQ(declined.end, CompareEnd::ModuleNotFound);
    EXPECT_EQ(declined.status.shortText, "Module not found");
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_EQ(f.t.ui.messages[0].title, "CLARION QUILLON 32 - Module not found in disk file!");
    EXPECT_NE(f.t.ui.messages[0].text.find(
                  "Library module name:   TEST|   Disk file module name: OTHER.DLL|"),
              std::string::npos);
    EXPECT_EQ(declined.statusTexts[1], "Module not verified");

    f.t.ui.answers = {1};
    const CompareResult anyway = f.compare("TEST", disk);
    EXPECT_EQ(seen(anyway), (std::vector<Seen>{{"Alpha", 1, "<Module name changed><Unchanged>"}}));
    EXPECT_EQ(anyway.status, (CompareStatus{"Module changed", "Module changed"}));
    EXPECT_EQ(severityBits(anyway), kSeverityBreaking);

    CompareOptions partial;
    partial.partialMatch = true;
    const CompareResult sameBase = f.compare("TEST", f.dll("test.dll", {{"Alpha", 1}}), partial);
    EXPECT_EQ(f.t.ui.messages.size(), 2u);
    EXPECT_EQ(sameBase.counts.moduleOther, 1);
    EXPECT_EQ(sameBase.status, (CompareStatus{"No changes", "No changes"}));
}

TEST(CompareModule, FailuresEndWithTheirMessageAndStatus)
{
    CompareFixture f;
    f.t.ws.options.UseStatusBar = true;
    testing::addModule(f.t.ws, "TEST.dll", {{"Alpha", 1}});
    const CompareResult absent = f.compare("TEST.dll", f.t.folder.file("none.dll"));
    EXPECT_EQ(absent.end, CompareEnd::FileNotFound);
    EXPECT_EQ(absent.status.shortText, "File not found");
    EXPECT_EQ(f.t.ui.statusText(1), "File was not found!");

    const std::string text = f.t.folder.write("notes.dll", std::string("plain text, no header"));
    const CompareResult none = f.compare("TEST.dll", text);
    EXPECT_EQ(none.end, CompareEnd::NoExports);
    EXPECT_EQ(none.status.shortText, "No exports found");
    ASSERT_EQ(f.t.ui.messages.size(), 2u);
    EXPECT_EQ(f.t.ui.messages[0].title, "CLARION QUILLON 32 - File not found!");
    EXPECT_EQ(f.t.ui.messages[1].title, "CLARION QUILLON 32 - No exported functions!");
    EXPECT_NE(f.t.ui.messages[1].text.find("less strict identification"), std::string::npos);
}

TEST(CompareModule, EscapeEndsTheComparison)
{
    CompareFixture f;
    f.t.ws.options.UseStatusBar = true;
    testing::addModule(f.t.ws, "TEST.dll", {{"Alpha", 1}});
    const std::string disk = f.dll("TEST.dll", {{"Alpha", 1}});
    f.t.ui.keys = {ui::PendingKey::Escape, ui::PendingKey::Escape};
    const CompareResult r = f.compare("TEST.dll", disk);
    EXPECT_EQ(r.end, CompareEnd::Cancelled);
    EXPECT_TRUE(r.rows.empty());
    EXPECT_EQ(f.t.ui.statusText(1), "Cancelled");
}

TEST(CompareStatusRules, DecidedInOrder)
{
    const auto decide = [](CompareCounts c, bool partial = false) {
        c.libraryFunctions = c.libraryFunctions == 0 ? 10 : c.libraryFunctions;
        c.diskFunctions = c.diskFunctions == 0 ? 10 : c.diskFunctions;
        return decideStatus(c, partial);
    };
    EXPECT_EQ(decide({.moduleCasing = 1}).longText, "Minor changes");
    EXPECT_EQ(decide({.missingOnDisk = 10, .missingInLibrary = 10}).longText, "Wrong module");
    EXPECT_EQ(decide({.missingOnDisk = 10, .missingInLibrary = 2}).longText,
              "None found in disk file");
    EXPECT_EQ(decide({.missingOnDisk = 2, .missingInLibrary = 10}).longText,
              "All missing in library");
    EXPECT_EQ(decide({.missingInLibrary = 2}),
              (CompareStatus{"Missing symbols in library", "Missing symbols"}));
    EXPECT_EQ(decide({.moduleOther = 1}), (CompareStatus{"Module changed", "Module changed"}));
    EXPECT_EQ(decide({.moduleOther = 1, .functionCasing = 1}, true),
              (CompareStatus{"Minor changes", "Minor changes"}));
    EXPECT_EQ(decide({.moduleOther = 1, .libraryDuplicates = 1}, true),
              (CompareStatus{"Duplicate entries", "Duplicates"}));
    EXPECT_EQ(decide({.functionOther = 1}, true),
              (CompareStatus{"Module changed", "Module changed"}));
}

}  // namespace
}  // namespace quillon::reports
