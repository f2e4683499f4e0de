// Revert: the whole library reloaded from its file.
#include "refresh/library_revert.h"

#include "base/ascii_text.h"
#include "core/library_edit.h"
#include "locate/update_library_data.h"
#include "platform/paths.h"
#include "program/command_line.h"
#include "program/file_loader.h"
#include "refresh/clear_lists.h"
#include "refresh/refresh_texts.h"
#include "settings/recent_files.h"
#include "settings/settings_store.h"

namespace quillon::refresh {

std::string revertFileName(const Workspace& ws)
{
    if (!trimBlanks(ws.library.LibraryFileName).empty())
        return ws.library.LibraryFileName;
    if (ws.library.modules.size() == 1)
        return ws.library.modules.front().FILENAME;
    return ws.settings().readPath("Filelist", "PresentFile", kNotFoundOnDiskText);
}

RevertResult revertLibrary(Workspace& ws, const RunMode& mode)
{
    RevertResult result;
    result.file = revertFileName(ws);
    // A key holding only blanks names no file either.
    if (result.file == kNotFoundOnDiskText || trimBlanks(result.file).empty()) {
        ws.ui().status(1, kNoDataText);
        if (!ws.options.UseNoMessages)
            (void)ws.ui().message(settings::missingDataMessage());
        return result;
    }
    const std::string normal =
        platform::NormalizeFolderPath(ws.files(), result.file, ws.options.UseLongAdd);
    if (normal.empty() || !ws.files().isFile(normal)) {
        result.end = RevertEnd::FileNotFound;
        ws.ui().status(1, kNotFoundOnDiskText);
        if (!ws.options.UseNoMessages)
            (void)ws.ui().message(settings::fileNotFoundMessage(result.file));
        return result;
    }

    ws.ui().setWaitCursor(true);
    result.end = RevertEnd::Reverted;
    result.file = normal;
    // The library is set aside, not cleared, until the file has been read whole.
    Library previous = std::move(ws.library);
    clearLibrary(ws);
    ws.library.LibraryFileName = previous.LibraryFileName;
    OpenRequest request;
    request.mode = mode;
    request.reload = true;
    maintenance::DuplicateAnswerState answers = maintenance::DuplicateAnswerState::singleFile();
    const OpenResult opened = openSingleFile(ws, normal, request, answers);
    if (opened.cancelled || opened.readError || opened.rowsAdded < 2) {
        ws.library = std::move(previous);
        (void)locate::UpdateLibraryData(ws, locate::kUpdateRefresh);
        result.end = RevertEnd::NotRead;
        ws.ui().setWaitCursor(false);
        return result;
    }
    (void)clearOtherLists(ws);
    if (trimBlanks(ws.library.LibraryFileName).empty() && opened.rowsAdded > 1) {
        ws.library.LibraryFileName =
            opened.libFile ? normal
                           : cutToCapacity(platform::folderOf(normal) + libNameFromFile(normal),
                                           kPathCapacity);
    }
    ws.library.LibraryChanged = false;
    ws.ui().setWaitCursor(false);
    return result;
}

}  // namespace quillon::refresh
