// Tests of the NE name-table reader: resident and non-resident names, the entries that are not
// names, the resident count, the failure rules of the two tables, truncation and Escape.
#include "exe/ne_name_table_reader.h"

#include <gtest/gtest.h>

#include "core/library_model.h"
#include "exe/executable_image.h"
#include "exe/ne_format.h"
#include "support/exe_fixture.h"

namespace quillon::exe {
namespace {

using testing::BuiltImage;
using testing::ExeFixture;
using testing::NeName;
using testing::NeSpec;
using testing::SymbolSeen;

NeSpec kernelSpec()
{
    NeSpec spec;
    spec.moduleName = "KERNEL";
    spec.description = "Microsoft Windows Kernel Interface";
    spec.residentNames = {{"WEP", 5}, {"FATALEXIT", 1}};
    spec.nonResidentNames = {{"GetVersion", 3}, {"lstrcpy", 88}};
    return spec;
}

/// The one table of the image; its views point into `image`, which must outlive it.
ExportTable tableOf(const BuiltImage& image)
{
    ExecutableExports exports = readExecutable(image.bytes);
    EXPECT_EQ(exports.kind, ExecutableKind::Ne);
    EXPECT_EQ(exports.tables.size(), 1u);
    return exports.tables.empty() ? ExportTable{} : exports.tables[0];
}
ExportTable tableOf(BuiltImage&& image) = delete;

TEST(NeNameTableReader, ReadsResidentThenNonResidentNames)
{
    ExeFixture f;
    const ExecutableLoad load = f.load("krnl386.exe", testing::buildNe(kernelSpec()));
    EXPECT_EQ(load.outcome.ReadStatus, 0);
    EXPECT_EQ(load.kind, ExecutableKind::Ne);
    EXPECT_EQ(load.residentCount, 2);
    ASSERT_EQ(f.rows().size(), 5u);
    const LibraryRow& module = f.rows()[0];
    EXPECT_EQ(module.SYMBOL, "KERNEL");
    EXPECT_EQ(module.MODULENAME.view(), "KERNEL");
    EXPECT_EQ(module.OS, kOs16);
    EXPECT_EQ(module.ICON, RowIcon::ShutFold16);
    EXPECT_EQ(module.TREELEVEL, TreeLevel::ModuleCollapsed);
    EXPECT_EQ(f.symbols(), (std::vector<SymbolSeen>{{"WEP", 5, true},
                                                    {"FATALEXIT", 1, true},
                                                    {"GetVersion", 3, false},
                                                    {"lstrcpy", 88, false}}));
    for (std::size_t i = 1; i < 5; ++i) {
        EXPECT_EQ(f.rows()[i].OS, kOs16);
        EXPECT_EQ(f.rows()[i].TREELEVEL, TreeLevel::Symbol);
    }
    EXPECT_TRUE(f.t.ui.messages.empty());
}

TEST(NeNameTableReader, ResidentCountSetsTheResidentFlagInPostProcessing)
{
    ExeFixture f;
    const ExecutableLoad load = f.load("krnl386.exe", testing::buildNe(kernelSpec()));
    postProcessLoad(f.t.ws, load.firstNewRow,
                    LoadedFile{f.path, true, load.residentCount});
    std::vector<int> flags;
    for (const LibraryRow& row : f.rows())
        flags.push_back(row.RESIDENTSTAB);
    EXPECT_EQ(flags, (std::vector<int>{0, 1, 1, 0, 0}));
}

TEST(NeNameTableReader, ModuleNameAndDescriptionAreNeverSymbols)
{
    NeSpec spec = kernelSpec();
    spec.residentNames.clear();
    spec.nonResidentNames = {{"Only", 7}};
    const BuiltImage image = testing::buildNe(spec);
    const ExportTable table = tableOf(image);
    EXPECT_EQ(table.moduleName, "KERNEL");
    ASSERT_EQ(table.names.size(), 1u);
    EXPECT_EQ(table.names[0], (ExportedName{"Only", 7, false}));
    EXPECT_EQ(table.residentCount, 0);
}

TEST(NeNameTableReader, ResidentOnlyModuleGetsResidentIconsAndFlags)
{
    NeSpec spec = kernelSpec();
    spec.nonResidentNames.clear();
    ExeFixture f;
    const ExecutableLoad load = f.load("res.dll", testing::buildNe(spec));
    EXPECT_EQ(load.residentCount, 2);
    postProcessLoad(f.t.ws, load.firstNewRow,
                    LoadedFile{f.path, true, load.residentCount});
    for (std::size_t i = 1; i < f.rows().size(); ++i) {
        EXPECT_EQ(f.rows()[i].ICON, RowIcon::ResFunction);
        EXPECT_EQ(f.rows()[i].RESIDENTSTAB, 1);
    }
}

TEST(NeNameTableReader, NameOf255CharactersKeeps254AndTheNextEntryIsFound)
{
    NeSpec spec = kernelSpec();
    spec.residentNames = {{std::string(255, 'R'), 9}, {"NEXT", 10}};
    spec.nonResidentNames = {{std::string(254, 'n'), 11}, {"after", 12}};
    const BuiltImage image = testing::buildNe(spec);
    const ExportTable table = tableOf(image);
    ASSERT_EQ(table.names.size(), 4u);
    EXPECT_EQ(table.names[0].name, std::string(254, 'R'));
    EXPECT_EQ(table.names[0].ordinal, 9);
    EXPECT_EQ(table.names[1], (ExportedName{"NEXT", 10, true}));
    EXPECT_EQ(table.names[2].name, std::string(254, 'n'));
    EXPECT_EQ(table.names[3], (ExportedName{"after", 12, false}));
}

TEST(NeNameTableReader, OrdinalsAreTakenAsStoredAndNamesKeepTheirCase)
{
    NeSpec spec;
    spec.residentNames = {{"MixedCase", 0xFFFF}};
    spec.nonResidentNames = {{"zero", 0}};
    const BuiltImage image = testing::buildNe(spec);
    const ExportTable table = tableOf(image);
    ASSERT_EQ(table.names.size(), 2u);
    EXPECT_EQ(table.names[0], (ExportedName{"MixedCase", 0xFFFF, true}));
    EXPECT_EQ(table.names[1], (ExportedName{"zero", 0, false}));
}

TEST(NeNameTableReader, MovableEntryCountIsTheProgressTotal)
{
    NeSpec spec = kernelSpec();
    spec.movableEntryCount = 321;
    const BuiltImage image = testing::buildNe(spec);
    EXPECT_EQ(tableOf(image).progressTotal, 321u);
    ExeFixture f;
    f.t.ws.options.UseStatusBar = true;
    f.load("k.exe", testing::buildNe(spec), true);
    EXPECT_EQ(f.t.ui.progressCaptions, std::vector<std::string>{"Loading..."});
    EXPECT_EQ(f.t.ui.progressTexts.back(), "4 symbols");
    EXPECT_EQ(f.t.ui.progressTexts.size(), 5u);
}

// ---- the failure rules ----

TEST(NeNameTableReader, NonResidentOffsetZeroMeansNoSuchTable)
{
    NeSpec spec = kernelSpec();
    spec.hasNonResidentTable = false;
    const BuiltImage image = testing::buildNe(spec);
    const ExportTable table = tableOf(image);
    EXPECT_EQ(table.error.code, 0);
    EXPECT_EQ(table.names.size(), 2u);  // the DOS header is never read as names
}

TEST(NeNameTableReader, EmptyNonResidentTableHasNoDescriptionToSkip)
{
    NeSpec spec = kernelSpec();
    BuiltImage image = testing::buildNe(spec);
    image.putU8(image.nonResidentTable, 0);  // the table ends at once
    const ExportTable table = tableOf(image);
    EXPECT_EQ(table.error.code, 0);
    EXPECT_EQ(table.names.size(), 2u);
}

TEST(NeNameTableReader, ResidentTableFailureStillReadsTheNonResidentTable)
{
    NeSpec spec = kernelSpec();
    BuiltImage image = testing::buildNe(spec);
    // FATALEXIT claims 255 bytes: its ordinal lies in the non-resident table, the entry after
    // it beyond the end of the file.
    image.putU8(image.names[1], 255);
    image.putU32(image.newHeader + ne::kNonResidentNameTable,
                 static_cast<std::uint32_t>(image.nonResidentTable));
    const std::vector<std::byte> cut = image.cut(image.names[1] + 1 + 255 + 1);
    ExecutableExports exports = readExecutable(cut);
    ASSERT_EQ(exports.tables.size(), 1u);
    const ExportTable& table = exports.tables[0];
    EXPECT_EQ(table.residentCount, 1);
    EXPECT_EQ(table.error.code, 33);
    ASSERT_GE(table.names.size(), 1u);
    EXPECT_EQ(table.names[0].name, "WEP");
}

TEST(NeNameTableReader, ResidentFailureKeepsRowsAndReadsOnThenReportsError33)
{
    NeSpec spec = kernelSpec();
    BuiltImage image = testing::buildNe(spec);
    // The non-resident table moves in front of the resident names' defect.
    image.putU8(image.names[1], 250);  // FATALEXIT runs over the rest of the file
    ExeFixture f;
    const ExecutableLoad load = f.load("bad.exe", image);
    EXPECT_EQ(load.outcome.ReadStatus, 33);
    EXPECT_EQ(load.residentCount, 1);
    ASSERT_GE(f.symbols().size(), 1u);
    EXPECT_EQ(f.symbols()[0], (SymbolSeen{"WEP", 5, true}));
    // The non-resident names were still read.
    EXPECT_EQ(f.symbols().back(), (SymbolSeen{"lstrcpy", 88, false}));
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_EQ(f.t.ui.messages[0].title, "CLARION QUILLON 32 - HEADER information not found!");
}

TEST(NeNameTableReader, NonResidentFailureEndsTheReaderKeepingRows)
{
    BuiltImage image = testing::buildNe(kernelSpec());
    image.putU32(image.newHeader + ne::kNonResidentNameTable, 0x7FFFFFFF);
    const ExportTable table = tableOf(image);
    EXPECT_EQ(table.error.code, 33);
    EXPECT_EQ(table.names.size(), 2u);
}

TEST(NeNameTableReader, ResidentTableBeyondTheEndAddsNothing)
{
    BuiltImage image = testing::buildNe(kernelSpec());
    image.putU16(image.newHeader + ne::kResidentNameTable, 0xFFFF);
    ExeFixture f;
    const ExecutableLoad load = f.load("far.exe", image);
    EXPECT_EQ(load.outcome.ReadStatus, 33);
    EXPECT_TRUE(f.rows().empty());
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_EQ(f.t.ui.messages[0].title, "CLARION QUILLON 32 - HEADER information not found!");
}

TEST(NeNameTableReader, EmptyResidentTableLeavesANamelessModuleThatIsRemoved)
{
    BuiltImage image = testing::buildNe(kernelSpec());
    image.putU8(image.residentTable, 0);
    ExeFixture f;
    f.load("noname.exe", image);
    EXPECT_TRUE(f.rows().empty());
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_EQ(f.t.ui.messages[0].title, "CLARION QUILLON 32 - NOT a library file!");
    EXPECT_TRUE(f.outcome.rejected());
}

TEST(NeNameTableReader, NeHeaderCutShortIsError33)
{
    const BuiltImage image = testing::buildNe(kernelSpec());
    ExeFixture f;
    const ExecutableLoad load = f.load("cut.exe", image.cut(image.newHeader + 40));
    EXPECT_EQ(load.outcome.ReadStatus, 33);
    EXPECT_TRUE(f.rows().empty());
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_EQ(f.t.ui.messages[0].title, "CLARION QUILLON 32 - HEADER information not found!");
}

TEST(NeNameTableReader, TruncatedAtEveryLengthNeverCrashes)
{
    const BuiltImage image = testing::buildNe(kernelSpec());
    const ExportTable full = tableOf(image);
    for (std::size_t n = 0; n < image.size(); ++n) {
        const std::vector<std::byte> cut = image.cut(n);
        const ExecutableExports exports = readExecutable(cut);
        for (const ExportTable& table : exports.tables) {
            ASSERT_LE(table.names.size(), full.names.size());
            if (table.names.size() < full.names.size()) {
                ASSERT_EQ(table.error.code, 33) << n;
            }
        }
    }
}

TEST(NeNameTableReader, EscapeRemovesTheModule)
{
    ExeFixture f;
    f.t.ui.keys.push_back(ui::PendingKey::Escape);
    const ExecutableLoad load = f.load("k.exe", testing::buildNe(kernelSpec()));
    EXPECT_TRUE(load.cancelled);
    EXPECT_EQ(load.residentCount, 0);
    EXPECT_TRUE(f.rows().empty());
    EXPECT_TRUE(f.t.ui.messages.empty());
}

}  // namespace
}  // namespace quillon::exe
