// Revert module, update module and the update of the marked modules.
#include "refresh/module_reload.h"

#include "core/library_edit.h"
#include "core/library_model.h"
#include "core/option_override.h"
#include "locate/update_library_data.h"
#include "maintenance/exceptions.h"
#include "platform/paths.h"
#include "program/file_loader.h"
#include "refresh/kept_module.h"
#include "refresh/module_location.h"
#include "refresh/refresh_texts.h"
#include "settings/recent_files.h"

namespace quillon::refresh {

namespace {

/// The row after the last symbol row of the module at `moduleRow`.
std::size_t moduleEnd(const LibraryList& rows, std::size_t moduleRow)
{
    std::size_t end = moduleRow + 1;
    while (end < rows.size() && !rows[end].isModule())
        ++end;
    return end;
}

ModuleEntry* entryOf(Workspace& ws, std::uint16_t moduleNumber)
{
    for (ModuleEntry& entry : ws.library.modules) {
        if (entry.MODULENUM == moduleNumber)
            return &entry;
    }
    return nullptr;
}

/// Takes the module at `moduleRow` out of the library, as "Remove module" does.
void removeModule(Workspace& ws, std::size_t moduleRow)
{
    LibraryList& rows = ws.library.rows;
    const std::size_t end = moduleEnd(rows, moduleRow);
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(moduleRow),
               rows.begin() + static_cast<std::ptrdiff_t>(end));
    (void)locate::UpdateLibraryData(ws, locate::kUpdateRefresh);
}

/// The executable to update the module at `moduleRow` from; searched for when the module has
/// no usable one recorded.
std::optional<std::string> executableFor(Workspace& ws, std::size_t moduleRow, bool SilentMode)
{
    const LibraryRow& row = ws.library.rows[moduleRow];
    if (row.OS != kOsUnknown) {
        // A recorded executable that has gone from the disk is searched for again rather
        // than loaded: loading it would lose the module.
        if (auto recorded = recordedExecutable(ws, row.fileNameDll()))
            return recorded;
    }
    ModuleEntry* entry = entryOf(ws, row.MODULENUM);
    ModuleEntry scratch;
    if (entry == nullptr) {
        scratch.MODULENAME = row.MODULENAME;
        scratch.FILENAME = row.fileName();
        scratch.FILENAMEDLL = row.fileNameDll();
        entry = &scratch;
    }
    return locateModuleForUpdate(ws, *entry, SilentMode);
}

}  // namespace

ModuleReloadResult reloadModule(Workspace& ws, std::size_t row, ModuleSource source,
                                const RunMode& mode)
{
    ModuleReloadResult result;
    LibraryList& rows = ws.library.rows;
    if (rows.empty() || row >= rows.size())
        return result;

    ws.ui().setWaitCursor(true);
    const std::size_t moduleRow = moduleRowOf(ws, row);
    const bool expanded = rows[moduleRow].expanded();
    const std::string name = rows[moduleRow].MODULENAME.str();
    clearStatus(ws);

    std::optional<std::string> file;
    if (source == ModuleSource::OwnFile) {
        result.file = rows[moduleRow].fileName();
        const std::string normal =
            platform::NormalizeFolderPath(ws.files(), result.file, ws.options.UseLongAdd);
        // A file gone from the disk is told before anything is removed.
        if (normal.empty() || !ws.files().isFile(normal)) {
            result.end = ModuleReloadEnd::FileMissing;
            result.selectRow = moduleRow;
            showStatus(ws, 1, kNotFoundOnDiskText);
            if (!ws.options.UseNoMessages)
                (void)ws.ui().message(settings::fileNotFoundMessage(result.file));
            ws.ui().setWaitCursor(false);
            return result;
        }
        file = normal;
    } else {
        file = executableFor(ws, moduleRow, mode.SilentMode);
        if (!file) {
            // The search leaves its verdict ("<File not found>") in the module's table entry.
            const ModuleEntry* entry = entryOf(ws, rows[moduleRow].MODULENUM);
            result.file = entry != nullptr ? entry->FILENAMEDLL : rows[moduleRow].fileNameDll();
        }
    }

    // The file read, as the reload named it.
    std::string readFile;
    if (file) {
        result.file = *file;
        LibraryList before(rows.begin() + static_cast<std::ptrdiff_t>(moduleRow),
                           rows.begin() + static_cast<std::ptrdiff_t>(moduleEnd(rows, moduleRow)));
        removeModule(ws, moduleRow);
        const std::size_t remaining = rows.size();
        OpenResult opened;
        {
            const OptionOverride expandAll(ws.options, &Options::UseExpandAll, expanded);
            OpenRequest request;
            request.mode = mode;
            request.moduleName = name;
            request.reload = true;
            request.recordException = false;
            maintenance::DuplicateAnswerState answers =
                maintenance::DuplicateAnswerState::singleFile();
            opened = openSingleFile(ws, *file, request, answers);
        }
        readFile = opened.fileName;
        result.kept = judgeReload(ws, remaining, opened, name, *file);
        if (result.kept == KeepReason::None) {
            if (!opened.libFile)
                (void)maintenance::addExceptionForFile(ws, rows[remaining].MODULENAME.view(),
                                                       platform::fileNameOf(opened.fileName));
            result.end = ModuleReloadEnd::Reloaded;
            result.selectRow = remaining;
        } else if (source == ModuleSource::OwnFile && opened.moduleNotInFile) {
            result.kept = KeepReason::None;
            result.end = ModuleReloadEnd::NotInFile;
            if (!rows.empty())
                result.selectRow = std::min(moduleRow, rows.size() - 1);
        } else {
            // Nothing usable came back: the file is damaged, cut short, gives no names or
            // holds another module. The module stays as it was, where it was.
            truncateLibrary(ws, remaining);
            rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(moduleRow),
                        std::make_move_iterator(before.begin()),
                        std::make_move_iterator(before.end()));
            (void)locate::UpdateLibraryData(ws, locate::kUpdateRefresh);
            result.end =
                result.kept == KeepReason::OtherModule && source == ModuleSource::Executable
                    ? ModuleReloadEnd::NotLocated
                    : ModuleReloadEnd::Kept;
            result.selectRow = moduleRow;
        }
    } else {
        result.end = ModuleReloadEnd::NotLocated;
        result.selectRow = moduleRow;
    }

    showStatus(ws, 3, workingName(name));
    showStatus(ws, 1, fileText(result.file));
    switch (result.end) {
        case ModuleReloadEnd::Reloaded:
            showStatus(ws, 2, source == ModuleSource::OwnFile ? kRevertDoneText : kUpdateDoneText);
            break;
        case ModuleReloadEnd::NotInFile:
            showStatus(ws, 2, kNotInFileText);
            if (!ws.options.UseNoMessages)
                (void)ws.ui().message(moduleNotFoundMessage(name, readFile));
            break;
        case ModuleReloadEnd::Kept:
            if (result.kept == KeepReason::NoNames) {
                showStatus(ws, 2, kNotInFileText);
                if (!ws.options.UseNoMessages)
                    (void)ws.ui().message(moduleNotFoundMessage(name, readFile));
            } else {
                showStatus(ws, 2, keptText(result.kept));
            }
            break;
        default:
            showStatus(ws, 2, kNotLocatedText);
            break;
    }
    ws.library.LibraryChanged = true;
    ws.ui().setWaitCursor(false);
    return result;
}

