// The texts of the comparison: row markers, pass and status-bar texts, module statuses.
#pragma once

#include <string_view>

namespace quillon::reports {

inline constexpr std::string_view kMarkModuleCasing = "<Module name casing>";
inline constexpr std::string_view kMarkModuleChanged = "<Module name changed>";
inline constexpr std::string_view kMarkUnchanged = "<Unchanged>";
inline constexpr std::string_view kMarkNameCasing = "<Function name casing>";
inline constexpr std::string_view kMarkOrdinalChangedFrom = "<Ordinal changed from ";
inline constexpr std::string_view kMarkNameChangedFrom = "<Function name changed from ";
inline constexpr std::string_view kMarkMissingInLibrary = "<Missing in library>";
inline constexpr std::string_view kMarkDuplicateInDisk = "<Duplicate in disk file>";
inline constexpr std::string_view kMarkMissingOnDisk = "<Missing in disk file>";
inline constexpr std::string_view kMarkDuplicateInLibrary = "<Duplicate in library>";

inline constexpr std::string_view kInitializingText = "Initializing...";
inline constexpr std::string_view kComparingText = "Comparing...";
inline constexpr std::string_view kVerifyingModuleText = "Verifying module...";
inline constexpr std::string_view kModuleNotVerifiedText = "Module not verified";
inline constexpr std::string_view kPassUnchangedCasingText =
    "Detecting: Unchanged and Name Casing...";
inline constexpr std::string_view kPassUnchangedText = "Detecting: Unchanged...";
inline constexpr std::string_view kPassOrdinalText = "Detecting: Ordinal Numbering...";
inline constexpr std::string_view kPassOrdinalCasingText =
    "Detecting: Ordinal Numbering and Name Casing...";
inline constexpr std::string_view kPassNameText = "Detecting: Name Changes...";
inline constexpr std::string_view kPassOrdinalNameText =
    "Detecting: Ordinal Numbering and Name Changes...";
inline constexpr std::string_view kPassMissingLibraryText = "Detecting: Missing in Library...";
inline constexpr std::string_view kPassMissingDiskText = "Detecting: Missing in Disk File...";
inline constexpr std::string_view kCompletingText = "Completing...";
inline constexpr std::string_view kCompareResultText = "Compare result: ";
inline constexpr std::string_view kCancelledText = "Cancelled";
inline constexpr std::string_view kFileWasNotFoundText = "File was not found!";
inline constexpr std::string_view kNoExportsFoundText = "No exported functions was found in file!";

// Statuses (long texts; the short ones where they differ).
inline constexpr std::string_view kStatusNoChanges = "No changes";
inline constexpr std::string_view kStatusDuplicateEntries = "Duplicate entries";
inline constexpr std::string_view kStatusDuplicatesShort = "Duplicates";
inline constexpr std::string_view kStatusMinorChanges = "Minor changes";
inline constexpr std::string_view kStatusWrongModule = "Wrong module";
inline constexpr std::string_view kStatusNoneFound = "None found in disk file";
inline constexpr std::string_view kStatusAllMissing = "All missing in library";
inline constexpr std::string_view kStatusMissingOnDisk = "Missing symbols in disk file";
inline constexpr std::string_view kStatusMissingInLibrary = "Missing symbols in library";
inline constexpr std::string_view kStatusMissingShort = "Missing symbols";
inline constexpr std::string_view kStatusModuleChanged = "Module changed";
inline constexpr std::string_view kStatusFileNotFound = "File not found";
inline constexpr std::string_view kStatusNoExports = "No exports found";
inline constexpr std::string_view kStatusModuleNotFound = "Module not found";
inline constexpr std::string_view kStatusNoRecords = "No records found in file...";
inline constexpr std::string_view kStatusModuleNotInFile = "Module not found in file...";
inline constexpr std::string_view kStatusReadError = "Read error...";
inline constexpr std::string_view kStatusMemoryError = "Memory error...";

}  // namespace quillon::reports
