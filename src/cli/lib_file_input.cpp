// Loading a LIB file named on the command line.
#include "cli/lib_file_input.h"

#include "base/text_encoding.h"
#include "lib/lib_reader.h"

namespace quillon::cli {

std::optional<std::string> loadLibFileInput(Workspace& ws, const std::string& file)
{
    lib::LibLoadRequest request;
    request.fileName = ws.files().fullPath(file);
    request.quiet = true;
    // The reason is told below, once.
    request.QuietLoad = true;
    const Result<lib::LibLoadOutcome> loaded = lib::loadLibrary(ws, request);
    if (!loaded)
        return file + ": " + cp1252ToUtf8(loaded.error().text);
    if (loaded->end == lib::LibLoadEnd::Cancelled)
        return file + ": cancelled";
    if (loaded->end != lib::LibLoadEnd::Loaded)
        return file + ": not a library file, or an empty one";
    return std::nullopt;
}

}  // namespace quillon::cli
