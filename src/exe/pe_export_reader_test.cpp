// Tests of the PE section search and export directory reader: rows, ordinals, placements of
// the export data, PE32+, defects, truncation, Escape and progress.
#include "exe/pe_export_reader.h"

#include <gtest/gtest.h>

#include "core/library_model.h"
#include "exe/executable_image.h"
#include "exe/pe_format.h"
#include "support/exe_fixture.h"
#include "support/readobj_exports.h"

namespace quillon::exe {
namespace {

using testing::BuiltImage;
using testing::ExeFixture;
using testing::ExportPlacement;
using testing::PeExport;
using testing::PeSpec;
using testing::SymbolSeen;

PeSpec specWith(std::vector<std::string> names)
{
    PeSpec spec;
    spec.dllName = "ALPHA.dll";
    for (std::string& name : names)
        spec.exports.push_back(PeExport{std::move(name), std::nullopt, {}});
    return spec;
}

std::vector<SymbolSeen> seen(std::vector<std::pair<std::string, std::uint16_t>> list)
{
    std::vector<SymbolSeen> out;
    for (auto& [name, ordinal] : list)
        out.push_back(SymbolSeen{name, ordinal, false});
    return out;
}

/// The names and ordinals of the image as `readExecutable` gives them.
std::vector<std::pair<std::string, std::uint16_t>> namesOf(const std::vector<std::byte>& bytes)
{
    const ExecutableExports exports = readExecutable(bytes);
    std::vector<std::pair<std::string, std::uint16_t>> out;
    for (const ExportTable& table : exports.tables) {
        out.emplace_back("module " + std::string(table.moduleName), 0);
        for (const ExportedName& n : table.names)
            out.emplace_back(std::string(n.name), n.ordinal);
    }
    return out;
}

// ---- rows ----

TEST(PeExportReader, AppendsModuleAndSymbolRowsInNamePointerOrder)
{
    ExeFixture f;
    const ExecutableLoad load =
        f.load("alpha.dll", testing::buildPe(specWith({"Zeta", "Alpha", "Mid"})));
    EXPECT_EQ(load.outcome.ReadStatus, 0);
    EXPECT_EQ(load.kind, ExecutableKind::Pe);
    ASSERT_EQ(f.rows().size(), 4u);
    const LibraryRow& module = f.rows()[0];
    EXPECT_EQ(module.SYMBOL, "ALPHA.dll");
    EXPECT_EQ(module.MODULENAME.view(), "ALPHA.dll");
    EXPECT_EQ(module.OS, kOs32);
    EXPECT_EQ(module.TREELEVEL, TreeLevel::ModuleCollapsed);
    EXPECT_EQ(module.ICON, RowIcon::ShutFold32);
    EXPECT_EQ(module.ORDINAL, 0);
    EXPECT_EQ(module.MARK, 0);
    EXPECT_EQ(f.symbols(), seen({{"Zeta", 1}, {"Alpha", 2}, {"Mid", 3}}));
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(f.rows()[i].TREELEVEL, TreeLevel::Symbol);
        EXPECT_EQ(f.rows()[i].ICON, RowIcon::Function);
        EXPECT_EQ(f.rows()[i].OS, kOs32);
        EXPECT_EQ(f.rows()[i].MODULENAME.view(), "ALPHA.dll");
    }
    EXPECT_TRUE(f.t.ui.messages.empty());
}

TEST(PeExportReader, LongDllNameIsTheWholeModuleName)
{
    ExeFixture f;
    PeSpec spec = specWith({"A"});
    spec.dllName = "AVERYLONGMODULENAME_WITH_MORE.dll";
    f.load("long.dll", testing::buildPe(spec));
    EXPECT_EQ(f.rows()[0].MODULENAME.view(), spec.dllName);
    EXPECT_EQ(f.rows()[0].SYMBOL, spec.dllName);
    EXPECT_EQ(f.rows()[1].MODULENAME.view(), spec.dllName);
}

TEST(PeExportReader, OrdinalIsBasePlusIndexInItsLow16Bits)
{
    ExeFixture f;
    PeSpec spec;
    spec.ordinalBase = 65530;
    spec.exports = {{"First", 0, {}}, {"Wraps", 10, {}}, {"Last", 5, {}}};
    f.load("base.dll", testing::buildPe(spec));
    EXPECT_EQ(f.symbols(), seen({{"First", 65530}, {"Wraps", 4}, {"Last", 65535}}));
    EXPECT_EQ(ordinalHexText(f.rows()[3].ORDINAL), "FFFF");
}

TEST(PeExportReader, OrdinalOnlyExportsAddNothingAndShowNoMessage)
{
    ExeFixture f;
    PeSpec spec;
    spec.ordinalOnlyExports = 12;
    const ExecutableLoad load = f.load("ordinals.dll", testing::buildPe(spec));
    EXPECT_TRUE(f.rows().empty());
    EXPECT_TRUE(f.t.ui.messages.empty());
    EXPECT_EQ(load.outcome.ReadStatus, 0);
    EXPECT_TRUE(f.outcome.read());
}

TEST(PeExportReader, ImageWithoutExportDirectoryAddsNothing)
{
    ExeFixture f;
    f.load("plain.exe", testing::buildPe(PeSpec{}));
    EXPECT_TRUE(f.rows().empty());
    EXPECT_TRUE(f.t.ui.messages.empty());
}

TEST(PeExportReader, OnlyNamedExportsAreListedForwardersIncluded)
{
    ExeFixture f;
    PeSpec spec;
    spec.ordinalBase = 10;
    spec.ordinalOnlyExports = 3;
    spec.exports = {{"Local", std::nullopt, {}}, {"Forwarded", std::nullopt, "NTDLL.RtlForwarded"}};
    f.load("fwd.dll", testing::buildPe(spec));
    EXPECT_EQ(f.symbols(), seen({{"Local", 10}, {"Forwarded", 11}}));
}

TEST(PeExportReader, NamesAreCutTo254Characters)
{
    ExeFixture f;
    const std::string n254(254, 'a');
    const std::string n300(300, 'b');
    f.load("long.dll", testing::buildPe(specWith({n254, n300, "after"})));
    EXPECT_EQ(f.symbols(), seen({{n254, 1}, {n300.substr(0, 254), 2}, {"after", 3}}));
}

// ---- where the export directory lies ----

TEST(PeExportReader, EdataSectionIsReadOnceThroughItsName)
{
    ExeFixture f;
    f.load("edata.dll", testing::buildPe(specWith({"A", "B"})));
    EXPECT_EQ(f.modules(), std::vector<std::string>{"ALPHA.dll"});
}

TEST(PeExportReader, ZeroDataDirectoriesFindOnlyEdata)
{
    PeSpec spec = specWith({"A"});
    spec.numberOfRvaAndSizes = 0;
    ExeFixture edata;
    edata.load("edata.dll", testing::buildPe(spec));
    EXPECT_EQ(edata.symbols(), seen({{"A", 1}}));

    spec.placement = ExportPlacement::RdataSection;
    ExeFixture rdata;
    const ExecutableLoad load = rdata.load("rdata.dll", testing::buildPe(spec));
    EXPECT_TRUE(rdata.rows().empty());
    EXPECT_TRUE(rdata.t.ui.messages.empty());
    EXPECT_EQ(load.outcome.ReadStatus, 0);
}

TEST(PeExportReader, DirectoryInsideAnotherSectionIsFoundThroughTheDataDirectory)
{
    PeSpec spec = specWith({"A", "B"});
    spec.placement = ExportPlacement::RdataSection;
    ExeFixture f;
    f.load("rdata.dll", testing::buildPe(spec));
    EXPECT_EQ(f.symbols(), seen({{"A", 1}, {"B", 2}}));
}

TEST(PeExportReader, DirectoryAtAnOffsetInsideEdataIsReadWhereTheDataDirectorySays)
{
    PeSpec spec = specWith({"A", "B"});
    spec.placement = ExportPlacement::EdataAtOffset;
    ExeFixture f;
    f.load("offset.dll", testing::buildPe(spec));
    EXPECT_EQ(f.modules(), std::vector<std::string>{"ALPHA.dll"});
    EXPECT_EQ(f.symbols(), seen({{"A", 1}, {"B", 2}}));
}

TEST(PeExportReader, NamesInAnotherSectionAreReadThroughTheirOwnSection)
{
    PeSpec spec = specWith({"A", "B", "C"});
    spec.placement = ExportPlacement::NamesInOtherSection;
    ExeFixture f;
    const ExecutableLoad load = f.load("split.dll", testing::buildPe(spec));
    EXPECT_EQ(load.outcome.ReadStatus, 0);
    EXPECT_EQ(f.modules(), std::vector<std::string>{"ALPHA.dll"});
    EXPECT_EQ(f.symbols(), seen({{"A", 1}, {"B", 2}, {"C", 3}}));
}

TEST(PeExportReader, Pe32PlusExportsAreReadWithoutEdata)
{
    for (const ExportPlacement placement :
         {ExportPlacement::RdataSection, ExportPlacement::EdataSection,
          ExportPlacement::NamesInOtherSection}) {
        PeSpec spec = specWith({"Sixty", "Four"});
        spec.pe32Plus = true;
        spec.placement = placement;
        ExeFixture f;
        f.load("wide.dll", testing::buildPe(spec));
        EXPECT_EQ(f.symbols(), seen({{"Sixty", 1}, {"Four", 2}}));
        ASSERT_FALSE(f.rows().empty());
        EXPECT_EQ(f.rows()[0].OS, kOs32);
    }
}

TEST(PeExportReader, DeltasWrappingAround32BitsConvertCorrectly)
{
    // Sections whose raw data lies above their RVA: VirtualAddress - PointerToRawData wraps.
    for (const ExportPlacement placement :
         {ExportPlacement::EdataSection, ExportPlacement::NamesInOtherSection}) {
        PeSpec spec = specWith({"Low", "Rva"});
        spec.firstSectionRva = 0x200;
        spec.placement = placement;
        ExeFixture f;
        f.load("low.dll", testing::buildPe(spec));
        EXPECT_EQ(f.symbols(), seen({{"Low", 1}, {"Rva", 2}}));
    }
}

/// The export names by the rule of one delta for every RVA of the directory (the directory's
/// section), and ".edata" read from its start: the reference the mended rule must agree with
/// wherever that rule works.
std::vector<std::pair<std::string, std::uint16_t>> namesBySingleDelta(const BuiltImage& image)
{
    std::vector<std::pair<std::string, std::uint16_t>> out;
    const std::vector<std::byte>& b = image.bytes;
    const io::ByteReader file(b);
    const std::uint64_t optional = image.optionalHeader;
    const std::uint16_t magic = *file.u16le(optional);
    const std::uint64_t countAt = optional + (magic == 0x20B ? 108 : 92);
    const std::uint32_t exportRva = *file.u32le(countAt) != 0 ? *file.u32le(countAt + 4) : 0;
    const std::uint16_t sections = *file.u16le(image.newHeader + 6);
    for (std::uint16_t s = 0; s < sections; ++s) {
        const std::uint64_t h = image.sectionTable + 40u * s;
        const std::string name = *file.cstring(h, 8);
        const std::uint32_t va = *file.u32le(h + 12);
        const std::uint32_t size = *file.u32le(h + 16);
        const std::uint32_t delta = va - *file.u32le(h + 20);
        std::uint32_t dir = 0;
        if (name == ".edata")
            dir = va;
        else if (va <= exportRva && exportRva < va + size)
            dir = exportRva;
        else
            continue;
        const auto at = [&](std::uint32_t rva) {
            return std::uint64_t{std::uint32_t(rva - delta)};
        };
        const std::uint64_t d = at(dir);
        const auto u32 = [&](std::uint64_t o) {
            return file.u32le(o).ok() ? *file.u32le(o) : 0xFFFFFFFFu;
        };
        const auto text = [&](std::uint64_t o) {
            return file.cstring(o, 254).ok() ? *file.cstring(o, 254) : std::string("<unreadable>");
        };
        out.emplace_back("module " + text(at(u32(d + 12))), 0);
        for (std::uint32_t i = 0; i < u32(d + 24) && i < 100; ++i) {
            const std::uint32_t nameRva = u32(at(u32(d + 32)) + 4 * i);
            const std::uint32_t index = u32(at(u32(d + 36)) + 2 * i) & 0xFFFF;
            out.emplace_back(text(at(nameRva)), static_cast<std::uint16_t>(u32(d + 16) + index));
        }
    }
    return out;
}

TEST(PeExportReader, MendedRvaRulesAgreeWithTheSingleDeltaRuleWhereverThatWorks)
{
    for (const bool plus : {false, true}) {
        for (const ExportPlacement placement :
             {ExportPlacement::EdataSection, ExportPlacement::RdataSection}) {
            for (const std::uint32_t firstRva : {0x1000u, 0x200u}) {
                PeSpec spec = specWith({"One", "Two", std::string(300, 'x'), "Four"});
                spec.pe32Plus = plus;
                spec.placement = placement;
                spec.firstSectionRva = firstRva;
                spec.ordinalBase = 7;
                const BuiltImage image = testing::buildPe(spec);
                if (!plus) {  // the single-delta rule reads PE32 data directories only
                    EXPECT_EQ(namesOf(image.bytes), namesBySingleDelta(image));
                }
                EXPECT_EQ(namesOf(image.bytes).size(), 5u);
            }
        }
    }
}

TEST(PeExportReader, SingleDeltaRuleFailsWhereTheMendedRuleReads)
{
    PeSpec spec = specWith({"One", "Two"});
    spec.placement = ExportPlacement::NamesInOtherSection;
    const BuiltImage split = testing::buildPe(spec);
    EXPECT_NE(namesOf(split.bytes), namesBySingleDelta(split));
    spec.placement = ExportPlacement::EdataAtOffset;
    const BuiltImage offset = testing::buildPe(spec);
    EXPECT_NE(namesOf(offset.bytes), namesBySingleDelta(offset));
}

TEST(PeExportReader, ExportRvaZeroMeansNoDirectoryEvenForASectionAtRvaZero)
{
    PeSpec spec = specWith({"A"});
    spec.placement = ExportPlacement::RdataSection;
    BuiltImage image = testing::buildPe(spec);
    image.putU32(image.optionalHeader + 96, 0);  // export RVA 0
    image.putU32(image.sectionTable + 12, 0);    // .text at RVA 0
    EXPECT_TRUE(readExecutable(image.bytes).tables.empty());
}

TEST(PeExportReader, SectionMapPicksTheFirstCoveringSectionInTableOrder)
{
    std::vector<PeSection> sections = {
        {"a", 0x2000, 0x1000, 0x400}, {"b", 0x1000, 0x3000, 0x800}, {"c", 0x5000, 0x100, 0x4000}};
    const PeSectionMap map(sections);
    EXPECT_EQ(map.deltaFor(0x1000, 7), sections[1].delta());
    EXPECT_EQ(map.deltaFor(0x2500, 7), sections[0].delta());
    EXPECT_EQ(map.deltaFor(0x3500, 7), sections[1].delta());
    EXPECT_EQ(map.deltaFor(0x4000, 7), 7u);
    EXPECT_EQ(map.deltaFor(0x50FF, 7), sections[2].delta());
    EXPECT_EQ(map.deltaFor(0x5100, 7), 7u);
    EXPECT_EQ(map.deltaFor(0, 7), 7u);
}

// ---- defects ----

TEST(PeExportReader, NumberOfNamesFarBeyondTheFileStopsAtItsEnd)
{
    BuiltImage image = testing::buildPe(specWith({"A", "B"}));
    image.putU32(image.exportDirectory + pe::kExportNumberOfNames, 0xFFFFFFFF);
    const ExecutableExports exports = readExecutable(image.bytes);
    ASSERT_EQ(exports.tables.size(), 1u);
    EXPECT_EQ(exports.tables[0].error.code, 33);
    EXPECT_GE(exports.tables[0].names.size(), 2u);
    EXPECT_EQ(exports.tables[0].names[0].name, "A");
}

TEST(PeExportReader, NamePointerOutsideTheFileStopsWithError33)
{
    BuiltImage image = testing::buildPe(specWith({"A", "B", "C"}));
    image.putU32(image.namePointers + 4, 0xFFFFFF00);
    ExeFixture f;
    const ExecutableLoad load = f.load("bad.dll", image);
    EXPECT_EQ(load.outcome.ReadStatus, 33);
    EXPECT_EQ(f.symbols(), seen({{"A", 1}}));
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_EQ(f.t.ui.messages[0].title, "CLARION QUILLON 32 - HEADER information not found!");
}

TEST(PeExportReader, FirstNameUnreadableLeavesNoEmptyModule)
{
    BuiltImage image = testing::buildPe(specWith({"A"}));
    image.putU32(image.namePointers, 0x7FFFFFFF);
    ExeFixture f;
    f.load("bad.dll", image);
    EXPECT_TRUE(f.rows().empty());
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_EQ(f.t.ui.messages[0].title, "CLARION QUILLON 32 - NOT a library file!");
    EXPECT_TRUE(f.outcome.rejected());
}

TEST(PeExportReader, NameWithoutTerminatorAtTheEndOfTheFileFails)
{
    BuiltImage image = testing::buildPe(specWith({"A", "B"}));
    // Move the second name to the last three bytes of the file, without its terminator.
    const std::uint64_t end = image.size();
    image.putBytes(end, "XYZ");
    image.putU32(image.namePointers + 4, image.u32(image.namePointers + 4) +
                                             static_cast<std::uint32_t>(end - image.names[1]));
    const ExecutableExports exports = readExecutable(image.bytes);
    ASSERT_EQ(exports.tables.size(), 1u);
    EXPECT_EQ(exports.tables[0].names.size(), 1u);
    EXPECT_EQ(exports.tables[0].error.code, 33);
}

TEST(PeExportReader, NameOf254BytesEndingTheFileNeedsNoTerminator)
{
    BuiltImage image = testing::buildPe(specWith({"A"}));
    const std::uint64_t end = image.size();
    image.putBytes(end, std::string(254, 'n'));
    image.putU32(image.namePointers,
                 image.u32(image.namePointers) + static_cast<std::uint32_t>(end - image.names[0]));
    const ExecutableExports exports = readExecutable(image.bytes);
    ASSERT_EQ(exports.tables.size(), 1u);
    ASSERT_EQ(exports.tables[0].names.size(), 1u);
    EXPECT_EQ(exports.tables[0].names[0].name, std::string(254, 'n'));
    EXPECT_EQ(exports.tables[0].error.code, 0);
}

TEST(PeExportReader, DirectoryRvaOutsideTheFileIsAnError)
{
    PeSpec spec = specWith({"A"});
    spec.placement = ExportPlacement::EdataAtOffset;
    BuiltImage image = testing::buildPe(spec);
    // The .edata section claims raw data far beyond the end of the file.
    image.putU32(image.sectionTable + 40 + 20, 0xFFFFF000);
    ExeFixture f;
    EXPECT_EQ(f.load("far.dll", image).outcome.ReadStatus, 33);
    EXPECT_TRUE(f.rows().empty());
}

TEST(PeExportReader, SectionTableRunningPastTheEndKeepsWhatWasRead)
{
    BuiltImage image = testing::buildPe(specWith({"A"}));
    image.putU16(image.newHeader + 6, 0xFFFF);
    const ExecutableExports exports = readExecutable(image.bytes);
    EXPECT_EQ(exports.error.code, 33);
    ASSERT_FALSE(exports.tables.empty());
    EXPECT_EQ(exports.tables[0].moduleName, "ALPHA.dll");
}

TEST(PeExportReader, OptionalHeaderCutShortIsError33)
{
    const BuiltImage image = testing::buildPe(specWith({"A"}));
    ExeFixture f;
    const ExecutableLoad load = f.load("cut.dll", image.cut(image.optionalHeader + 50));
    EXPECT_EQ(load.outcome.ReadStatus, 33);
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_EQ(f.t.ui.messages[0].title, "CLARION QUILLON 32 - HEADER information not found!");
}

TEST(PeExportReader, ManyEdataSectionsCannotMultiplyTheNames)
{
    BuiltImage image = testing::buildPe(specWith({"A", "B", "C"}));
    // Repeat the .edata header over a long section table pointing into the file itself.
    const std::uint64_t edata = image.sectionTable + 40;
    std::string header;
    for (int i = 0; i < 40; ++i)
        header.push_back(static_cast<char>(std::to_integer<unsigned char>(image.bytes[edata + i])));
    const std::uint64_t table = image.size();
    for (int i = 0; i < 5000; ++i)
        image.putBytes(table + 40u * i, header);
    image.putU16(image.newHeader + 6, 5000);
    image.putU16(image.newHeader + 20,
                 static_cast<std::uint16_t>(0));  // the optional header claims no size
    image.putU32(image.optionalHeader + 92, 0);
    // The section table now starts at the optional header; move it to the repeated headers.
    image.putU16(image.newHeader + 20, static_cast<std::uint16_t>(std::min<std::uint64_t>(
                                           table - image.optionalHeader, 0xFFFF)));
    std::size_t total = 0;
    for (const ExportTable& t : readExecutable(image.bytes).tables)
        total += t.names.size();
    EXPECT_LE(total, image.size() / 4);
}

TEST(PeExportReader, TruncatedAtEveryLengthNeverCrashes)
{
    for (const bool plus : {false, true}) {
        PeSpec spec = specWith({"One", "Two", "Three"});
        spec.pe32Plus = plus;
        spec.placement = ExportPlacement::NamesInOtherSection;
        const BuiltImage image = testing::buildPe(spec);
        const auto full = namesOf(image.bytes);
        for (std::size_t n = 0; n < image.size(); ++n) {
            const std::vector<std::byte> cut = image.cut(n);
            const ExecutableExports exports = readExecutable(cut);
            for (const ExportTable& table : exports.tables) {
                // What was read is a prefix of the whole; anything short of it has an error.
                ASSERT_LE(table.names.size(), 3u);
                for (std::size_t i = 0; i < table.names.size(); ++i)
                    ASSERT_EQ(std::string(table.names[i].name), full[i + 1].first) << n;
                if (table.names.size() < 3) {
                    ASSERT_NE(table.error.code + exports.error.code, 0) << n;
                }
            }
        }
        EXPECT_EQ(namesOf(image.cut(image.size())), full);
    }
}

// ---- the library side: duplicates, Escape, progress ----

TEST(PeExportReader, SecondCopyOfAModuleArrivesMarked)
{
    ExeFixture f;
    const BuiltImage image = testing::buildPe(specWith({"A", "B"}));
    const ExecutableLoad first = f.load("a.dll", image);
    postProcessLoad(f.t.ws, first.firstNewRow, LoadedFile{f.path, true, 0});
    const ExecutableLoad second = f.load("b.dll", image);
    ASSERT_EQ(f.rows().size(), 6u);
    for (std::size_t i = second.firstNewRow; i < 6; ++i)
        EXPECT_EQ(f.rows()[i].MARK, 1) << i;
    for (std::size_t i = 0; i < second.firstNewRow; ++i)
        EXPECT_EQ(f.rows()[i].MARK, 0) << i;
}

TEST(PeExportReader, EscapeRemovesEverythingTheCallAppended)
{
    ExeFixture f;
    f.load("keep.dll", testing::buildPeWithNames({"Keep"}, "KEEP.dll"));
    const LibraryList before = f.rows();
    f.t.clock.now += 10;  // past the interval of the first load's poll
    f.t.ui.keys.push_back(ui::PendingKey::Escape);
    const ExecutableLoad load = f.load("big.dll", testing::buildPe(specWith({"A", "B", "C"})));
    EXPECT_TRUE(load.cancelled);
    EXPECT_EQ(f.rows(), before);
    EXPECT_TRUE(f.t.ui.messages.empty());
    EXPECT_TRUE(f.t.ws.cancel.cancelled());
}

TEST(PeExportReader, F1PostponesThePollAndOtherKeysAreIgnored)
{
    ExeFixture f;
    f.t.ui.keys = {ui::PendingKey::F1, ui::PendingKey::Escape};
    f.load("a.dll", testing::buildPe(specWith({"A", "B", "C"})));
    EXPECT_EQ(f.rows().size(), 4u);  // the clock stands still: Escape is never looked at
    EXPECT_EQ(f.t.ui.keyPolls, 1);
}

TEST(PeExportReader, ProgressCountsSymbolsWhenTheStatusBarIsOn)
{
    ExeFixture f;
    f.t.ws.options.UseStatusBar = true;
    f.load("a.dll", testing::buildPe(specWith({"A", "B"})), true);
    EXPECT_EQ(f.t.ui.progressCaptions, std::vector<std::string>{"Loading..."});
    EXPECT_EQ(f.t.ui.progressTexts,
              (std::vector<std::string>{"1 symbols", "2 symbols", "2 symbols"}));
    EXPECT_EQ(f.t.ui.progressStarts, 1);
    EXPECT_EQ(f.t.ui.progressEnds, 1);
}

TEST(PeExportReader, ProgressStaysOffWhenNotAskedForOrWithoutStatusBar)
{
    const BuiltImage image = testing::buildPe(specWith({"A"}));
    ExeFixture noBar;
    noBar.load("a.dll", image, true);
    EXPECT_EQ(noBar.t.ui.progressStarts, 0);
    ExeFixture suppressed;
    suppressed.t.ws.options.UseStatusBar = true;
    suppressed.load("a.dll", image, false);
    EXPECT_EQ(suppressed.t.ui.progressStarts, 0);
    EXPECT_TRUE(suppressed.t.ui.progressTexts.empty());
}

// ---- the builder's images as an independent tool reads them ----

TEST(PeImageBuilder, IndependentToolReadsTheSameExports)
{
    if (!testing::readobjAvailable())
        GTEST_SKIP() << "llvm-readobj is not installed";
    testing::TempFolder folder;
    std::vector<std::string> files;
    std::vector<std::vector<testing::NamedExport>> expected;
    for (const bool plus : {false, true}) {
        for (const ExportPlacement placement :
             {ExportPlacement::EdataSection, ExportPlacement::EdataAtOffset,
              ExportPlacement::RdataSection, ExportPlacement::NamesInOtherSection}) {
            PeSpec spec;
            spec.pe32Plus = plus;
            spec.placement = placement;
            spec.ordinalBase = 5;
            spec.ordinalOnlyExports = 2;
            spec.exports = {{"Gamma", 2, {}}, {"Alpha", 0, {}}, {"Beta", 1, "OTHER.Beta"}};
            files.push_back(folder.write("img" + std::to_string(files.size()) + ".dll",
                                         testing::buildPe(spec).bytes));
            expected.push_back({{"Alpha", 5}, {"Beta", 6}, {"Gamma", 7}});
        }
    }
    const auto listed = testing::readobjExports(files);
    ASSERT_TRUE(listed.has_value());
    EXPECT_EQ(*listed, expected);
}

}  // namespace
}  // namespace quillon::exe
