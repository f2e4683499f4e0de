// The texts of library maintenance: status texts, comments, summaries, questions and reports.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/ui/ui_interface.h"

namespace quillon::maintenance {

// Status texts shared by the cleanups.
inline constexpr std::string_view kReadingData = "Reading data...";
inline constexpr std::string_view kProcessing = "Processing...";
inline constexpr std::string_view kDone = "Done";
inline constexpr std::string_view kCleanupDone = "Cleanup done";
inline constexpr std::string_view kCleanup = "Cleanup...";
inline constexpr std::string_view kSymbolsCleanup = "Symbols cleanup...";
inline constexpr std::string_view kNoSymbols = "No symbols!";
inline constexpr std::string_view kDuplicatesUnit = " dublicates";
inline constexpr std::string_view kSymbolsUnit = " symbols";
inline constexpr std::string_view kModulesUnit = " modules";

/// The value `SavedLibName` takes after a search that found no saved LIB file: it never equals
/// a file name, so the next search in a "Match saved LIB" mode reads the file again.
inline constexpr std::string_view kUnlikelyLibName = "A very unlikely name for your library";

/// `count` followed by " " and `noun`, with "s" when the count is greater than 1.
[[nodiscard]] std::string countNoun(std::uint64_t count, std::string_view noun);

// Global duplicate search and removal of marked symbols.
/// "N globally duplicated symbol(s) found" or "No globally duplicated symbols found".
[[nodiscard]] std::string duplicatesFoundText(std::uint32_t count);
/// The status text when the options switch the duplicate search off: nothing was searched,
/// which is not the same as nothing found.
inline constexpr std::string_view kDuplicatesNotChecked =
    "Duplicates not checked: switch on \"Activate symbols cleanup operations\" and "
    "\"Exclude globally duplicated symbols\" in the LIB-file options";
/// "N symbol(s) removed" or "No symbols removed".
[[nodiscard]] std::string symbolsRemovedText(std::uint32_t count);

// Symbols cleanup run.
inline constexpr std::string_view kCommentNoneChecked = "None checked!|";
inline constexpr std::string_view kCommentOnlyExcludes = "Only exclude symbols checked|";
inline constexpr std::string_view kCommentBoth = "Both exclude and duplicate symbols checked|";
inline constexpr std::string_view kCommentOnlyDuplicates = "Only duplicates symbols checked|";
inline constexpr std::string_view kCommentOnlyCleanup = "Only cleanup|";
inline constexpr std::string_view kCommentNoData = "No data!|";
inline constexpr std::string_view kSymbolsCleanupTitle = "Symbols Cleanup";
// The "Symbols Cleanup" dialog (window "P420$OPTWIN").
inline constexpr std::string_view kBoxLocateExcludes = "Locate exclude symbols";
inline constexpr std::string_view kBoxLocateDuplicates = "Locate duplicate symbols";
inline constexpr std::string_view kBoxRemoveMarked =
    "Remove all exclude/duplicate symbols (Ctrl+F10)";
inline constexpr std::string_view kBoxShowReport = "Show report";
inline constexpr std::string_view kButtonCleanupOptions = "Cleanup options...";
inline constexpr std::string_view kButtonStartSymbolsCleanup = "Start symbols cleanup";

/// What the symbols cleanup ran and found, for its summary and report.
struct SymbolsCleanupCounts {
    bool locateExcludes = false;
    bool locateDuplicates = false;
    bool remove = false;
    std::uint32_t excludes = 0;
    std::uint32_t duplicates = 0;
    std::uint32_t removed = 0;
    std::uint32_t modulesRemoved = 0;
    /// The duplicate search was asked for but the options switch it off.
    bool duplicatesSwitchedOff = false;
};
/// The first-pane summary of the symbols cleanup; empty when no action box was checked.
[[nodiscard]] std::string symbolsCleanupSummary(const SymbolsCleanupCounts& counts);
/// The "Symbols Cleanup" report box.
[[nodiscard]] ui::MessageBox symbolsCleanupReport(const SymbolsCleanupCounts& counts,
                                                  std::string_view comment,
                                                  std::string_view duration);

// Duplicate modules.
inline constexpr std::string_view kDuplicateTitle = "CLARION QUILLON 32 - Duplicate!";
inline constexpr std::string_view kButtonsYesNo = "&Yes|&No";
inline constexpr std::string_view kButtonsYesNoAll = "&Yes|&No|A&bort all|K&eep all";
inline constexpr std::string_view kLoadingAborted = "Loading of module aborted!";
inline constexpr std::string_view kDuplicateModulesAborted = "Duplicate modules aborted!";
inline constexpr std::string_view kDuplicateModuleAborted = "Duplicate module aborted!";
inline constexpr std::string_view kDuplicateModuleRemoved = "Duplicate module removed!";

/// The question asked for a duplicate module while a file is added ("Abort loading of this
/// module?") or after a multi-file add ("Remove this module?").
[[nodiscard]] ui::MessageBox duplicateQuestion(std::string_view moduleName,
                                               std::string_view fileName, bool afterAdd,
                                               bool allButtons);
/// "N duplicate module(s) removed" or "No duplicate modules found".
[[nodiscard]] std::string duplicateModulesRemovedText(std::uint32_t count);

// Inconsistent modules.
/// The first-pane summary of `RemoveInconsistentModules`; `bits` is "16" or "32".
[[nodiscard]] std::string inconsistentSummary(std::uint32_t inconsistent, std::uint32_t unlocated,
                                              std::uint32_t duplicates, std::string_view bits);
/// The third-pane text for a module being removed: "Kernel32...".
[[nodiscard]] std::string removingModuleText(std::string_view moduleName);

// Modules cleanup run.
inline constexpr std::string_view kModulesCleanupTitle = "Modules Cleanup";
// The "Modules Cleanup" dialog (window "P419$OPTWIN").
inline constexpr std::string_view kBoxRemoveInconsistent = "Remove bit inconsistent modules";
inline constexpr std::string_view kBoxRemoveUnlocated = "Remove unlocated modules";
inline constexpr std::string_view kBoxRemoveDuplicateModules = "Remove duplicate modules";
inline constexpr std::string_view kButtonAutolocateOptions = "A&utolocate options...";

/// What the modules cleanup ran and found, for its comment and report.
struct ModulesCleanupCounts {
    bool bit = false;
    bool unlocated = false;
    bool duplicates = false;
    std::uint32_t inconsistentRemoved = 0;
    std::uint32_t unlocatedRemoved = 0;
    std::uint32_t duplicatesRemoved = 0;
    std::uint32_t total = 0;
};
/// The comment of the modules cleanup for the boxes checked ("Only dublicates checked|").
[[nodiscard]] std::string modulesCleanupComment(bool bit, bool unlocated, bool duplicates);
inline constexpr std::string_view kCommentNoAction = "No action checked!|";
/// The "Modules Cleanup" report box.
[[nodiscard]] ui::MessageBox modulesCleanupReport(const ModulesCleanupCounts& counts,
                                                  std::string_view comment,
                                                  std::string_view duration);
/// The label of the first box of the modules cleanup: "Remove 32-bit modules " for a 16-bit
/// library, "Remove 16-bit modules " for a 32-bit one, else `defaultLabel`.
[[nodiscard]] std::string bitBoxLabel(int useBitCheckSet, std::string_view defaultLabel);

// Exclusion list entry dialog.
inline constexpr std::string_view kExcludeAddCaption = "Add new symbol name";
inline constexpr std::string_view kExcludeAddPrompt = "Enter a new symbol to be excluded:";
inline constexpr std::string_view kExcludeEditCaption = "Edit symbol name";
inline constexpr std::string_view kExcludeEditPrompt = "Edit the symbol to be excluded:";
inline constexpr std::string_view kExcludeFieldPrompt = "Symbol name:";
inline constexpr std::string_view kExcludeCheckBox = "Activate automatic exclusion for this symbol";

}  // namespace quillon::maintenance
