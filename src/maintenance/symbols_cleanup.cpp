// The symbols cleanup run and its report.
#include "maintenance/symbols_cleanup.h"

#include <vector>

#include "core/library_model.h"
#include "core/progress_indicator.h"
#include "maintenance/exclusion_list.h"
#include "maintenance/global_duplicates.h"
#include "maintenance/maintenance_common.h"
#include "maintenance/maintenance_status.h"
#include "maintenance/remove_marked_symbols.h"
#include "settings/flag_setting.h"
#include "settings/settings_store.h"

namespace quillon::maintenance {

namespace {
constexpr std::string_view kSection = "Cleanup";
}

SymbolsCleanupChoices loadSymbolsCleanupChoices(Workspace& ws)
{
    settings::SettingsStore& store = ws.settings();
    const settings::SettingsStore::Batch batch(store);
    SymbolsCleanupChoices c;
    c.CheckExl = settings::readFlag(store, kSection, "CheckExl", false);
    c.CheckDub = settings::readFlag(store, kSection, "CheckDub", false);
    c.Cleanup = settings::readFlag(store, kSection, "Cleanup", false);
    c.ShowReport = settings::readFlag(store, kSection, "ShowReport", false);
    return c;
}

void saveSymbolsCleanupChoices(Workspace& ws, const SymbolsCleanupChoices& c)
{
    settings::SettingsStore& store = ws.settings();
    const settings::SettingsStore::Batch batch(store);
    settings::writeFlag(store, kSection, "CheckExl", c.CheckExl);
    settings::writeFlag(store, kSection, "CheckDub", c.CheckDub);
    settings::writeFlag(store, kSection, "Cleanup", c.Cleanup);
    settings::writeFlag(store, kSection, "ShowReport", c.ShowReport);
}

SymbolsCleanupResult runSymbolsCleanup(Workspace& ws, const SymbolsCleanupChoices& choices)
{
    saveSymbolsCleanupChoices(ws, choices);
    SymbolsCleanupResult result;
    SymbolsCleanupCounts& c = result.counts;
    c.locateExcludes = choices.CheckExl;
    c.locateDuplicates = choices.CheckDub;
    c.remove = choices.Cleanup;
    result.anyAction = choices.CheckExl || choices.CheckDub || choices.Cleanup;
    result.showReport = choices.ShowReport;
    const std::int64_t start = ws.clock().hundredths();
    const std::uint32_t modulesBefore = ws.library.ModuleCount;
    std::string& comment = result.comment;
    ui::UiInterface& ui = ws.ui();
    const bool statusBar = ws.options.UseStatusBar;

    if (!result.anyAction) {
        comment = std::string(kCommentNoneChecked);
    } else {
        if (choices.ShowReport)
            ui.setWaitCursor(true);
        if (choices.CheckExl) {
            c.excludes = markExcludedSymbols(ws);
            if (choices.ShowReport)
                comment = std::string(kCommentOnlyExcludes);
        }
        if (choices.CheckDub) {
            ProgressIndicator progress(ui, statusBar);
            const DuplicateSearch search = findGlobalDuplicates(ws, &progress);
            showDuplicateSearch(ui, statusBar, search);
            c.duplicates = search.marked;
            c.duplicatesSwitchedOff = !ws.duplicateMode.enabled;
            if (choices.ShowReport)
                comment = std::string(comment.empty() ? kCommentOnlyDuplicates : kCommentBoth);
        }
        if (choices.Cleanup) {
            ProgressIndicator progress(ui, statusBar);
            const SymbolRemoval removal = removeMarkedSymbols(ws, &progress);
            showSymbolRemoval(ui, statusBar, removal);
            c.removed = removal.removed;
            if (!choices.CheckExl && !choices.CheckDub)
                comment = std::string(kCommentOnlyCleanup);
        }
        refreshIcons(ws);
        if (choices.ShowReport)
            ui.setWaitCursor(false);
    }
    if (ws.library.empty())
        comment = std::string(kCommentNoData);
    c.modulesRemoved =
        modulesBefore > ws.library.ModuleCount ? modulesBefore - ws.library.ModuleCount : 0;
    result.symbolsLeft = ws.library.SymbolCount;
    result.empty = ws.library.empty();
    result.elapsed = ws.clock().hundredths() - start;
    return result;
}

void renewSymbolMarks(Workspace& ws)
{
    LibraryList& rows = ws.library.rows;
    std::vector<std::uint8_t> hooks(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        hooks[i] = rows[i].MARK;
    (void)markExcludedSymbols(ws);
    (void)findGlobalDuplicates(ws);
    // Both passes only change marks, never the rows themselves.
    for (std::size_t i = 0; i < rows.size() && i < hooks.size(); ++i)
        rows[i].MARK = hooks[i];
    refreshIcons(ws);
}

std::uint32_t removeMarkedSymbolsForSave(Workspace& ws)
{
    if (!ws.options.UseExcludeList)
        return 0;
    renewSymbolMarks(ws);
    // Quietly: only the step's name in the second pane while it runs, and an empty first pane
    // after it.
    if (!ws.library.empty())
        showStatus(ws, 2, kSymbolsCleanup);
    const SymbolRemoval removal = removeMarkedSymbols(ws);
    if (removal.ran)
        showStatus(ws, 1, "");
    return removal.removed;
}

}  // namespace quillon::maintenance
