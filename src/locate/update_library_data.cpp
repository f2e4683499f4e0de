// The whole-library refresh and locate pass.
#include "locate/update_library_data.h"

#include <string>

#include "core/library_model.h"
#include "core/progress_indicator.h"
#include "core/workspace.h"
#include "locate/candidate_check.h"
#include "locate/locate_messages.h"
#include "locate/locate_module.h"
#include "locate/path_parts.h"
#include "maintenance/symbols_cleanup.h"

namespace quillon::locate {

namespace {

/// Gives every symbol row its module's `OS` and recounts the symbols.
void copyModuleData(Library& library)
{
    std::uint8_t os = kOsUnknown;
    std::uint32_t symbols = 0;
    for (LibraryRow& row : library.rows) {
        if (row.isModule()) {
            os = row.OS;
        } else {
            row.OS = os;
            ++symbols;
        }
    }
    library.SymbolCount = symbols;
}

/// Removes module rows that no symbol row follows, in one sweep. Returns how many went.
std::size_t removeEmptyModules(Library& library)
{
    LibraryList& rows = library.rows;
    std::size_t kept = 0;
    std::size_t removed = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool emptyModule =
            rows[i].isModule() && (i + 1 == rows.size() || !rows[i + 1].isSymbol());
        if (emptyModule) {
            ++removed;
            continue;
        }
        if (kept != i)
            rows[kept] = std::move(rows[i]);
        ++kept;
    }
    rows.resize(kept);
    return removed;
}

std::string moduleNameOf(const LibraryRow& row)
{
    const std::string_view symbol = trimBlanks(row.SYMBOL);
    return std::string(symbol.empty() ? row.MODULENAME.view() : symbol);
}

void refresh(Workspace& ws)
{
    copyModuleData(ws.library);
    rebuildModuleTable(ws);
    refreshIcons(ws);
}

}  // namespace

UpdateSummary locateLibraryModules(Workspace& ws, ProgressIndicator& progress, bool SilentMode)
{
    UpdateSummary summary;
    Library& library = ws.library;
    rebuildModuleTable(ws);
    const std::size_t total = library.ModuleCount;
    summary.modules = total;

    LocateState& state = locate::state(ws);
    const LocatePassScope pass(ws);
    prepareSearch(ws);
    const bool verify = state.derived->verifyHeaders;
    ws.cancel.clear();

    progress.start(kLocatingText, total);
    std::size_t moduleIndex = 0;
    LibraryList& rows = library.rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].isModule())
            continue;
        if (ws.cancel.poll()) {
            summary.cancelled = true;
            progress.status(1, kCancelledText);
            break;
        }
        const std::string name = moduleNameOf(rows[i]);
        Candidate recorded;
        if (isAbsolutePath(rows[i].fileNameDll()) && ws.files().isFile(rows[i].fileNameDll())) {
            progress.status(2, kVerifyingText);
            recorded = testCandidatePath(ws.files(), state.folders, rows[i].fileNameDll(), verify,
                                         state.headerTest);
        }
        std::string path;
        std::uint8_t os = kOsUnknown;
        if (recorded.accepted) {
            path = ws.files().fullPath(recorded.path);
            os = recorded.os;
        } else {
            progress.status(2, kLocatingText);
            LocateRequest request;
            request.moduleName = name;
            request.moduleData = ModuleData{rows[i].fileNameDll(), rows[i].fileName()};
            request.quiet = true;
            request.SilentMode = SilentMode;
            const LocateOutcome outcome = LocateModuleFile(ws, request);
            path = outcome.result;
            os = outcome.os;
            recorded.accepted = outcome.found;
        }
        ++summary.checked;
        if (recorded.accepted)
            ++summary.located;

        rows[i].setFileNameDll(path);
        rows[i].OS = os;
        std::size_t end = i + 1;
        for (; end < rows.size() && rows[end].isSymbol(); ++end)
            rows[end].OS = os;
        if (moduleIndex < library.modules.size()) {
            ModuleEntry& entry = library.modules[moduleIndex];
            entry.FILENAMEDLL = path;
            entry.OS = os;
        }
        refreshIcons(ws, i, i + 1);
        ++moduleIndex;
        progress.stepText(moduleIndex, upperAscii(name) + "...");
        // The window stays responsive while each module is searched for.
        ws.ui().processEvents();
    }
    progress.end();

    progress.status(3, kAbortingText);
    summary.emptyRemoved = removeEmptyModules(library);
    if (summary.emptyRemoved > 0) {
        library.LibraryChanged = !library.rows.empty();
        progress.status(3, emptyModulesAbortedText(summary.emptyRemoved));
    }
    refresh(ws);
    maintenance::renewSymbolMarks(ws);
    refreshIcons(ws);
    return summary;
}

void showLocateSummary(ui::UiInterface& ui, bool statusBar, const UpdateSummary& summary)
{
    if (!statusBar)
        return;
    ui.status(1, locateSummaryText(summary.located, summary.modules));
    ui.status(2, kFilesLocatedText);
    ui.status(3, locateEndText(summary.located, summary.checked, summary.cancelled));
}

UpdateSummary UpdateLibraryData(Workspace& ws, int mode, bool SilentMode)
{
    if (mode == kUpdateRefresh) {
        if (ws.options.UseStatusBar)
            ws.ui().status(1, kUpdatingText);
        refresh(ws);
        UpdateSummary summary;
        summary.checked = ws.library.ModuleCount;
        return summary;
    }
    if (mode != kUpdateLocate)
        return {};
    if (ws.library.empty()) {
        refresh(ws);
        return {};
    }
    ui::UiInterface& ui = ws.ui();
    const bool statusBar = ws.options.UseStatusBar;
    ui.setWaitCursor(true);
    UpdateSummary summary;
    {
        ProgressIndicator progress(ui, statusBar);
        summary = locateLibraryModules(ws, progress, SilentMode);
    }
    showLocateSummary(ui, statusBar, summary);
    ui.setWaitCursor(false);
    return summary;
}

}  // namespace quillon::locate
