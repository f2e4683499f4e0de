// Silent command-line runs.
#include "program/command_line_save.h"

#include "core/option_override.h"
#include "core/sort_library.h"
#include "lib/lib_writer.h"
#include "locate/update_library_data.h"
#include "maintenance/modules_cleanup.h"
#include "platform/path_spelling.h"
#include "platform/paths.h"
#include "settings/settings_store.h"

namespace quillon {

namespace {

std::string withSeparator(std::string folder)
{
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\')
        folder.push_back(platform::kPathSeparator);
    return folder;
}

void show(Workspace& ws, const BatchResult& result, const CommandLine& line, ResultForm form)
{
    if (ws.options.UseNoMessages)
        return;
    const std::size_t inputsShown = form == ResultForm::Terminal ? kTerminalInputsShown : 0;
    ws.ui().message(batchResultMessage(result.outcome, line.shownText(inputsShown), result.target,
                                       result.code, result.errorText, form));
}

}  // namespace

int processCommandLine(Workspace& ws, const CommandLine& line, const LoaderHooks& hooks,
                       BatchResult* result, ResultForm form)
{
    if (line.parameters.empty() || line.parameters.front().find_first_not_of(' ') == std::string::npos)
        return 0;
    // "/s" makes the run silent.
    const RunMode mode{line.silent, false};
    if (mode.SilentMode)
        ws.options.UseStatusBar = false;
    // The run reads the settings once and writes them at most once.
    const settings::SettingsStore::Batch batch(ws.settings());

    std::vector<std::string> found;
    std::vector<std::string> missing;
    for (const std::string& input : line.inputFiles) {
        const std::string full = ws.files().fullPath(input);
        const std::string normalized = platform::NormalizeFolderPath(
            ws.files(), full, ws.options.UseLongAdd, platform::ExistenceCheck::Required);
        if (!normalized.empty() && ws.files().isFile(normalized))
            found.push_back(normalized);
        else
            missing.push_back(input);
    }
    ws.cancel.clear();
    if (!found.empty()) {
        ws.ui().setWaitCursor(true);
        (void)loadFileList(ws, makeInputFileList(ws, found), mode, hooks);
        ws.ui().setWaitCursor(false);
    }
    if (!mode.SilentMode)
        return 0;
    BatchResult r = commandLineSave(ws, line, form);
    r.missingInputs = std::move(missing);
    if (result != nullptr)
        *result = std::move(r);
    return 1;
}

BatchResult commandLineSave(Workspace& ws, const CommandLine& line, ResultForm form)
{
    BatchResult result;
    result.target = silentTarget(line, withSeparator(ws.files().currentFolder()));
    if (ws.cancel.cancelled()) {
        result.outcome = BatchOutcome::Cancelled;
        result.nothingWritten = true;
        show(ws, result, line, form);
        return result;
    }
    if (ws.library.rows.empty()) {
        const bool firstExists =
            !line.inputFiles.empty() && ws.files().isFile(ws.files().fullPath(line.inputFiles.front()));
        result.outcome = firstExists ? BatchOutcome::NoNames : BatchOutcome::NotLocated;
        result.nothingWritten = true;
        show(ws, result, line, form);
        return result;
    }
    if (result.target.empty()) {
        result.outcome = BatchOutcome::NotLocated;
        result.nothingWritten = true;
        return result;
    }
    std::string target = ws.files().fullPath(result.target);
    if (!line.target || trimRight(*line.target).empty())
        target = platform::existingSpelling(ws.files(), target);
    const BatchResult written = writeLibrarySilently(ws, target);
    if (written.nothingWritten)
        return written;
    result = written;
    show(ws, result, line, form);
    return result;
}

void locateSilently(Workspace& ws)
{
    (void)locate::UpdateLibraryData(ws, locate::kUpdateLocate, true);
}

BatchResult writeLibrarySilently(Workspace& ws, const std::string& target, bool cleanUp)
{
    BatchResult result;
    result.target = target;
    ws.library.LibraryFileName = result.target;

    if (cleanUp)
        (void)maintenance::runSaveCleanup(ws, locateSilently);
    if (ws.library.rows.empty()) {
        result.outcome = BatchOutcome::NoNames;
        result.nothingWritten = true;
        return result;
    }
    if (const std::optional<SortOrder> order = sortOrderOf(ws.options.UseLIBSortOrder))
        sortLibrary(ws, *order, false);

    lib::WriteOptions writeOptions;
    writeOptions.quiet = true;
    const Status written = [&] {
        const OptionOverride noMessages(ws.options, &Options::UseNoMessages, true);
        return lib::writeLibrary(ws, result.target, writeOptions);
    }();
    if (written.ok()) {
        result.outcome = BatchOutcome::Saved;
        ws.library.LibraryChanged = false;
    } else {
        result.code = written.error().code;
        result.errorText = written.error().text;
        result.outcome = result.code == 2 ? BatchOutcome::OpenFileError : BatchOutcome::WriteFailed;
    }
    return result;
}

ExitStatus batchExitCode(const BatchResult& result)
{
    switch (result.outcome) {
    case BatchOutcome::Saved:
        return result.missingInputs.empty() ? ExitStatus::Success : ExitStatus::SomeNotFound;
    case BatchOutcome::NoNames: return ExitStatus::NoNames;
    case BatchOutcome::NotLocated: return ExitStatus::NotFound;
    case BatchOutcome::Cancelled: return ExitStatus::Cancelled;
    case BatchOutcome::OpenFileError:
    case BatchOutcome::WriteFailed: return ExitStatus::WriteFailed;
    }
    return ExitStatus::Failed;
}

}  // namespace quillon
