// Update library: the locating pass, the removal pass and the reload pass.
#include "refresh/library_update.h"

#include "base/ascii_text.h"
#include "base/lib_file_name.h"
#include "core/library_model.h"
#include "core/option_override.h"
#include "core/progress_indicator.h"
#include "locate/locate_messages.h"
#include "locate/locate_module.h"
#include "locate/update_library_data.h"
#include "maintenance/exceptions.h"
#include "platform/paths.h"
#include "program/file_loader.h"
#include "refresh/kept_module.h"
#include "refresh/module_location.h"
#include "refresh/refresh_texts.h"

namespace quillon::refresh {

namespace {

bool containsFileNot(std::string_view text)
{
    return upperCase(text).find("FILE NOT") != std::string::npos;
}

/// The library's rows cut into modules (each its module row and symbol rows), leaving the
/// library empty. Pane 3 names each module as it goes.
std::vector<LibraryList> removeAllModules(Workspace& ws)
{
    LibraryList& rows = ws.library.rows;
    std::vector<LibraryList> removed;
    removed.reserve(ws.library.modules.size());
    ProgressIndicator progress(ws.ui(), ws.options.UseStatusBar);
    progress.start(kRemovingText, ws.library.modules.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].isModule() || removed.empty()) {
            if (!removed.empty() && ws.options.UseStatusBar)
                ws.ui().progress(removed.size(), ws.library.modules.size(), {});
            removed.emplace_back();
            showStatus(ws, 3, workingName(rows[i].MODULENAME.view()));
        }
        removed.back().push_back(std::move(rows[i]));
    }
    progress.end();
    rows.clear();
    ws.library.modules.clear();
    ws.library.ModuleCount = 0;
    ws.library.SymbolCount = 0;
    return removed;
}

/// True when the plan was made of the library as it stands: one entry per module, in order.
bool planFits(const Workspace& ws, const UpdatePlan& plan)
{
    std::size_t module = 0;
    for (const LibraryRow& row : ws.library.rows) {
        if (!row.isModule())
            continue;
        if (module >= plan.entries.size() || plan.entries[module].module != row.MODULENAME.view())
            return false;
        ++module;
    }
    return module == plan.entries.size();
}

}  // namespace

UpdatePlan planLibraryUpdate(Workspace& ws, const RunMode& mode)
{
    UpdatePlan plan;
    ModuleTable& modules = ws.library.modules;
    plan.modules = modules.size();
    plan.entries.reserve(modules.size());
    const locate::LocatePassScope pass(ws);
    ws.cancel.clear();
    ProgressIndicator progress(ws.ui(), ws.options.UseStatusBar);
    progress.start(locate::kLocatingText, modules.size());
    for (std::size_t i = 0; i < modules.size(); ++i) {
        if (ws.cancel.poll()) {
            plan.cancelled = true;
            showStatus(ws, 1, locate::kCancelledText);
            break;
        }
        ModuleEntry& entry = modules[i];
        std::optional<std::string> executable;
        if (entry.OS != kOsUnknown)
            executable = recordedExecutable(ws, entry.FILENAMEDLL);
        if (!executable && !containsFileNot(entry.FILENAMEDLL)) {
            executable = locateModuleForUpdate(ws, entry, mode.SilentMode);
            if (executable)
                testModuleBitness(ws, entry);
        }
        RefreshEntry refresh;
        refresh.module = entry.MODULENAME.str();
        if (executable) {
            refresh.FILENAME = *executable;
            ++plan.located;
        } else {
            refresh.FILENAME = entry.FILENAME;
            refresh.MODULENAME = entry.MODULENAME.str();
        }
        plan.entries.push_back(std::move(refresh));
        if (ws.options.UseStatusBar)
            ws.ui().progress(i + 1, modules.size(), workingName(entry.MODULENAME.view()));
        ws.ui().processEvents();
    }
    return plan;
}

