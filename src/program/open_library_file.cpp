// Opening one file as the library.
#include "program/open_library_file.h"

#include <utility>

#include "core/library_edit.h"
#include "program/target_name.h"

namespace quillon {

OpenFileOutcome openLibraryFile(Workspace& ws, const std::string& file, const LoaderHooks& hooks)
{
    OpenFileOutcome outcome;
    // The library the file replaces is set aside, not cleared, so that a failed open can put
    // it back whole.
    Library previous = std::move(ws.library);
    ws.library = Library{};
    ws.library.LibraryFileName = previous.LibraryFileName;
    (void)loadFileList(ws, makeInputFileList(ws, {file}), {}, hooks, &outcome.counts);
    outcome.opened = outcome.counts.loaded > 0 && !outcome.counts.cancelled && !ws.library.empty();
    if (!outcome.opened) {
        ws.library = std::move(previous);
        return outcome;
    }
    setTargetAfterOpen(ws, file);
    return outcome;
}

}  // namespace quillon
