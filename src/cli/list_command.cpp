// The `quillon list` command of the command-line program.
#include "cli/list_command.h"

#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "base/text_encoding.h"
#include "cli/cli_parse.h"
#include "cli/command_session.h"
#include "core/ui/terminal_ui.h"
#include "exe/undecorated_name.h"
#include "platform/paths.h"
#include "program/session.h"
#include "reports/export_list_writer.h"
#include "reports/export_rows.h"
#include "reports/module_definition.h"

namespace quillon::cli {

namespace {

volatile std::sig_atomic_t g_listInterrupted = 0;  // set by the interrupt handler only

extern "C" void onListInterrupt(int)
{
    g_listInterrupted = 1;
}

/// Hands the text to standard output as it is made.
class StdoutSink final : public reports::ExportSink {
public:
    [[nodiscard]] Status append(std::string_view text) override
    {
        if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
            return Error{5, "Access denied"};
        return {};
    }
};

std::string jsonText(const Workspace& ws, const std::optional<std::size_t>& onlyModule,
                     bool undecorate)
{
    nlohmann::json modules = nlohmann::json::array();
    const LibraryList& rows = ws.library.rows;
    for (const std::size_t m : reports::moduleRows(ws)) {
        if (onlyModule && *onlyModule != m)
            continue;
        nlohmann::json symbols = nlohmann::json::array();
        for (std::size_t i = m + 1; i < rows.size() && !rows[i].isModule(); ++i) {
            nlohmann::json symbol = {{"name", cp1252ToUtf8(rows[i].SYMBOL)},
                                     {"ordinal", rows[i].ORDINAL}};
            if (undecorate)
                symbol["undecorated"] = cp1252ToUtf8(exe::undecoratedName(rows[i].SYMBOL));
            symbols.push_back(std::move(symbol));
        }
        modules.push_back({{"module", cp1252ToUtf8(rows[m].MODULENAME.view())},
                           {"file", cp1252ToUtf8(rows[m].fileName())},
                           {"symbols", std::move(symbols)}});
    }
    return nlohmann::json{{"modules", std::move(modules)}}.dump(2) + "\n";
}

void fail(const std::string& text)
{
    std::fputs(("quillon list: " + text + "\n").c_str(), stderr);
}

}  // namespace

int runListCommand(int argc, char** argv)
{
    std::string moduleName;
    std::string format = "text";
    std::string outFile;
    std::string settingsDir;
    bool undecorate = false;
    std::vector<std::string> files;
    CLI::App app(
        "Loads executables and Clarion LIB files as a library and writes its export "
        "list, one module as a module-definition file, or the modules and symbols as "
        "JSON.",
        "quillon list");
    app.add_option("--module", moduleName, "list only this module (letter case ignored)");
    app.add_option("--format", format, "text (the export list), def or json")
        ->check(CLI::IsMember({"text", "def", "json"}));
    app.add_option("-o,--output", outFile, "write to OUT instead of standard output");
    app.add_flag("--undecorate", undecorate,
                 "json: give each symbol its undecorated name too (\"undecorated\", empty when "
                 "the name is not decorated)");
    app.add_option("--settings", settingsDir, "use DIR/Quillon32.ini as the settings file");
    app.add_option("FILE", files,
                   "executables (DLL, EXE, ...), module-definition files (.def) or Clarion LIB "
                   "files")
        ->required();
    if (const std::optional<int> code = parseSubcommand(app, argc, argv))
        return *code;

    std::signal(SIGINT, onListInterrupt);
    ui::TerminalUi ui(g_listInterrupted, false, false);
    const std::unique_ptr<Session> session = openCommandSession(ui, settingsDir);
    Workspace& ws = session->workspace();
    ws.options.UseStatusBar = 0;
    ws.cancel.clear();

    if (const int code = loadCommandInputFiles(ws, files); code != 0)
        return code;

    std::optional<std::size_t> module;
    if (!moduleName.empty()) {
        module = reports::findModuleRow(ws, moduleName);
        if (!module) {
            fail("no module named " + moduleName + " in the library");
            return 2;
        }
    } else if (format == "def") {
        const std::vector<std::size_t> modules = reports::moduleRows(ws);
        if (modules.size() != 1) {
            fail("the library holds " + std::to_string(modules.size()) +
                 " modules: name one with --module for --format=def");
            return 2;
        }
        module = modules.front();
    }

    std::optional<platform::File> out;
    if (!outFile.empty()) {
        Result<platform::File> created = ws.files().create(ws.files().fullPath(outFile));
        if (!created) {
            fail(outFile + ": " + created.error().text);
            return 6;
        }
        out = std::move(created).value();
    }
    std::unique_ptr<reports::ExportSink> sinkOwner;
    if (out)
        sinkOwner = std::make_unique<reports::FileSink>(*out);
    else
        sinkOwner = std::make_unique<StdoutSink>();
    reports::ExportSink& sink = *sinkOwner;

    Status written;
    if (format == "text") {
        (void)reports::fillExportRows(ws, module);
        const reports::ExportWriteOutcome outcome =
            reports::writeExportList(ws, reports::PassListRows(ws.pass), sink, {});
        if (outcome.end == reports::ExportWriteEnd::Cancelled)
            return 5;
        if (outcome.end == reports::ExportWriteEnd::Failed)
            written = outcome.error;
    } else {
        written = sink.append(format == "def" ? reports::moduleDefinitionText(ws, *module)
                                              : jsonText(ws, module, undecorate));
    }
    if (written.ok() && out)
        written = out->close();
    if (written.ok() && !out && std::fflush(stdout) != 0)
        written = Error{5, "Access denied"};
    if (!written.ok()) {
        fail((outFile.empty() ? std::string("standard output") : outFile) + ": " +
             written.error().text);
        return 6;
    }
    return 0;
}

}  // namespace quillon::cli
