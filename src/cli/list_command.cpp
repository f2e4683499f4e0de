// The `quillon list` command of the command-line program.
#include "cli/list_command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "base/text_encoding.h"
#include "exe/undecorated_name.h"
#include "platform/error_codes.h"
#include "platform/replacement_file.h"
#include "reports/export_list_writer.h"
#include "reports/export_rows.h"
#include "reports/module_definition.h"

namespace quillon::cli {

namespace {

struct ListArguments {
    std::string moduleName;
    std::string format = "text";
    std::string outFile;
    bool undecorate = false;
    std::vector<std::string> files;
};

/// Hands the text to the new file that replaces the output file once it is complete.
class ReplacementSink final : public reports::ExportSink {
public:
    explicit ReplacementSink(platform::ReplacementFile& file) : m_file(file) {}
    [[nodiscard]] Status append(std::string_view text) override { return m_file.append(text); }

private:
    platform::ReplacementFile& m_file;
};

/// Hands the text to standard output as it is made; a failure carries the system's reason.
class StdoutSink final : public reports::ExportSink {
public:
    [[nodiscard]] Status append(std::string_view text) override
    {
        errno = 0;
        if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size())
            return {};
        return failure();
    }
    [[nodiscard]] Status flush()
    {
        errno = 0;
        return std::fflush(stdout) == 0 ? Status{} : failure();
    }

private:
    static Error failure()
    {
        const int err = errno != 0 ? errno : EIO;
        std::clearerr(stdout);
        return Error{platform::kSystemError, std::strerror(err)};
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

/// How writing the list ended.
enum class WriteEnd { Written, Cancelled, Failed };

/// Writes the list in its format into `sink`; `error` receives the sink's error on failure.
WriteEnd writeList(Workspace& ws, const ListArguments& a, const std::optional<std::size_t>& module,
                   reports::ExportSink& sink, Error& error)
{
    Status written;
    if (a.format == "text") {
        (void)reports::fillExportRows(ws, module);
        const reports::ExportWriteOutcome outcome =
            reports::writeExportList(ws, reports::PassListRows(ws.pass), sink, {});
        if (outcome.end == reports::ExportWriteEnd::Cancelled)
            return WriteEnd::Cancelled;
        if (outcome.end == reports::ExportWriteEnd::Failed)
            written = outcome.error;
    } else {
        written = sink.append(a.format == "def" ? reports::moduleDefinitionText(ws, *module)
                                                : jsonText(ws, module, a.undecorate));
    }
    if (!written.ok()) {
        error = written.error();
        return WriteEnd::Failed;
    }
    return WriteEnd::Written;
}

}  // namespace

ExitStatus runListCommand(CommandContext& context)
{
    ListArguments a;
    CLI::App& app = context.parser(
        "Loads executables and Clarion LIB files as a library and writes its export list, one "
        "module as a module-definition file, or the modules and symbols as JSON.");
    app.add_option("--module", a.moduleName,
                   "list only this module, named as the library names it (QUILLSMP.dll; letter "
                   "case ignored)")
        ->type_name("NAME");
    app.add_option("--format", a.format,
                   "text (the export list, as the window's \"Export to text\" writes it), def "
                   "(a module-definition file) or json")
        ->check(CLI::IsMember({"text", "def", "json"}));
    app.add_flag("--undecorate", a.undecorate,
                 "with --format=json only (a usage error otherwise): give each symbol its "
                 "undecorated name too (\"undecorated\", empty when the name is not decorated)");
    asPath(app.add_option("-o,--output", a.outFile,
                          "write to OUT (a name without folder: in the current folder) instead of "
                          "standard output"))
        ->type_name("OUT");
    addLibraryInputs(app, a.files);
    if (const std::optional<ExitStatus> status = context.parse())
        return *status;
    if (a.undecorate && a.format != "json")
        return context.usageError("--undecorate is for --format=json only (the " + a.format +
                                  " format has no place for undecorated names)");

    Workspace& ws = context.open(SettingsUse::ReadOnly);
    const InputFiles inputs = context.findInputs(a.files);
    if (const std::optional<ExitStatus> status = context.loadInputs(inputs))
        return *status;

    std::optional<std::size_t> module;
    if (!a.moduleName.empty()) {
        module = reports::findModuleRow(ws, a.moduleName);
        if (!module)
            return context.usageError("no module named " + a.moduleName + " in the library");
    } else if (a.format == "def") {
        const std::vector<std::size_t> modules = reports::moduleRows(ws);
        if (modules.size() != 1)
            return context.usageError("the library holds " + std::to_string(modules.size()) +
                                      " modules: name one with --module for --format=def");
        module = modules.front();
    }

    Error error;
    WriteEnd end = WriteEnd::Written;
    if (!a.outFile.empty()) {
        // The list goes to a new file that replaces OUT only when complete.
        Result<platform::ReplacementFile> file =
            platform::ReplacementFile::begin(ws.files(), ws.files().fullPath(a.outFile));
        if (!file) {
            end = WriteEnd::Failed;
            error = file.error();
        } else {
            ReplacementSink sink(*file);
            end = writeList(ws, a, module, sink, error);
            if (end == WriteEnd::Written) {
                if (const Status committed = file->commit(); !committed.ok()) {
                    end = WriteEnd::Failed;
                    error = committed.error();
                }
            } else {
                file->abandon();
            }
        }
    } else {
        StdoutSink sink;
        end = writeList(ws, a, module, sink, error);
        if (end == WriteEnd::Written) {
            if (const Status flushed = sink.flush(); !flushed.ok()) {
                end = WriteEnd::Failed;
                error = flushed.error();
            }
        }
    }
    if (end == WriteEnd::Cancelled)
        return context.cancelled();
    if (end == WriteEnd::Failed) {
        context.tell((a.outFile.empty() ? std::string("standard output") : a.outFile) + ": " +
                     cp1252ToUtf8(error.text));
        return ExitStatus::WriteFailed;
    }
    return inputs.missing.empty() ? ExitStatus::Success : ExitStatus::SomeNotFound;
}

}  // namespace quillon::cli