bool isMarkedModule(const Workspace& ws, std::size_t moduleRow)
{
    const LibraryList& rows = ws.library.rows;
    const std::size_t end = moduleEnd(rows, moduleRow);
    for (std::size_t i = moduleRow; i < end; ++i) {
        if (rows[i].MARK == 1)
            return true;
    }
    return false;
}

MarkedUpdateResult updateMarkedModules(Workspace& ws, const RunMode& mode)
{
    MarkedUpdateResult result;
    std::size_t marked = 0;
    const LibraryList& rows = ws.library.rows;
    for (std::size_t i = 0; i < rows.size(); i = moduleEnd(rows, i)) {
        if (rows[i].isModule() && isMarkedModule(ws, i))
            ++marked;
    }
    // Reloaded modules arrive unmarked at the end; one that stays where it was is passed over.
    std::size_t position = 0;
    for (std::size_t done = 0; done < marked; ++done) {
        while (position < rows.size() &&
               !(rows[position].isModule() && isMarkedModule(ws, position)))
            position = moduleEnd(rows, position);
        if (position >= rows.size())
            break;
        const std::size_t end = moduleEnd(rows, position);
        const ModuleReloadResult one = reloadModule(ws, position, ModuleSource::Executable, mode);
        result.selectRow = one.selectRow;
        if (one.end == ModuleReloadEnd::Reloaded)
            ++result.updated;
        else if (one.end == ModuleReloadEnd::NotInFile)
            ++result.notInFile;
        else if (one.end == ModuleReloadEnd::Kept)
            ++result.kept;
        else
            ++result.notLocated;
        if (one.end == ModuleReloadEnd::NotLocated || one.end == ModuleReloadEnd::Kept)
            position = end;
    }
    if (marked > 1)
        showStatus(ws, 1, updateCountText(result));
    return result;
}

std::string updateCountText(const ModuleReloadResult& result)
{
    switch (result.end) {
        case ModuleReloadEnd::Reloaded:
            return updateCountText(1, 0);
        case ModuleReloadEnd::NotInFile:
        case ModuleReloadEnd::NotLocated:
            return updateCountText(0, 1);
        case ModuleReloadEnd::Kept:
            return updateCountText(0, 0, 1);
        case ModuleReloadEnd::Nothing:
        case ModuleReloadEnd::FileMissing:
            break;
    }
    return updateCountText(0, 0);
}

std::string updateCountText(const MarkedUpdateResult& result)
{
    return updateCountText(result.updated, result.notLocated + result.notInFile, result.kept);
}

}  // namespace quillon::refresh
