// The export listing command of the command-line program.
#include "cli/exports_command.h"

#include <csignal>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_parse.h"
#include "core/ui/terminal_ui.h"
#include "base/clock.h"
#include "base/text_encoding.h"
#include "core/workspace.h"
#include "program/export_listing.h"
#include "platform/file_system.h"
#include "settings/settings_store.h"

namespace quillon::cli {

namespace {

void write(std::FILE* to, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), to);
}

}  // namespace

int runExportsCommand(int argc, char** argv)
{
    bool json = false;
    bool all = false;
    exe::ListingFormat format;
    std::vector<std::string> files;
    CLI::App app("Lists what executables and Clarion LIB files export, one line per symbol "
                 "(module, symbol, ordinal, resident flag).",
                 "quillon exports");
    app.add_flag("--json", json, "print a JSON array instead of tab-separated lines");
    app.add_flag("--all", all,
                 "also list the exports that have no name (empty symbol, a fifth column 1)");
    app.add_flag("--undecorate", format.undecorated,
                 "add the undecorated name of each symbol (a last column; \"undecorated\" in "
                 "JSON), empty when the name is not decorated");
    app.add_option("FILE", files,
                   "executables (DLL, EXE, ...), module-definition files (.def) or Clarion LIB "
                   "files")
        ->required();
    if (const std::optional<int> code = parseSubcommand(app, argc, argv))
        return *code;

    // No interrupt handler is installed: a listing is short, and Ctrl+C simply ends it.
    volatile std::sig_atomic_t interrupted = 0;
    ui::TerminalUi ui(interrupted, false, false);
    platform::FileSystem fileSystem;
    // The listing reads no settings; the store is never opened.
    settings::SettingsStore settings{std::string()};
    SteadyClock clock;
    Workspace ws(ui, fileSystem, settings, clock);

    const exe::ExportListing listing = exe::listExports(ws, files, all);
    write(stdout, json ? exe::exportListingJson(listing, format)
                       : exe::exportListingTsv(listing, format));
    std::fflush(stdout);
    if (!all) {
        for (const exe::OrdinalOnlyCount& count : listing.ordinalOnly)
            write(stderr, "quillon exports: " + cp1252ToUtf8(count.file) + ": " +
                              std::to_string(count.count) +
                              " exports by ordinal only left out (--all lists them)\n");
    }
    for (const exe::SkippedEntries& skipped : listing.skippedEntries)
        write(stderr, "quillon exports: " + cp1252ToUtf8(skipped.file) + ": " +
                          exe::skippedEntriesLine(skipped) + "\n");
    for (const exe::ListingFailure& failure : listing.failures) {
        // Rejections have shown their message already; file errors are told here.
        if (failure.text != kNoLib)
            write(stderr, "quillon exports: " + cp1252ToUtf8(failure.file) + ": " + failure.text +
                              " (error " + std::to_string(failure.code) + ")\n");
    }
    return listing.failures.empty() ? 0 : 1;
}

}  // namespace quillon::cli
