// Reads Clarion LIB files into the library, into SavedLibSymbols, and tests candidate files.
#include "lib/lib_reader.h"

#include <algorithm>

#include "base/lib_file_name.h"
#include "core/exclude_list.h"
#include "core/library_model.h"
#include "core/progress_indicator.h"
#include "lib/lib_file_bytes.h"
#include "lib/lib_format.h"
#include "lib/lib_messages.h"
#include "platform/error_codes.h"

namespace quillon::lib {

namespace {

/// Shows "NOT a library file!" after a failed LIB test of `fileName`, unless `QuietLoad`.
void reportLibTest(Workspace& ws, const std::string& fileName, bool isLibrary, bool QuietLoad)
{
    if (!isLibrary && !QuietLoad)
        showMessage(ws, notLibraryFileMessage(fileName));
}

/// Records read between two looks at the Escape key.
constexpr std::uint64_t kRecordsPerPoll = 64;

/// The walk of the library loader over the file's bytes.
class LibraryLoad {
public:
    LibraryLoad(Workspace& ws, const LibLoadRequest& request, LibFileBytes& bytes,
                ProgressIndicator& progress, bool progressShown, bool countSymbols)
        : m_ws(ws),
          m_searchName(upperCase(cutName(request.moduleName, kMaxModuleLength))),
          m_bytes(bytes),
          m_walker(bytes),
          m_progress(progress),
          m_progressShown(progressShown),
          m_countSymbols(countSymbols)
    {
    }

