// The modules cleanup run, its report, and the cleanup steps before a save.
#include "maintenance/modules_cleanup.h"

#include "maintenance/duplicate_modules.h"
#include "maintenance/inconsistent_modules.h"
#include "maintenance/shown_steps.h"
#include "maintenance/symbols_cleanup.h"
#include "settings/flag_setting.h"
#include "settings/options_io.h"
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
    const bool bitCheck = ws.options.UseBitCheck != BitCheck::None;
    const bool duplicates = ws.options.UseBitCheckDuplicates;
    c.CheckBit = bitCheck && settings::readFlag(store, kSection, "CheckBit", false);
    c.CheckUnloc = bitCheck && settings::readFlag(store, kSection, "CheckUnloc", false);
    c.CheckDubModule = duplicates && settings::readFlag(store, kSection, "CheckDubModule", false);
    c.ShowReportModule = settings::readFlag(store, kSection, "ShowReportModule", false);
    return c;
}

void saveModulesCleanupChoices(Workspace& ws, const ModulesCleanupChoices& c)
{
    settings::SettingsStore& store = ws.settings();
    const settings::SettingsStore::Batch batch(store);
    settings::writeFlag(store, kSection, "CheckBit", c.CheckBit);
    settings::writeFlag(store, kSection, "CheckUnloc", c.CheckUnloc);
    settings::writeFlag(store, kSection, "CheckDubModule", c.CheckDubModule);
    settings::writeFlag(store, kSection, "ShowReportModule", c.ShowReportModule);
}

bool modulesCleanupAvailable(const Workspace& ws)
{
    return ws.options.UseBitCheck != BitCheck::None || ws.options.UseBitCheckDuplicates;
}

ModulesCleanupResult runModulesCleanup(Workspace& ws, const ModulesCleanupChoices& choices,
                                       const LocatePass& locate)
{
    ModulesCleanupResult result;
    if (!modulesCleanupAvailable(ws))
        return result;
    saveModulesCleanupChoices(ws, choices);
    ModulesCleanupCounts& c = result.counts;
    c.bit = choices.CheckBit;
    c.unlocated = choices.CheckUnloc;
    c.duplicates = choices.CheckDubModule;
    result.showReport = choices.ShowReportModule;
    const std::int64_t start = ws.clock().hundredths();

    const bool judgeModules = choices.CheckBit || choices.CheckUnloc;
    if (judgeModules && locate)
        locate(ws);
    ws.options.UseBitCheckSetDuplicates = choices.CheckDubModule;
    settings::SaveOption(ws.settings(), ws.options, &Options::UseBitCheckSetDuplicates);
    if (judgeModules) {
        InconsistentRequest request;
        request.inconsistent = choices.CheckBit;
        request.unlocated = choices.CheckUnloc;
        request.duplicates = choices.CheckDubModule;
        const InconsistentCounts counts = removeInconsistentModulesShown(ws, request).counts;
        c.inconsistentRemoved = counts.inconsistent;
        c.unlocatedRemoved = counts.unlocated;
        c.duplicatesRemoved = counts.duplicates;
    } else if (choices.CheckDubModule) {
        c.duplicatesRemoved = removeDuplicateModulesShown(ws).removed;
    }
    c.total = c.inconsistentRemoved + c.unlocatedRemoved + c.duplicatesRemoved;

    result.comment =
        ws.library.empty()
            ? std::string(kCommentNoData)
            : modulesCleanupComment(choices.CheckBit, choices.CheckUnloc, choices.CheckDubModule);
    result.elapsed = ws.clock().hundredths() - start;
    return result;
}

SaveCleanupResult runSaveCleanup(Workspace& ws, const LocatePass& locate, bool unlocatedSwitch)
{
    SaveCleanupResult result;
    const Options& o = ws.options;
    if (removesInconsistentModules(o.UseBitCheck)) {
        if (locate)
            locate(ws);
        InconsistentRequest request;
        request.unlocatedSwitch = unlocatedSwitch;
        request.saveAsksUnlocated = o.UseBitCheck == BitCheck::RemoveInconsistentAndUnlocated;
        result.modulesRemoved = removeInconsistentModulesShown(ws, request).counts.total();
    } else if (o.UseBitCheckDuplicates) {
        result.modulesRemoved = removeDuplicateModulesShown(ws).removed;
    }
    result.symbolsRemoved = removeMarkedSymbolsForSave(ws);
    return result;
}

}  // namespace quillon::maintenance
