// The symbols cleanup run and its report.
#include "maintenance/symbols_cleanup.h"

#include <vector>

#include "base/duration_text.h"
#include "core/library_model.h"
#include "maintenance/exclusion_list.h"
#include "maintenance/global_duplicates.h"
#include "maintenance/maintenance_common.h"
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

std::uint32_t runSymbolsCleanup(Workspace& ws, const SymbolsCleanupChoices& choices,
                                SymbolsCleanupResult* out)
{
    saveSymbolsCleanupChoices(ws, choices);
    SymbolsCleanupResult result;
    SymbolsCleanupCounts& c = result.counts;
    c.locateExcludes = choices.CheckExl;
    c.locateDuplicates = choices.CheckDub;
    c.remove = choices.Cleanup;
    const bool anyAction = choices.CheckExl || choices.CheckDub || choices.Cleanup;
    const std::int64_t start = ws.clock().hundredths();
    const std::uint32_t modulesBefore = ws.library.ModuleCount;
    std::string& comment = result.comment;

    if (!anyAction) {
        comment = std::string(kCommentNoneChecked);
    } else {
        if (choices.ShowReport)
            ws.ui().setWaitCursor(true);
        if (choices.CheckExl) {
            c.excludes = markExcludedSymbols(ws);
            if (choices.ShowReport)
                comment = std::string(kCommentOnlyExcludes);
        }
        if (choices.CheckDub) {
            c.duplicates = findGlobalDuplicates(ws, true);
            c.duplicatesSwitchedOff = !ws.duplicateMode.enabled;
            if (choices.ShowReport)
                comment = std::string(comment.empty() ? kCommentOnlyDuplicates : kCommentBoth);
        }
        if (choices.Cleanup) {
            c.removed = removeMarkedSymbols(ws, true, false);
            if (!choices.CheckExl && !choices.CheckDub)
                comment = std::string(kCommentOnlyCleanup);
        }
        refreshIcons(ws);
        if (choices.ShowReport)
            ws.ui().setWaitCursor(false);
    }
    if (ws.library.empty())
        comment = std::string(kCommentNoData);
    c.modulesRemoved =
        modulesBefore > ws.library.ModuleCount ? modulesBefore - ws.library.ModuleCount : 0;

    if (choices.ShowReport) {
        const std::string summary = symbolsCleanupSummary(c);
        if (!summary.empty())
            showStatus(ws, 1, summary);
        if (anyAction) {
            showStatus(ws, 2, kCleanupDone);
            showStatus(ws, 3,
                       ws.library.empty() ? std::string(kNoSymbols)
                                          : countNoun(ws.library.SymbolCount, "symbol"));
        }
        const std::string duration = durationText(ws.clock().hundredths() - start);
        ws.ui().message(symbolsCleanupReport(c, comment, duration));
    }
    const std::uint32_t found = c.excludes + c.duplicates;
    if (out != nullptr)
        *out = std::move(result);
    return found;
}

void renewSymbolMarks(Workspace& ws)
{
    LibraryList& rows = ws.library.rows;
    std::vector<std::uint8_t> hooks(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        hooks[i] = rows[i].MARK;
    (void)markExcludedSymbols(ws);
    (void)findGlobalDuplicates(ws, false);
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
    return removeMarkedSymbols(ws, false, true);
}

}  // namespace quillon::maintenance