    /// Runs the walk; a read error is returned with the rows appended so far kept.
    Result<LibLoadEnd> run()
    {
        const bool searching = !m_searchName.empty();
        ImportDefinition record;
        std::uint64_t symbols = 0;
        std::uint64_t records = 0;
        for (;;) {
            const Result<bool> found = m_walker.next(record);
            if (!found)
                return found.error();
            if (!*found)
                break;
            // Records take well under a microsecond each: looking at the clock for every
            // one of them would cost more than reading them.
            if (records++ % kRecordsPerPoll == 0) {
                if (m_ws.cancel.poll())
                    return LibLoadEnd::Cancelled;
                m_bytes.releaseBefore(record.position);
            }
            if (searching && upperCase(record.module) != m_searchName) {
                // The requested module is one run of records: the first record of another
                // module after it ends the search.
                if (m_moduleFound)
                    break;
                continue;
            }
            if (m_splitter.opensModule(record)) {
                if (searching && m_moduleFound)
                    break;
                if (searching) {
                    m_moduleFound = true;
                    if (m_progressShown)
                        showStatus(m_ws, 2, kLoadingText);
                }
                appendModuleRow(m_ws, record.module, kOsUnknown);
            }
            appendSymbolRow(m_ws, record.symbol, record.ordinal);
            ++symbols;
            if (m_countSymbols)
                m_progress.step(symbols, kSymbolsUnit);
            else
                m_progress.step(std::min(m_walker.position(), m_progress.total()), kBytesUnit);
        }
        return searching && !m_moduleFound ? LibLoadEnd::ModuleNotFound : LibLoadEnd::Loaded;
    }

private:
    Workspace& m_ws;
    std::string m_searchName;
    LibFileBytes& m_bytes;
    RecordWalker m_walker;
    ModuleSplitter m_splitter;
    ProgressIndicator& m_progress;
    bool m_progressShown;
    bool m_countSymbols;
    bool m_moduleFound = false;
};

}  // namespace

namespace {

// About the size of an import record with the short names most DLLs export: enough room for the
// rows of a whole file is made at once, instead of growing the list (and copying it) as it fills.
constexpr std::size_t kTypicalRecordBytes = 24;

void reserveRows(LibraryList& rows, std::size_t more)
{
    const std::size_t wanted = rows.size() + more;
    if (wanted > rows.capacity())
        rows.reserve(std::max(wanted, 2 * rows.capacity()));
}

}  // namespace

namespace {

/// The LIB test over the file's bytes: an open or read error, or whether an import definition
/// by ordinal is there.
Result<bool> testLibFile(Workspace& ws, const std::string& fileName)
{
    Result<LibFileBytes> bytes = LibFileBytes::open(ws.files(), fileName);
    if (!bytes)
        return bytes.error();
    Result<bool> found = containsImportDefinition(*bytes);
    if (Status intact = bytes->check(); found && !intact)
        found = intact.error();
    return found;
}

}  // namespace

Result<bool> libTest(Workspace& ws, const std::string& fileName, bool QuietLoad)
{
    const Result<bool> found = testLibFile(ws, fileName);
    if (found)
        reportLibTest(ws, fileName, *found, QuietLoad);
    return found;
}

bool dropEmptyLoad(Workspace& ws, std::size_t firstNewRow, const std::string& fileName,
                   bool progressShown, bool QuietLoad)
{
    if (ws.library.rows.size() != firstNewRow + 1)
        return false;
    truncateLibrary(ws, firstNewRow);
    if (progressShown)
        showStatus(ws, 3, {});
    if (!QuietLoad)
        showMessage(ws, emptyLibraryFileMessage(fileName));
    return true;
}

Result<LibLoadOutcome> loadLibrary(Workspace& ws, const LibLoadRequest& request)
{
    const std::size_t firstNewRow = ws.library.rows.size();
    ws.cancel.clear();

    Result<LibFileBytes> bytes = LibFileBytes::open(ws.files(), request.fileName);
    if (!bytes)
        return bytes.error();
    const Result<bool> isLibrary = containsImportDefinition(*bytes);
    if (!isLibrary)
        return isLibrary.error();
    reportLibTest(ws, request.fileName, *isLibrary, request.QuietLoad);
    if (!*isLibrary)
        return LibLoadOutcome{LibLoadEnd::NotLibrary, 0};

    const bool showProgress = request.showProgress && !request.quiet;
    const bool countSymbols = !request.bySize && request.symbolTotal != 0;
    ProgressIndicator progress(ws.ui(), showProgress);
    progress.start(request.moduleName.empty() ? kLoadingText : kSearchingFileText,
                   countSymbols ? request.symbolTotal : bytes->size());

    if (request.moduleName.empty())
        reserveRows(ws.library.rows, bytes->size() / kTypicalRecordBytes);
    LibraryLoad load(ws, request, *bytes, progress, showProgress, countSymbols);
    Result<LibLoadEnd> walked = load.run();
    // A file cut short under the walk ends it as a read error would.
    if (Status intact = bytes->check(); walked && !intact)
        walked = intact.error();
    if (walked && *walked == LibLoadEnd::Cancelled) {
        truncateLibrary(ws, firstNewRow);
        return LibLoadOutcome{LibLoadEnd::Cancelled, 0};
    }
    progress.step(progress.total(), countSymbols ? kSymbolsUnit : kBytesUnit);
    if (walked && *walked == LibLoadEnd::ModuleNotFound) {
        showStatus(ws, 2, kModuleNotFoundText);
        showStatus(ws, 3, {});
    }
    if (dropEmptyLoad(ws, firstNewRow, request.fileName, showProgress, request.QuietLoad))
        return LibLoadOutcome{LibLoadEnd::Empty, 0};

    const std::size_t rowsAdded = ws.library.rows.size() - firstNewRow;
    if (rowsAdded > 0)
        postProcessLoad(ws, firstNewRow,
                        LoadedFile{ws.files().fullPath(request.fileName), false, 0});
    if (!walked)
        return walked.error();
    return LibLoadOutcome{*walked, rowsAdded};
}

Status loadSavedLibSymbols(Workspace& ws)
{
    SavedLibSymbolList& saved = ws.SavedLibSymbols;
    saved.clear();
    const ModuleTable& modules = ws.library.modules;
    const auto first = std::min_element(
        modules.begin(), modules.end(),
        [](const ModuleEntry& a, const ModuleEntry& b) { return a.MODULENUM < b.MODULENUM; });
    const std::string& fileName = ws.library.LibraryFileName;
    if (first == modules.end() || !containsLibExtension(first->FILENAME) || fileName.empty())
        return {};

    Result<LibFileBytes> bytes = LibFileBytes::open(ws.files(), fileName);
    if (!bytes)
        return bytes.error();
    RecordWalker walker(*bytes);
    ModuleSplitter splitter;
    ImportDefinition record;
    // The rows of one module share one copy of its name.
    ModuleName module;
    auto push = [&saved, &module](TreeLevel level, std::string_view symbol, std::uint16_t ordinal) {
        SavedLibSymbol row;
        row.MODULENAME = module;
        row.TREELEVEL = level;
        row.SYMBOL = std::string(symbol);
        row.SYMBOLUPPER = upperCase(symbol);
        row.ORDINAL = ordinal;
        row.UNSORTED = static_cast<std::uint32_t>(saved.size() + 1);
        saved.push_back(std::move(row));
    };
    for (;;) {
        const Result<bool> found = walker.next(record);
        if (!found)
            return found.error();
        if (!*found)
            return bytes->check();
        bytes->releaseBefore(record.position);
        if (splitter.opensModule(record)) {
            module = ModuleName(record.module);
            push(TreeLevel::ModuleExpanded, record.module, 0);
        }
        push(TreeLevel::Symbol, record.symbol, record.ordinal);
    }
}

ReadOutcome fileTest(Workspace& ws, const std::string& fileName,
                     const ExecutableTest& executableTest, bool QuietLoad)
{
    ReadOutcome outcome;
    if (isLibFileName(fileName)) {
        const Result<bool> found = testLibFile(ws, fileName);
        if (!found) {
            outcome.post(found.error());
        } else if (!*found) {
            reportLibTest(ws, fileName, false, QuietLoad);
            outcome.reject();
        }
    } else if (executableTest) {
        outcome = executableTest(ws, fileName);
    } else {
        outcome.reject();
    }
    return outcome;
}

}  // namespace quillon::lib
