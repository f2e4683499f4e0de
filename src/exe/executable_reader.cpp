// ExecutableReader and ExecutableTest over the file layer and the front end.
#include "exe/executable_reader.h"

#include <algorithm>

#include "core/library_model.h"
#include "core/progress_indicator.h"
#include "exe/dos_format.h"
#include "exe/exe_messages.h"
#include "exe/image_source.h"
#include "exe/module_definition_reader.h"
#include "io/byte_reader.h"
#include "platform/error_codes.h"

namespace quillon::exe {

namespace {

std::string_view baseName(std::string_view path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

bool isExecutableExtension(std::string_view extension)
{
    return std::find(kExecutableExtensions.begin(), kExecutableExtensions.end(), extension) !=
           kExecutableExtensions.end();
}

std::string trimmed(std::string text)
{
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

void post(ReadOutcome& outcome, const Error& error)
{
    outcome.post(Error{error.code, trimmed(error.text)});
}

/// Reports the rejections of one file and records them in its outcome.
class MessageSink {
public:
    MessageSink(Workspace& ws, const std::string& fileName, bool quietLoad, ReadOutcome& outcome)
        : m_ws(ws), m_fileName(fileName), m_quietLoad(quietLoad), m_outcome(outcome)
    {
    }
    /// Shows the message unless `QuietLoad` or "UseNoMessages"; the file counts as rejected
    /// either way.
    void reject(ExeMessage which, std::string_view errorText = {})
    {
        if (!m_quietLoad && !m_ws.options.UseNoMessages)
            m_ws.ui().message(exeMessage(which, m_fileName, errorText));
        m_outcome.reject();
    }

private:
    Workspace& m_ws;
    const std::string& m_fileName;
    bool m_quietLoad;
    ReadOutcome& m_outcome;
};

/// Appends the tables' rows; false when Escape cancelled.
bool appendTables(Workspace& ws, const ExecutableExports& exports, ExecutableLoad& load,
                  ProgressIndicator& progress)
{
    for (const ExportTable& table : exports.tables) {
        ws.cancel.clear();
        if (appendExportTable(ws, table, progress) == AppendOutcome::Cancelled)
            return false;
        if (table.error.code != 0)
            post(load.outcome, table.error);
        load.residentCount = table.residentCount;
        if (table.hasModule && table.names.size() < table.declaredNames)
            load.namesMissing = true;
    }
    if (exports.error.code != 0)
        post(load.outcome, exports.error);
    return true;
}

/// The rejection messages of a file that is neither PE nor NE: an old DOS file or a damaged new
/// header, an LE or DOS program, a file of unknown type or without the MZ signature.
void rejectKind(const std::string& fileName, MessageSink& sink, const ExecutableExports& exports)
{
    switch (exports.kind) {
        case ExecutableKind::NewHeaderMissing:
            sink.reject(ExeMessage::OldDosFileError33, exports.error.text);
            break;
        case ExecutableKind::NewHeaderDamaged:
            sink.reject(ExeMessage::HeaderNotFoundError33, exports.error.text);
            break;
        case ExecutableKind::Le:
            sink.reject(ExeMessage::LeFile);
            break;
        case ExecutableKind::Dos:
            sink.reject(ExeMessage::DosFile);
            break;
        case ExecutableKind::Unknown:
            sink.reject(isExecutableExtension(lastExtensionUpper(fileName))
                            ? ExeMessage::NotLibraryDamaged
                            : ExeMessage::UnknownFileType);
            break;
        case ExecutableKind::NotMz: {
            const std::string extension = firstExtensionAsWritten(fileName);
            sink.reject(extension == "COM" || isExecutableExtension(extension)
                            ? ExeMessage::NotLibraryDamaged
                            : ExeMessage::NotExecutable);
            break;
        }
        case ExecutableKind::Unreadable:
        case ExecutableKind::Pe:
        case ExecutableKind::Ne:
        case ExecutableKind::ModuleDefinition:
            break;
    }
}

/// The file's name without folder and last extension: the module of a module-definition file
/// without a LIBRARY statement.
std::string_view nameWithoutExtension(std::string_view path)
{
    const std::string_view name = baseName(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot);
}

/// Reads a module-definition file as text and appends its module; false when Escape cancelled.
bool readDefinitionFile(Workspace& ws, const std::string& fileName, platform::File& file,
                        std::uint64_t size, MessageSink& sink, ExecutableLoad& load,
                        ProgressIndicator& progress)
{
    load.kind = ExecutableKind::ModuleDefinition;
    if (size > kMaxModuleDefinitionSize) {
        sink.reject(ExeMessage::DefinitionFault,
                    "the file is too large for a module-definition file");
        return true;
    }
    std::vector<std::byte> bytes(static_cast<std::size_t>(size));
    if (Status s = file.readExactAt(0, bytes); !s) {
        post(load.outcome, s.error());
        return true;
    }
    std::string text(bytes.size(), '\0');
    std::transform(bytes.begin(), bytes.end(), text.begin(),
                   [](std::byte b) { return static_cast<char>(b); });
    const ModuleDefinition definition = readModuleDefinition(text);
    if (!definition.ok()) {
        sink.reject(ExeMessage::DefinitionFault,
                    definition.errorLine == 0
                        ? definition.error
                        : "Line " + std::to_string(definition.errorLine) + ": " + definition.error);
        return true;
    }
    load.withoutOrdinal = definition.withoutOrdinal;
    load.withoutName = definition.withoutName;
    const std::string_view moduleName = definition.moduleName.empty()
                                            ? nameWithoutExtension(fileName)
                                            : definition.moduleName;
    const ExportTable table = moduleDefinitionTable(definition, moduleName);
    ws.cancel.clear();
    if (appendExportTable(ws, table, progress) == AppendOutcome::Cancelled)
        return false;
    if (table.error.code != 0)
        post(load.outcome, table.error);
    load.residentCount = table.residentCount;
    return true;
}

}  // namespace

std::string lastExtensionUpper(std::string_view path)
{
    const std::string_view name = baseName(path);
    const std::size_t dot = name.rfind('.');
    return upper(dot == std::string_view::npos ? name : name.substr(dot + 1));
}

std::string firstExtensionAsWritten(std::string_view path)
{
    const std::string_view name = baseName(path);
    const std::size_t dot = name.find('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot + 1));
}

ExecutableLoad executableReader(Workspace& ws, const std::string& CurrentFileName,
                                const ReadMode& mode)
{
    ExecutableLoad load;
    load.firstNewRow = ws.library.rows.size();
    const bool progressOn = mode.showProgress && ws.options.UseStatusBar;
    MessageSink sink(ws, CurrentFileName, mode.QuietLoad, load.outcome);

    Result<platform::File> file = ws.files().openRead(CurrentFileName);
    const Result<std::uint64_t> size = file ? file->size() : Result<std::uint64_t>(file.error());
    if (!size) {
        post(load.outcome, size.error());
    } else if (lastExtensionUpper(CurrentFileName) == "DEF") {
        ProgressIndicator progress(ws.ui(), progressOn);
        if (!readDefinitionFile(ws, CurrentFileName, *file, *size, sink, load, progress)) {
            truncateLibrary(ws, load.firstNewRow);
            load.cancelled = true;
            load.residentCount = 0;
        }
    } else {
        // Taken page by page: only the headers and the export tables of a large file are seen.
        FileSource source(*file, *size);
        const ExecutableExports exports = readExecutable(source);
        load.kind = exports.kind;
        if (exports.kind == ExecutableKind::Unreadable) {
            post(load.outcome, exports.error);
        } else if (exports.kind == ExecutableKind::Pe || exports.kind == ExecutableKind::Ne) {
            ProgressIndicator progress(ws.ui(), progressOn);
            if (!appendTables(ws, exports, load, progress)) {
                truncateLibrary(ws, load.firstNewRow);
                load.cancelled = true;
                load.residentCount = 0;
            } else if (Status intact = file->checkMapped(); !intact) {
                // Cut short by another program while it was read: a read error.
                post(load.outcome, intact.error());
            }
        } else {
            rejectKind(CurrentFileName, sink, exports);
        }
    }

    // A module row without names never stays in the library.
    if (ws.library.rows.size() == load.firstNewRow + 1) {
        if (progressOn)
            ws.ui().status(1, {});
        truncateLibrary(ws, load.firstNewRow);
        load.residentCount = 0;
        sink.reject(ExeMessage::NotLibraryDamaged);
    }
    // Error 33 left over at the end: the headers (or the tables) ran past the end of the file.
    if (load.outcome.ReadStatus == platform::kReadPastEnd && !load.outcome.rejected())
        sink.reject(ExeMessage::LateHeaderError, load.outcome.ErrorText);
    return load;
}

ReadOutcome executableTest(Workspace& ws, const std::string& CurrentFileName)
{
    ReadOutcome outcome;
    const std::string fileName = trimmed(CurrentFileName);
    const auto show = [&](ExeMessage which) {
        ws.ui().message(exeMessage(which, fileName));
        outcome.reject();
    };

    Result<platform::File> file = ws.files().openRead(CurrentFileName);
    if (!file) {
        post(outcome, file.error());
        return outcome;
    }
    std::array<std::byte, dos::kHeaderSize> dosHeader{};
    if (Status s = file->readExactAt(0, dosHeader); !s) {
        post(outcome, s.error());
        return outcome;
    }
    if (dosHeader[0] != std::byte{'M'} || dosHeader[1] != std::byte{'Z'}) {
        show(ExeMessage::TestNotLibrary);
        return outcome;
    }
    const std::uint32_t newHeaderOffset = io::loadU32le(dosHeader, dos::kNewHeaderOffsetField);
    std::array<std::byte, dos::kNewHeaderProbeSize> newHeader{};
    if (Status s = file->readExactAt(newHeaderOffset, newHeader); !s) {
        show(ExeMessage::TestHeaderNotFound);
        return outcome;
    }
    const auto is = [&](char c0, char c1) {
        return newHeader[0] == std::byte(c0) && newHeader[1] == std::byte(c1);
    };
    if (io::loadU32le(newHeader, 0) == dos::kPeSignature || is('N', 'E'))
        return outcome;
    if (is('L', 'E'))
        show(ExeMessage::TestSystemFile);
    else if (is('M', 'Z'))
        show(ExeMessage::TestOldDosFile);
    else
        show(ExeMessage::TestUnknownFileType);
    return outcome;
}

}  // namespace quillon::exe
