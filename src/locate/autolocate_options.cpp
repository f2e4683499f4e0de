// Reading the autolocate options and deriving the search values from them.
#include "locate/autolocate_options.h"

#include "locate/path_parts.h"
#include "platform/paths.h"
#include "settings/flag_setting.h"
#include "settings/settings_store.h"

namespace quillon::locate {

namespace {
constexpr std::string_view kFolders = "Folders";

bool flag(settings::SettingsStore& store, std::string_view key, bool defaultValue)
{
    return settings::readFlag(store, kFolders, key, defaultValue);
}
}  // namespace

AutolocateOptions readAutolocateOptions(settings::SettingsStore& store)
{
    const settings::SettingsStore::Batch batch(store);
    AutolocateOptions o;
    o.UsePriorityPath = flag(store, "UsePriorityPath", o.UsePriorityPath);
    o.FirstFolder = store.readPath(kFolders, "FirstFolder");
    o.UseOnlyPriorityPath = flag(store, "UseOnlyPriorityPath", o.UseOnlyPriorityPath);
    o.UseOnlySourcePath = flag(store, "UseOnlySourcePath", o.UseOnlySourcePath);
    o.UseOnlyEnvironmentPath = flag(store, "UseOnlyEnvironmentPath", o.UseOnlyEnvironmentPath);
    o.UseRelaxedAutolocate = flag(store, "UseRelaxedAutolocate", o.UseRelaxedAutolocate);
    o.UseVerifyOSAutolocate = flag(store, "UseVerifyOSAutolocate", o.UseVerifyOSAutolocate);
    o.UseAutolocateDeep = flag(store, "UseAutolocateDeep", o.UseAutolocateDeep);
    o.UseOnlyDLLAutolocate = flag(store, "UseOnlyDLLAutolocate", o.UseOnlyDLLAutolocate);
    return o;
}

void writeAutolocateOptions(settings::SettingsStore& store, const AutolocateOptions& o)
{
    const settings::SettingsStore::Batch batch(store);
    settings::writeFlag(store, kFolders, "UsePriorityPath", o.UsePriorityPath);
    store.writePath(kFolders, "FirstFolder", o.FirstFolder);
    settings::writeFlag(store, kFolders, "UseOnlyPriorityPath", o.UseOnlyPriorityPath);
    settings::writeFlag(store, kFolders, "UseOnlySourcePath", o.UseOnlySourcePath);
    settings::writeFlag(store, kFolders, "UseOnlyEnvironmentPath", o.UseOnlyEnvironmentPath);
    settings::writeFlag(store, kFolders, "UseRelaxedAutolocate", o.UseRelaxedAutolocate);
    settings::writeFlag(store, kFolders, "UseVerifyOSAutolocate", o.UseVerifyOSAutolocate);
    settings::writeFlag(store, kFolders, "UseAutolocateDeep", o.UseAutolocateDeep);
    settings::writeFlag(store, kFolders, "UseOnlyDLLAutolocate", o.UseOnlyDLLAutolocate);
}

DerivedAutolocate deriveAutolocate(const AutolocateOptions& o, const std::string& priorityFolder,
                                   const std::vector<std::string>& morePriorityFolders)
{
    DerivedAutolocate d;
    d.usePriority = o.UsePriorityPath;
    d.onlySource = o.UseOnlySourcePath;
    d.onlyEnvironment = o.UseOnlyEnvironmentPath;
    // Restricting the search to a priority folder that is not in use would restrict it to nothing.
    d.onlyPriority = o.UseOnlyPriorityPath && d.usePriority;
    d.restricted = d.onlyPriority || d.onlySource || d.onlyEnvironment;
    d.relaxed = o.UseRelaxedAutolocate;
    d.verifyHeaders = o.UseVerifyOSAutolocate;
    d.deep = o.UseAutolocateDeep;
    d.onlyDll = o.UseOnlyDLLAutolocate;
    if (d.usePriority && !priorityFolder.empty())
        d.priorityFolder = platform::withTrailingSeparator(priorityFolder);
    if (d.usePriority) {
        for (const std::string& folder : morePriorityFolders) {
            if (!folder.empty())
                d.morePriorityFolders.push_back(platform::withTrailingSeparator(folder));
        }
    }

    if (d.deep)
        d.exceptionExtensions = {".DLL", ".EXE", ".DRV", ".VBX", ".OCX", ".AX", ".CPL"};
    else
        d.exceptionExtensions = {".DLL", ".EXE", ".DRV"};
    d.extensions = d.onlyDll ? std::vector<std::string>{".DLL"} : d.exceptionExtensions;
    d.folderLimit = d.deep ? kDeepFolderLimit : kShallowFolderLimit;

    std::string& s = d.settingsSummary;
    if (d.usePriority)
        s += " Pri";
    if (d.onlyPriority)
        s += " R1";
    if (d.onlySource)
        s += " R2";
    if (d.onlyEnvironment)
        s += " R3";
    if (d.relaxed)
        s += " Relax";
    if (d.onlyDll)
        s += " DLL";
    if (d.verifyHeaders)
        s += " OS";
    s += d.deep ? " Deep:" : " Shallow:";
    s += std::to_string(d.folderLimit);
    return d;
}

}  // namespace quillon::locate
