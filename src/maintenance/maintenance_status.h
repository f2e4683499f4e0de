// The showing of maintenance results: one function per kind of result writes its status texts
// and report box through the front end, so that both programs show them alike.
#pragma once

#include "core/ui/ui_interface.h"
#include "maintenance/duplicate_modules.h"
#include "maintenance/global_duplicates.h"
#include "maintenance/inconsistent_modules.h"
#include "maintenance/modules_cleanup.h"
#include "maintenance/remove_marked_symbols.h"
#include "maintenance/symbols_cleanup.h"

namespace quillon::maintenance {

// Each function writes the status panes only with `statusBar` (the "UseStatusBar" option) and
// shows nothing for an operation that did not run.

/// After `RemoveMarkedSymbols`: "N symbols removed", "Cleanup done" and the symbols left, or
/// "No symbols!" when the library is now empty.
void showSymbolRemoval(ui::UiInterface& ui, bool statusBar, const SymbolRemoval& removal);

/// After `FindGlobalDuplicates`: "N globally duplicated symbols found" and "Done", or that the
/// options switch the search off; the third pane is cleared.
void showDuplicateSearch(ui::UiInterface& ui, bool statusBar, const DuplicateSearch& search);

/// After a standalone `RemoveDuplicateModules`: "N duplicate modules removed" (or "No
/// duplicate modules found") and "Cleanup done".
void showDuplicateModuleRemoval(ui::UiInterface& ui, bool statusBar,
                                const DuplicateModuleRemoval& removal);

/// After `RemoveInconsistentModules`: what went, by reason, and "Cleanup done".
void showInconsistentRemoval(ui::UiInterface& ui, bool statusBar,
                             const InconsistentRemoval& removal);

/// After the symbols cleanup, with "Show report": its summary and the symbols left in the
/// status bar, then the "Symbols Cleanup" report.
void showSymbolsCleanup(ui::UiInterface& ui, bool statusBar, const SymbolsCleanupResult& result);

/// After the modules cleanup, with "Show report": the "Modules Cleanup" report.
void showModulesCleanup(ui::UiInterface& ui, const ModulesCleanupResult& result);

}  // namespace quillon::maintenance
