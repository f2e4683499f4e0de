// The values of one comparison of a library module with a disk file: options, the rows of
// CompareList, the counters and the module's status.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/library_row.h"

namespace quillon::reports {

/// The options of section `Compare` that steer the matching.
struct CompareOptions {
    /// Letter case counts; when off names are compared in upper case and casing is not reported.
    bool UseMatchCase = true;
    /// Ordinals are not compared at all.
    bool UseIgnoreOrdinals = false;
    /// Decorated names ("_Name@8", "@Name@8", "_Name") are also paired by their undecorated core.
    bool UseHeavyMangling = true;
    /// "Partial match": module names that differ in letter case or extension are the same module.
    bool partialMatch = false;

    friend bool operator==(const CompareOptions&, const CompareOptions&) = default;
};

/// What a row tells of one function, as a set of bits (several may hold at once).
enum ChangeBits : std::uint32_t {
    kUnchanged = 1u << 0,
    kNameCasing = 1u << 1,
    kOrdinalChanged = 1u << 2,
    kNameChanged = 1u << 3,
    kMissingInLibrary = 1u << 4,
    kDuplicateInDisk = 1u << 5,
    kMissingOnDisk = 1u << 6,
    kDuplicateInLibrary = 1u << 7,
    kModuleCasing = 1u << 8,
    kModuleChanged = 1u << 9,
};

/// How a cell of the list is coloured: as usual, as a casing difference, or as a real change.
enum class CellChange : std::uint8_t { None, Casing, Changed };

/// The columns of CompareList that carry colours.
enum CompareColumn : std::size_t { kColumnModule, kColumnSymbol, kColumnOrdinal, kColumnComment };

/// One row of `CompareList`: a disk function, or a library function missing on disk.
struct CompareRow {
    ModuleName MODULENAME;
    std::string SYMBOL;
    std::uint16_t ORDINAL = 0;
    std::string COMMENT;
    /// The running number: disk functions 1, 2, ... in file order, then the missing ones.
    std::uint32_t UNSORTED = 0;
    /// The pass that paired the row (1 to 5), or 6 and 7 for the rows left unpaired.
    std::uint8_t MARK = 0;
    std::uint32_t changes = 0;
    std::array<CellChange, 4> cells{};
    /// A disk function's partner: 1 + the position of the library function it was paired
    /// with, 0 when it was left unpaired (and on the rows of library functions).
    std::uint32_t pairedWith = 0;

    friend bool operator==(const CompareRow&, const CompareRow&) = default;
};

using CompareList = std::vector<CompareRow>;

/// The counters of one comparison.
struct CompareCounts {
    int moduleCasing = 0;
    int moduleOther = 0;
    int functionCasing = 0;
    int functionOther = 0;
    int ordinalsChanged = 0;
    int libraryFunctions = 0;
    int diskFunctions = 0;
    int missingOnDisk = 0;
    int missingInLibrary = 0;
    int libraryDuplicates = 0;
    int diskDuplicates = 0;

    friend bool operator==(const CompareCounts&, const CompareCounts&) = default;
};

/// The module's status: the long text of the report and the short text of the lists.
struct CompareStatus {
    std::string longText;
    std::string shortText;

    friend bool operator==(const CompareStatus&, const CompareStatus&) = default;
};

/// How a comparison ended.
enum class CompareEnd {
    Compared,        // the passes ran; rows, counts and status hold the result
    FileNotFound,    // the disk file is not there
    NoExports,       // the disk file has no exported functions (or no records, for a LIB file)
    ModuleNotFound,  // the module is not in the disk file (LIB search), or the question got No
    ReadError,       // the disk file could not be read
    Cancelled,       // Escape during the passes
};

/// The whole result of one comparison, with the fields the report is made of.
struct CompareResult {
    CompareEnd end = CompareEnd::Compared;
    CompareStatus status;
    CompareList rows;
    CompareCounts counts;
    CompareOptions options;
    std::string moduleName;      // the library's module name
    std::string diskModuleName;  // the module name found in the disk file
    std::string diskFile;
    std::string loadedFrom;   // `FILENAME` of the module (empty when not loaded from a file)
    std::string locatedFile;  // `FILENAMEDLL` of the module
    /// The three status texts the comparison left (panes 1 to 3).
    std::array<std::string, 3> statusTexts;
    /// The posted error of a read failure.
    int errorCode = 0;
    std::string errorText;

    [[nodiscard]] bool compared() const { return end == CompareEnd::Compared; }
};

}  // namespace quillon::reports
