// libFuzzer target: the LIB record walk, the module rule and the library loader on any bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "core/library_model.h"
#include "core/ui/ui_interface.h"
#include "core/workspace.h"
#include "lib/lib_format.h"
#include "lib/lib_reader.h"
#include "lib/lib_writer.h"
#include "platform/file_system.h"
#include "core/ui/silent_ui.h"
#include "settings/settings_store.h"

namespace {

using quillon::ui::SilentUi;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // The walk: every record found lies inside the bytes and its names are cut.
    quillon::lib::RecordWalker walker(bytes);
    quillon::lib::ModuleSplitter splitter;
    quillon::lib::ImportDefinition record;
    std::size_t found = 0;
    std::string rewritten;
    for (;;) {
        const quillon::Result<bool> next = walker.next(record);
        if (!next || !*next)
            break;
        check(record.symbol.size() <= quillon::lib::kMaxSymbolLength);
        check(record.module.size() <= quillon::lib::kMaxModuleLength);
        check(record.position < size);
        (void)splitter.opensModule(record);
        quillon::lib::encodeImportRecord(rewritten, record.symbol, record.module, record.ordinal);
        ++found;
    }

    // What the walk found, written again, reads back as the same records.
    quillon::lib::RecordWalker again(rewritten);
    std::size_t refound = 0;
    for (;;) {
        const quillon::Result<bool> next = again.next(record);
        check(next.ok());
        if (!*next)
            break;
        ++refound;
    }
    check(refound == found);

    // The loader over a real file.
    static const std::string path =
        (std::filesystem::temp_directory_path() / "quillon-lib-fuzz.lib").string();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    SilentUi ui;
    quillon::platform::FileSystem files;
    quillon::settings::SettingsStore settings(
        (std::filesystem::temp_directory_path() / "quillon-lib-fuzz.ini").string());
    quillon::SteadyClock clock;
    quillon::Workspace ws(ui, files, settings, clock);
    quillon::lib::LibLoadRequest request;
    request.fileName = path;
    (void)quillon::lib::loadLibrary(ws, request);
    check(ws.library.rows.empty() || ws.library.rows.front().isModule());
    request.moduleName = "kernel";
    (void)quillon::lib::loadLibrary(ws, request);
    return 0;
}
