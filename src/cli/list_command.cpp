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
#include "platform/error_codes.h"
#include "platform/replace_file.h"
#include "reports/export_list_writer.h"
#include "reports/export_rows.h"
#include "reports/module_definition.h"

namespace quillon::cli {

namespace {

struct Arguments {
    std::string moduleName;
    std::string format = "text";
    std::string outFile;
    std::vector<std::string> files;
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

std::string jsonText(const Workspace& ws, const std::optional<std::size_t>& onlyModule)
{
    nlohmann::json modules = nlohmann::json::array();
    const LibraryList& rows = ws.library.rows;
    for (const std::size_t m : reports::moduleRows(ws)) {
        if (onlyModule && *onlyModule != m)
            continue;
        nlohmann::json symbols = nlohmann::json::array();
        for (std::size_t i = m + 1; i < rows.size() && !rows[i].isModule(); ++i)
            symbols.push_back(
                {{"name", cp1252ToUtf8(rows[i].SYMBOL)}, {"ordinal", rows[i].ORDINAL}});
        modules.push_back({{"module", cp1252ToUtf8(rows[m].MODULENAME.view())},
                           {"file", cp1252ToUtf8(rows[m].fileName())},
                           {"symbols", std::move(symbols)}});
    }
    return nlohmann::json{{"modules", std::move(modules)}}.dump(2) + "\n";
}

/// How writing the list ended.
enum class WriteEnd { Written, Cancelled, Failed };

/// Writes the list in its format into `sink`; `error` receives the sink's error on failure.
WriteEnd writeList(Workspace& ws, const Arguments& a, const std::optional<std::size_t>& module,
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
                                                : jsonText(ws, module));
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
    Arguments a;
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
    app.add_option("-o,--output", a.outFile,
                   "write to OUT (a name without folder: in the current folder) instead of "
                   "standard output")
        ->type_name("OUT");
    app.add_option("FILE", a.files, "executables (DLL, EXE, ...) or Clarion LIB files")->required();
    if (const std::optional<ExitStatus> status = context.parse())
        return *status;

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
        const Status replaced = platform::replaceFileWith(
            ws.files(), ws.files().fullPath(a.outFile), [&](platform::File& file) -> Status {
                reports::FileSink sink(file);
                end = writeList(ws, a, module, sink, error);
                if (end == WriteEnd::Written)
                    return {};
                return end == WriteEnd::Failed ? error : Error{platform::kSystemError, "cancelled"};
            });
        if (end == WriteEnd::Written && !replaced.ok()) {
            end = WriteEnd::Failed;
            error = replaced.error();
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