KeepReason reloadEntry(Workspace& ws, const RefreshEntry& entry, bool recordException,
                       const RunMode& mode)
{
    const std::size_t first = ws.library.rows.size();
    OpenRequest request;
    request.mode = mode;
    request.moduleName = entry.MODULENAME;
    request.reload = true;
    request.recordException = false;
    maintenance::DuplicateAnswerState answers = maintenance::DuplicateAnswerState::multiFile();
    const OpenResult opened = openSingleFile(ws, entry.FILENAME, request, answers);
    const KeepReason reason = judgeReload(ws, first, opened, entry.module, entry.FILENAME);
    if (reason != KeepReason::None) {
        truncateLibrary(ws, first);
        return reason;
    }
    if (recordException && !opened.libFile)
        (void)maintenance::addExceptionForFile(ws, ws.library.rows[first].MODULENAME.view(),
                                               platform::fileNameOf(opened.fileName));
    return reason;
}

UpdateOutcome applyLibraryUpdate(Workspace& ws, const UpdatePlan& plan, const RunMode& mode)
{
    UpdateOutcome outcome;
    outcome.modules = plan.modules;
    if (plan.cancelled || !planFits(ws, plan)) {
        outcome.cancelled = true;
        return outcome;
    }
    outcome.updated = plan.located;
    outcome.notLocated = plan.notLocated();

    for (int pane = 1; pane <= 3; ++pane)
        showStatus(ws, pane, kRemovingText);
    const bool expanded = ws.library.modules.size() == 1 && !ws.library.rows.empty() &&
                          ws.library.rows.front().expanded();
    std::vector<LibraryList> removed = removeAllModules(ws);

    // The module rows that came from the files they were loaded from.
    std::vector<std::size_t> notLocatedRows;
    {
        const OptionOverride noMessages(ws.options, &Options::UseNoMessages, true);
        const OptionOverride expandAll(ws.options, &Options::UseExpandAll, expanded);
        const RunMode reloadMode = mode.quietLoad(plan.entries.size() > 1);
        for (std::size_t i = 0; i < plan.entries.size(); ++i) {
            const RefreshEntry& entry = plan.entries[i];
            if (containsLibExtension(entry.FILENAME)) {
                showStatus(ws, 1, fromLibFileText(entry.MODULENAME));
                showStatus(ws, 3, kFromLibFileText);
            }
            const std::size_t first = ws.library.rows.size();
            if (!entry.located()) {
                // A module without an executable stays as the library holds it. Loading it
                // again from its LIB file by name would take the first module of that name
                // (letter case ignored) for every module of that name, and drop the edits
                // made since the file was read.
                if (i < removed.size())
                    appendKeptModule(ws, removed[i]);
                notLocatedRows.push_back(first);
                continue;
            }
            const KeepReason reason = reloadEntry(ws, entry, true, reloadMode);
            if (reason != KeepReason::None) {
                // Nothing usable came back (the file is gone, damaged, cut short, no longer
                // holds the module, or is another module's file): the module stays as it was
                // rather than being lost, cut or replaced.
                if (i < removed.size())
                    appendKeptModule(ws, removed[i]);
                ++outcome.kept;
                --outcome.updated;
                if (reason == KeepReason::OtherModule) {
                    ++outcome.notLocated;
                    notLocatedRows.push_back(first);
                } else {
                    ++outcome.unreadable;
                }
            }
        }
    }

    for (const std::size_t row : notLocatedRows) {
        LibraryRow& module = ws.library.rows[row];
        module.setFileNameDll(locate::kFileNotFound);
        module.OS = kOsUnknown;
    }
    outcome.statusText = updateCountText(outcome.updated, outcome.notLocated, outcome.unreadable);
    showStatus(ws, 2, locate::kUpdatingText);
    (void)locate::UpdateLibraryData(ws, locate::kUpdateRefresh);
    showStatus(ws, 1, outcome.statusText);
    showStatus(ws, 2, kUpdateDoneText);
    showStatus(ws, 3, symbolsText(ws.library.SymbolCount));
    ws.library.LibraryChanged = true;
    return outcome;
}

UpdateOutcome updateLibrary(Workspace& ws, const RunMode& mode)
{
    if (ws.library.empty())
        return {};
    ws.ui().setWaitCursor(true);
    clearStatus(ws);
    (void)locate::UpdateLibraryData(ws, locate::kUpdateRefresh);
    const UpdatePlan plan = planLibraryUpdate(ws, mode);
    UpdateOutcome outcome = applyLibraryUpdate(ws, plan, mode);
    if (plan.cancelled)
        (void)locate::UpdateLibraryData(ws, locate::kUpdateRefresh);
    ws.ui().setWaitCursor(false);
    return outcome;
}

}  // namespace quillon::refresh
