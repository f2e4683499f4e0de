// The export listing command of the command-line program.
#include "cli/exports_command.h"

#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/ui/terminal_ui.h"
#include "base/clock.h"
#include "base/text_encoding.h"
#include "core/workspace.h"
#include "program/export_listing.h"
#include "platform/file_system.h"
#include "settings/settings_store.h"

namespace quillon::cli {

namespace {

constexpr const char* kUsage = "usage: quillon exports [--json] FILE...  (executables and Clarion LIB files)\n";

void write(std::FILE* to, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), to);
}

}  // namespace

int runExportsCommand(int argc, char** argv)
{
    bool json = false;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!optionsEnded && arg == "--json") {
            json = true;
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            write(stdout, kUsage);
            return 0;
        } else if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
            write(stderr, "quillon exports: unknown option " + std::string(arg) + "\n" + kUsage);
            return 2;
        } else {
            files.emplace_back(arg);
        }
    }
    if (files.empty()) {
        write(stderr, kUsage);
        return 2;
    }

    // No interrupt handler is installed: a listing is short, and Ctrl+C simply ends it.
    volatile std::sig_atomic_t interrupted = 0;
    ui::TerminalUi ui(interrupted, false, false);
    platform::FileSystem fileSystem;
    // The listing reads no settings; the store is never opened.
    settings::SettingsStore settings{std::string()};
    SteadyClock clock;
    Workspace ws(ui, fileSystem, settings, clock);

    const exe::ExportListing listing = exe::listExports(ws, files);
    write(stdout, json ? exe::exportListingJson(listing) : exe::exportListingTsv(listing));
    std::fflush(stdout);
    for (const exe::ListingFailure& failure : listing.failures) {
        // Rejections have shown their message already; file errors are told here.
        if (failure.text != kNoLib)
            write(stderr, "quillon exports: " + cp1252ToUtf8(failure.file) + ": " + failure.text +
                              " (error " + std::to_string(failure.code) + ")\n");
    }
    return listing.failures.empty() ? 0 : 1;
}

}  // namespace quillon::cli
