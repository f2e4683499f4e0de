// The symbols cleanup: marking excluded and duplicate symbols, removing them, and the report.
#pragma once

#include <cstdint>
#include <string>

#include "core/workspace.h"
#include "maintenance/maintenance_messages.h"

namespace quillon::maintenance {

/// The four boxes of the "Symbols Cleanup" dialog, stored in section "Cleanup".
struct SymbolsCleanupChoices {
    bool CheckExl = false;    // "Locate exclude symbols"
    bool CheckDub = false;    // "Locate duplicate symbols"
    bool Cleanup = false;     // "Remove all exclude/duplicate symbols (Ctrl+F10)"
    bool ShowReport = false;  // "Show report"

    friend bool operator==(const SymbolsCleanupChoices&, const SymbolsCleanupChoices&) = default;
};

[[nodiscard]] SymbolsCleanupChoices loadSymbolsCleanupChoices(Workspace& ws);
void saveSymbolsCleanupChoices(Workspace& ws, const SymbolsCleanupChoices& choices);

/// What one symbols cleanup did.
struct SymbolsCleanupResult {
    SymbolsCleanupCounts counts;
    std::string comment;
    /// A box of an action ("Locate...", "Remove...") was checked.
    bool anyAction = false;
    /// "Show report" was checked.
    bool showReport = false;
    /// `SymbolCount` afterwards, and whether the library is empty.
    std::uint32_t symbolsLeft = 0;
    bool empty = false;
    /// The run's time in hundredths of a second.
    std::int64_t elapsed = 0;

    /// The excluded plus duplicated symbols found.
    [[nodiscard]] std::uint32_t found() const { return counts.excludes + counts.duplicates; }
};

/// "Start symbols cleanup": stores the boxes, marks excluded symbols, searches duplicates and
/// removes the marked symbols as the boxes ask, showing each step's progress and result. The
/// run's summary and report are for the caller to show (`showSymbolsCleanup`).
[[nodiscard]] SymbolsCleanupResult runSymbolsCleanup(Workspace& ws,
                                                     const SymbolsCleanupChoices& choices);

/// Brings the marks up to date when the main list is rebuilt: `MarkExcludedSymbols` over the
/// whole library, then `FindGlobalDuplicates` quietly. The hooks (`MARK`) stay as they were:
/// a duplicate module added without a question keeps the mark that shows it to the user.
void renewSymbolMarks(Workspace& ws);

/// The symbol removal of a save and of the command-line creation: with "UseExcludeList" on,
/// the marks are brought up to date (`renewSymbolMarks`) and `RemoveMarkedSymbols` runs
/// quietly. Returns the number of symbol rows deleted.
std::uint32_t removeMarkedSymbolsForSave(Workspace& ws);

}  // namespace quillon::maintenance
