// The file-adding step and the multi-file loader.
#include "program/file_loader.h"

#include "base/lib_file_name.h"
#include "core/library_model.h"
#include "core/option_override.h"
#include "exe/executable_reader.h"
#include "lib/lib_reader.h"
#include "locate/update_library_data.h"
#include "maintenance/exceptions.h"
#include "platform/path_spelling.h"
#include "platform/paths.h"
#include "program/command_line.h"
#include "settings/options_io.h"
#include "settings/settings_store.h"

namespace quillon {

namespace {

/// The target LIB file a loaded file gives the library: the derived name beside it. Where
/// letter case names another file, an opened LIB file keeps its own name and a derived name
/// takes the spelling of the file that differs from it only in case.
std::string libraryTargetFor(Workspace& ws, const std::string& loadedPath, bool libFile)
{
    if (platform::kCaseSensitivePaths && libFile)
        return loadedPath;
    const std::string derived = platform::folderOf(loadedPath) + libNameFromFile(loadedPath);
    return platform::existingSpelling(ws.files(), derived);
}

void status(Workspace& ws, int pane, std::string_view text)
{
    if (ws.options.UseStatusBar)
        ws.ui().status(pane, text);
}

}  // namespace

OpenResult openSingleFile(Workspace& ws, const std::string& CurrentFileName,
                          const OpenRequest& request, maintenance::DuplicateAnswerState& answers)
{
    OpenResult result;
    result.fileName = CurrentFileName;
    if (!request.mode.SilentMode) {
        if (CurrentFileName.empty())
            status(ws, 1, "No source file specified!");
        else
            ws.ui().setCaption("Clarion Quillon 32 - SOURCE:" +
                               platform::shownPath(CurrentFileName));
        status(ws, 1, "");
    }
    const std::size_t first = ws.library.rows.size();
    result.firstNewRow = first;

    std::uint16_t residentCount = 0;
    bool postProcessed = false;
    // A module-definition file names no executable: the module's DLL is still to be located.
    bool executable = false;
    result.libFile = isLibFileName(CurrentFileName);
    if (result.libFile) {
        lib::LibLoadRequest load;
        load.fileName = CurrentFileName;
        load.showProgress = ws.options.UseStatusBar;
        load.QuietLoad = request.mode.QuietLoad;
        load.moduleName = request.moduleName;
        const Result<lib::LibLoadOutcome> outcome = lib::loadLibrary(ws, load);
        if (outcome.ok()) {
            result.cancelled = outcome->end == lib::LibLoadEnd::Cancelled;
            result.readError = outcome->end == lib::LibLoadEnd::NotLibrary ||
                               outcome->end == lib::LibLoadEnd::Empty;
            if (result.readError)
                result.outcome.reject();
            result.moduleNotInFile = outcome->end == lib::LibLoadEnd::ModuleNotFound;
        } else {
            result.readError = true;
            result.outcome.post(outcome.error());
        }
        // The LIB loader post-processes what it appends.
        postProcessed = true;
    } else {
        exe::ReadMode mode;
        mode.showProgress = true;
        mode.QuietLoad = request.mode.QuietLoad;
        exe::ExecutableLoad load = exe::executableReader(ws, CurrentFileName, mode);
        executable = load.kind != exe::ExecutableKind::ModuleDefinition;
        residentCount = load.residentCount;
        result.cancelled = load.cancelled;
        result.readError =
            !load.cancelled && (load.outcome.ReadStatus != 0 || load.namesMissing);
        result.withoutOrdinal = load.withoutOrdinal;
        result.withoutName = load.withoutName;
        result.outcome = std::move(load.outcome);
    }

    result.rowsRead = ws.library.rows.size() - first;
    if (!request.reload && ws.library.rows.size() > first) {
        result.aborted = maintenance::askDuplicateModules(ws, CurrentFileName, first, false,
                                                         result.libFile, answers);
    }

    const std::size_t added = ws.library.rows.size() > first ? ws.library.rows.size() - first : 0;
    result.rowsAdded = added;
    if (added > 1) {
        if (!hasFolder(result.fileName)) {
            const std::string full = ws.files().fullPath(result.fileName);
            const std::string normalized = platform::NormalizeFolderPath(
                ws.files(), full, ws.options.UseLongAdd, platform::ExistenceCheck::Skipped);
            result.fileName = normalized.empty() ? full : normalized;
        }
        if (executable && request.recordException) {
            const LibraryRow& module = ws.library.rows[first];
            if (module.isModule())
                maintenance::addExceptionForFile(ws, module.MODULENAME.view(),
                                                 platform::fileNameOf(result.fileName));
        }
        if (!postProcessed)
            postProcessLoad(ws, first, LoadedFile{result.fileName, executable, residentCount});
        if (request.reload) {
            for (std::size_t i = first; i < ws.library.rows.size(); ++i)
                ws.library.rows[i].MARK = 0;
        }
    } else if (result.aborted || added == 0) {
        rebuildModuleTable(ws);
    }
    if (!request.mode.QuietLoad)
        (void)locate::UpdateLibraryData(ws, locate::kUpdateRefresh);
    refreshIcons(ws, first);
    return result;
}

InputFileList makeInputFileList(const Workspace& ws, const std::vector<std::string>& paths)
{
    InputFileList list;
    list.reserve(paths.size());
    for (const std::string& path : paths) {
        InputFile f;
        f.PATHFILE = cutToCapacity(ws.files().fullPath(path), kPathCapacity);
        f.PATH = platform::folderOf(f.PATHFILE);
        f.FILE = platform::fileNameOf(f.PATHFILE);
        f.SHORTNAME = cutToCapacity(platform::shortPathForm(f.PATHFILE), kPathCapacity);
        list.push_back(std::move(f));
    }
    return list;
}

int loadFileList(Workspace& ws, const InputFileList& files, const RunMode& mode,
                 const LoaderHooks& hooks, LoadCounts* countsOut)
{
    if (files.empty())
        return 0;
    // The whole load reads the settings once and writes them at most once.
    const settings::SettingsStore::Batch batch(ws.settings());
    const std::size_t rowsBefore = ws.library.rows.size();
    const std::uint32_t modulesBefore = ws.library.ModuleCount;
    const std::uint32_t symbolsBefore = ws.library.SymbolCount;
    ws.cancel.clear();

    status(ws, 1, files.size() > 1 ? "Loading files..." : "Loading file...");
    status(ws, 2, "");
    status(ws, 3, "");
    const bool multiFile = files.size() > 1;
    // A multi-file load adds its modules collapsed and keeps its messages to the summary.
    OptionOverride expandAll(ws.options, &Options::UseExpandAll,
                             multiFile ? false : ws.options.UseExpandAll);
    OptionOverride noMessages(ws.options, &Options::UseNoMessages,
                              multiFile ? true : ws.options.UseNoMessages);
    OpenRequest request;
    request.mode = mode.quietLoad(multiFile);
    maintenance::DuplicateAnswerState answers =
        multiFile ? maintenance::DuplicateAnswerState::multiFile()
                  : maintenance::DuplicateAnswerState::singleFile();

    LoadCounts counts;
    counts.hadModules = modulesBefore > 0;
    counts.hadSymbols = symbolsBefore > 0;
    // The file read last, and whether it gave an error text.
    std::string lastFile;
    bool lastErrorText = false;
    for (const InputFile& file : files) {
        const std::string& path = ws.options.UseLongAdd ? file.PATHFILE : file.SHORTNAME;
        lastFile = path;
        ++counts.processed;
        counts.lastPath = path;
        counts.lastRejected = false;
        if (!ws.files().isFile(path)) {
            ++counts.notFound;
            counts.notFoundFiles.add(path);
            counts.notFoundPath = path;
            continue;
        }
        counts.loadedFiles.add(path);
        if (hooks.fileStarted)
            hooks.fileStarted(counts.processed, files.size(), path);
        status(ws, 1, "");
        const OpenResult opened = openSingleFile(ws, path, request, answers);
        lastFile = opened.fileName;
        lastErrorText = !opened.outcome.read();
        if (opened.withoutOrdinal + opened.withoutName > 0)
            counts.skippedEntries.push_back(
                exe::SkippedEntries{path, opened.withoutOrdinal, opened.withoutName});
        if (opened.rowsRead == 0 || opened.outcome.rejected()) {
            ++counts.withoutNames;
            counts.withoutNamesFiles.add(path);
            counts.lastRejected = opened.outcome.rejected() && !request.mode.QuietLoad;
            status(ws, 1, "No names");
        } else if (opened.aborted) {
            ++counts.aborted;
            if (!opened.libFile)
                counts.abortedFiles.add(path);
            status(ws, 1, "Module aborted");
        } else {
            ++counts.loaded;
            if (!isLibFileName(ws.library.LibraryFileName))
                ws.library.LibraryFileName =
                    cutToCapacity(libraryTargetFor(ws, path, opened.libFile), kPathCapacity);
            if (!mode.SilentMode && hooks.addRecentFile)
                hooks.addRecentFile(ws, path);
        }
        if (opened.cancelled || ws.cancel.poll()) {
            counts.cancelled = true;
            break;
        }
    }

    if (ws.library.SymbolCount > symbolsBefore) {
        noMessages.restore();
        if (!lastErrorText)
            status(ws, 2, "Processing...");
        ws.options.LastAddFolder = platform::folderOf(lastFile);
        settings::SaveOption(ws.settings(), ws.options, &Options::LastAddFolder);
        if (rowsBefore > 0 && rowsBefore < ws.library.rows.size())
            maintenance::confirmDuplicateModulesAfterAdd(ws, rowsBefore, answers);
    }
    if (request.mode.QuietLoad) {
        rebuildModuleTable(ws);
        (void)locate::UpdateLibraryData(ws,
                                        removesInconsistentModules(ws.options.UseBitCheck)
                                            ? locate::kUpdateLocate
                                            : locate::kUpdateRefresh,
                                        mode.SilentMode);
    }
    if (ws.library.rows.size() > rowsBefore && (rowsBefore > 0 || multiFile))
        ws.library.LibraryChanged = true;
    if (!mode.SilentMode && hooks.refreshMainWindow)
        hooks.refreshMainWindow(ws);

    counts.modulesAdded =
        ws.library.ModuleCount > modulesBefore ? ws.library.ModuleCount - modulesBefore : 0;
    counts.symbolsAdded =
        ws.library.SymbolCount > symbolsBefore ? ws.library.SymbolCount - symbolsBefore : 0;
    const LoadSummary summary = loadSummary(counts);
    if (ws.options.UseStatusBar) {
        ws.ui().status(1, summary.pane1);
        if (summary.pane2)
            ws.ui().status(2, *summary.pane2);
        if (summary.pane3)
            ws.ui().status(3, *summary.pane3);
    }
    // The summary's box is shown under the load's message setting: a multi-file load that added
    // nothing stays quiet.
    if (summary.message && !ws.options.UseNoMessages)
        ws.ui().message(*summary.message);
    if (!counts.skippedEntries.empty() && !ws.options.UseNoMessages)
        ws.ui().message(exe::skippedEntriesMessage(counts.skippedEntries));
    if (countsOut != nullptr)
        *countsOut = counts;
    return counts.processed;
}

}  // namespace quillon
