// The modules cleanup run, its report, and the cleanup steps before a save.
#include "maintenance/modules_cleanup.h"

#include "base/duration_text.h"
#include "maintenance/duplicate_modules.h"
#include "maintenance/inconsistent_modules.h"
#include "maintenance/symbols_cleanup.h"
#include "settings/settings_store.h"

namespace quillon::maintenance {

namespace {
constexpr std::string_view kSection = "Cleanup";
}

ModulesCleanupChoices loadModulesCleanupChoices(Workspace& ws)
{
    settings::SettingsStore& store = ws.settings();
    const settings::SettingsStore::Batch batch(store);
    ModulesCleanupChoices c;
    const bool bitCheck = ws.options.UseBitCheck != 0;
    const bool duplicates = ws.options.UseBitCheckDuplicates != 0;
    c.CheckBit = bitCheck && store.readNumber(kSection, "CheckBit", 0) != 0;
    c.CheckUnloc = bitCheck && store.readNumber(kSection, "CheckUnloc", 0) != 0;
    c.CheckDubModule = duplicates && store.readNumber(kSection, "CheckDubModule", 0) != 0;
    c.ShowReportModule = store.readNumber(kSection, "ShowReportModule", 0) != 0;
    return c;
}

void saveModulesCleanupChoices(Workspace& ws, const ModulesCleanupChoices& c)
{
    settings::SettingsStore& store = ws.settings();
    const settings::SettingsStore::Batch batch(store);
    store.writeNumber(kSection, "CheckBit", c.CheckBit ? 1 : 0);
    store.writeNumber(kSection, "CheckUnloc", c.CheckUnloc ? 1 : 0);
    store.writeNumber(kSection, "CheckDubModule", c.CheckDubModule ? 1 : 0);
    store.writeNumber(kSection, "ShowReportModule", c.ShowReportModule ? 1 : 0);
}

bool modulesCleanupAvailable(const Workspace& ws)
{
    return ws.options.UseBitCheck != 0 || ws.options.UseBitCheckDuplicates != 0;
}

std::uint32_t runModulesCleanup(Workspace& ws, const ModulesCleanupChoices& choices,
                                const LocatePass& locate, ModulesCleanupResult* out)
{
    if (!modulesCleanupAvailable(ws))
        return 0;
    saveModulesCleanupChoices(ws, choices);
    ModulesCleanupResult result;
    ModulesCleanupCounts& c = result.counts;
    c.bit = choices.CheckBit;
    c.unlocated = choices.CheckUnloc;
    c.duplicates = choices.CheckDubModule;
    const std::int64_t start = ws.clock().hundredths();

    const bool judgeModules = choices.CheckBit || choices.CheckUnloc;
    if (judgeModules && locate)
        locate(ws);
    ws.options.UseBitCheckSetDuplicates = choices.CheckDubModule ? 1 : 0;
    ws.settings().writeNumber("Options", "UseBitCheckSetDuplicates",
                              ws.options.UseBitCheckSetDuplicates);
    if (judgeModules) {
        InconsistentRequest request;
        request.inconsistent = choices.CheckBit;
        request.unlocated = choices.CheckUnloc;
        request.duplicates = choices.CheckDubModule;
        const InconsistentCounts counts = removeInconsistentModules(ws, request);
        c.inconsistentRemoved = counts.inconsistent;
        c.unlocatedRemoved = counts.unlocated;
        c.duplicatesRemoved = counts.duplicates;
    } else if (choices.CheckDubModule) {
        c.duplicatesRemoved = removeDuplicateModules(ws, DuplicateRemovalMode::Standalone, true);
    }
    c.total = c.inconsistentRemoved + c.unlocatedRemoved + c.duplicatesRemoved;

    result.comment =
        ws.library.empty()
            ? std::string(kCommentNoData)
            : modulesCleanupComment(choices.CheckBit, choices.CheckUnloc, choices.CheckDubModule);
    if (choices.ShowReportModule) {
        const std::string duration = durationText(ws.clock().hundredths() - start);
        ws.ui().message(modulesCleanupReport(c, result.comment, duration));
    }
    const std::uint32_t total = c.total;
    if (out != nullptr)
        *out = std::move(result);
    return total;
}

SaveCleanupResult runSaveCleanup(Workspace& ws, const LocatePass& locate, bool unlocatedSwitch)
{
    SaveCleanupResult result;
    const Options& o = ws.options;
    if (o.UseBitCheck == 2 || o.UseBitCheck == 3) {
        if (locate)
            locate(ws);
        InconsistentRequest request;
        request.unlocatedSwitch = unlocatedSwitch;
        request.saveAsksUnlocated = o.UseBitCheck == 3;
        result.modulesRemoved = removeInconsistentModules(ws, request).total();
    } else if (o.UseBitCheckDuplicates != 0) {
        result.modulesRemoved = removeDuplicateModules(ws, DuplicateRemovalMode::Standalone, true);
    }
    result.symbolsRemoved = removeMarkedSymbolsForSave(ws);
    return result;
}

}  // namespace quillon::maintenance
