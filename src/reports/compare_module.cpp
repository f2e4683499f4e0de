// One comparison: reading the disk file, verifying the module, the passes and the status.
#include "reports/compare_module.h"

#include <deque>
#include <memory>
#include <optional>

#include "base/ascii_text.h"
#include "base/lib_file_name.h"
#include "core/error_report.h"
#include "exe/executable_image.h"
#include "exe/image_source.h"
#include "lib/lib_reader.h"
#include "platform/error_codes.h"
#include "reports/compare_messages.h"
#include "reports/compare_passes.h"
#include "reports/compare_status.h"
#include "reports/compare_texts.h"

namespace quillon::reports {

namespace {

std::string_view withoutExtension(std::string_view name)
{
    name = trimRight(name);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? name : name.substr(0, dot);
}

/// The disk side once read: its module name and functions, whose names view `names` or the
/// file's pages held by `source`.
struct DiskModule {
    std::string name;
    std::vector<CompareFunction> functions;
};

/// What the disk side's names live in while the passes run.
struct DiskText {
    std::optional<platform::File> file;
    std::unique_ptr<exe::FileSource> source;
    std::unique_ptr<Workspace> scratch;
    /// Upper-cased names (a deque keeps each string where it is).
    std::deque<std::string> upper;
};

class Comparison {
public:
    Comparison(Workspace& ws, std::size_t moduleRow, const std::string& diskFile,
               const CompareOptions& options, std::optional<platform::File> opened = std::nullopt)
        : m_ws(ws), m_moduleRow(moduleRow), m_opened(std::move(opened))
    {
        m_result.options = options;
        m_result.diskFile = diskFile;
    }

    CompareResult run()
    {
        const LibraryList& rows = m_ws.library.rows;
        if (m_moduleRow >= rows.size() || !rows[m_moduleRow].isModule())
            return failed(CompareEnd::ModuleNotFound);
        collectLibrarySide();
        status(2, kInitializingText);
        if (!m_opened && !m_ws.files().isFile(m_result.diskFile)) {
            message(fileNotFoundMessage(m_result.diskFile));
            status(1, kFileWasNotFoundText);
            return failed(CompareEnd::FileNotFound);
        }
        status(2, kComparingText);
        const bool lib = isLibDiskFile(m_result.diskFile);
        std::optional<DiskModule> disk = lib ? readLibFile() : readExecutable();
        if (!disk)
            return std::move(m_result);
        m_result.diskModuleName = disk->name;

        status(2, kVerifyingModuleText);
        const std::uint32_t moduleChange = verifyModule();
        if (m_result.end != CompareEnd::Compared)
            return std::move(m_result);

        PassInput input;
        input.libraryModule = m_result.moduleName;
        input.diskModule = disk->name;
        input.library = std::move(m_library);
        input.disk = std::move(disk->functions);
        input.options = m_result.options;
        input.moduleChange = moduleChange;
        if (!m_result.options.UseMatchCase) {
            for (CompareFunction& f : input.library)
                f.name = m_text.upper.emplace_back(upperCase(f.name));
            for (CompareFunction& f : input.disk)
                f.name = m_text.upper.emplace_back(upperCase(f.name));
        }
        m_ws.cancel.clear();
        PassHooks hooks;
        hooks.status = [this](std::string_view text) { status(2, text); };
        hooks.cancelled = [this] { return m_ws.cancel.poll(); };
        if (!runComparePasses(input, hooks, m_result.rows, m_result.counts)) {
            m_result.rows.clear();
            status(1, kCancelledText);
            status(2, "");
            status(3, "");
            return failed(CompareEnd::Cancelled);
        }
        m_result.status = decideStatus(m_result.counts, m_result.options.partialMatch);
        status(1, std::string(kCompareResultText) + m_result.status.longText);
        status(2, "");
        status(3, m_result.status.shortText);
        return std::move(m_result);
    }

private:
    void status(int pane, std::string_view text)
    {
        m_result.statusTexts[static_cast<std::size_t>(pane - 1)] = std::string(text);
        if (m_ws.options.UseStatusBar)
            m_ws.ui().status(pane, text);
    }
    int message(const ui::MessageBox& box)
    {
        if (m_ws.options.UseNoMessages)
            return box.defaultButton;
        return m_ws.ui().message(box);
    }
    void fail(CompareEnd end)
    {
        m_result.end = end;
        if (m_result.status.longText.empty())
            m_result.status = failureStatus(m_result);
    }
    CompareResult failed(CompareEnd end)
    {
        fail(end);
        return std::move(m_result);
    }

    void collectLibrarySide()
    {
        const LibraryList& rows = m_ws.library.rows;
        const LibraryRow& module = rows[m_moduleRow];
        m_result.moduleName = std::string(trimRight(module.MODULENAME.view()));
        m_result.loadedFrom = module.fileName();
        m_result.locatedFile = module.fileNameDll();
        for (const ModuleEntry& entry : m_ws.library.modules) {
            if (entry.MODULENUM == module.MODULENUM && entry.MODULENAME == module.MODULENAME) {
                m_result.loadedFrom = entry.FILENAME;
                m_result.locatedFile = entry.FILENAMEDLL;
                break;
            }
        }
        for (std::size_t i = m_moduleRow + 1; i < rows.size() && rows[i].isSymbol(); ++i)
            m_library.push_back(CompareFunction{rows[i].SYMBOL, rows[i].ORDINAL});
    }

    /// A scratch workspace over the same services: the disk rows never touch the library.
    void prepareScratch(Workspace& scratch) const
    {
        scratch.options = m_ws.options;
    }

    std::optional<DiskModule> readFailure(int code, const std::string& text)
    {
        m_result.errorCode = code;
        m_result.errorText = text;
        // The box names the file being read, not the library's own.
        reportPostedError(m_ws, code, text, m_result.diskFile);
        fail(CompareEnd::ReadError);
        return std::nullopt;
    }

    std::optional<DiskModule> readLibFile()
    {
        m_text.scratch =
            std::make_unique<Workspace>(m_ws.ui(), m_ws.files(), m_ws.settings(), m_ws.clock());
        Workspace& scratch = *m_text.scratch;
        prepareScratch(scratch);
        lib::LibLoadRequest request;
        request.fileName = m_result.diskFile;
        request.showProgress = m_ws.options.UseStatusBar;
        request.quiet = request.showProgress ? false : true;
        request.QuietLoad = true;
        if (!m_result.options.partialMatch)
            request.moduleName = m_result.moduleName;
        const Result<lib::LibLoadOutcome> loaded = lib::loadLibrary(scratch, request);
        if (!loaded)
            return readFailure(loaded.error().code, loaded.error().text);
        switch (loaded->end) {
            case lib::LibLoadEnd::Cancelled:
                status(1, kCancelledText);
                fail(CompareEnd::Cancelled);
                return std::nullopt;
            case lib::LibLoadEnd::NotLibrary:
            case lib::LibLoadEnd::Empty:
                message(noExportsMessage(m_result.diskFile, true));
                m_result.status = {std::string(kStatusNoRecords), std::string(kStatusNoExports)};
                status(1, kNoExportsFoundText);
                fail(CompareEnd::NoExports);
                return std::nullopt;
            case lib::LibLoadEnd::ModuleNotFound:
            case lib::LibLoadEnd::Loaded:
                break;
        }
        const LibraryList& rows = scratch.library.rows;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].isModule() &&
                (!m_result.options.partialMatch ||
                 partialModuleMatch(rows[i].MODULENAME.view(), m_result.moduleName)))
                return moduleAt(rows, i);
        }
        message(moduleNotFoundMessage(m_result.moduleName, m_result.diskFile, true));
        m_result.status = {std::string(kStatusModuleNotInFile), std::string(kStatusModuleNotFound)};
        fail(CompareEnd::ModuleNotFound);
        return std::nullopt;
    }

    /// Reads the exports straight from the file's pages, without making library rows.
    std::optional<DiskModule> readExecutable()
    {
        Result<platform::File> file =
            m_opened ? Result<platform::File>(std::move(*m_opened))
                     : m_ws.files().openRead(m_result.diskFile);
        const Result<std::uint64_t> size =
            file ? file->size() : Result<std::uint64_t>(file.error());
        if (!size)
            return readFailure(size.error().code, size.error().text);
        m_text.file.emplace(std::move(*file));
        m_text.source = std::make_unique<exe::FileSource>(*m_text.file, *size);
        const exe::ExecutableExports exports = exe::readExecutable(*m_text.source);
        // A file too short for a DOS header is no executable; other failures are read errors.
        if (exports.kind == exe::ExecutableKind::Unreadable &&
            exports.error.code != platform::kReadPastEnd)
            return readFailure(exports.error.code, exports.error.text);
        if (exports.kind == exe::ExecutableKind::Pe || exports.kind == exe::ExecutableKind::Ne) {
            for (const exe::ExportTable& table : exports.tables) {
                if (!table.hasModule || table.names.empty())
                    continue;
                if (table.error.code != 0)
                    return readFailure(table.error.code, table.error.text);
                DiskModule disk;
                disk.name = std::string(trimRight(ModuleName(table.moduleName).view()));
                disk.functions.reserve(table.names.size());
                for (const exe::ExportedName& name : table.names)
                    disk.functions.push_back(CompareFunction{name.name, name.ordinal});
                return disk;
            }
        }
        message(noExportsMessage(m_result.diskFile, false));
        status(1, kNoExportsFoundText);
        fail(CompareEnd::NoExports);
        return std::nullopt;
    }

    static DiskModule moduleAt(const LibraryList& rows, std::size_t row)
    {
        DiskModule disk;
        disk.name = std::string(trimRight(rows[row].MODULENAME.view()));
        for (std::size_t i = row + 1; i < rows.size() && rows[i].isSymbol(); ++i)
            disk.functions.push_back(CompareFunction{rows[i].SYMBOL, rows[i].ORDINAL});
        return disk;
    }

    /// The module marker for the disk rows; asks when the module is not found in the file.
    std::uint32_t verifyModule()
    {
        const std::string& library = m_result.moduleName;
        const std::string& disk = m_result.diskModuleName;
        if (library == disk)
            return 0;
        if (upperCase(library) == upperCase(disk)) {
            if (!m_result.options.UseMatchCase)
                return 0;
            ++m_result.counts.moduleCasing;
            return kModuleCasing;
        }
        if (!m_result.options.partialMatch || !partialModuleMatch(library, disk)) {
            status(2, kModuleNotVerifiedText);
            const ui::MessageBox question =
                moduleNotInDiskFileQuestion(library, disk, m_result.options.partialMatch);
            if (message(question) != 1) {
                fail(CompareEnd::ModuleNotFound);
                return 0;
            }
        }
        ++m_result.counts.moduleOther;
        return kModuleChanged;
    }

    Workspace& m_ws;
    std::size_t m_moduleRow;
    CompareResult m_result;
    std::optional<platform::File> m_opened;
    std::vector<CompareFunction> m_library;
    DiskText m_text;
};

}  // namespace

bool isLibDiskFile(std::string_view fileName)
{
    return isLibFileName(fileName);
}

bool partialModuleMatch(std::string_view a, std::string_view b)
{
    return upperCase(withoutExtension(a)) == upperCase(withoutExtension(b));
}

CompareResult compareModule(Workspace& ws, std::size_t moduleRow, const std::string& diskFile,
                            const CompareOptions& options)
{
    return Comparison(ws, moduleRow, diskFile, options).run();
}

CompareResult compareModule(Workspace& ws, std::size_t moduleRow, const std::string& diskFile,
                            const CompareOptions& options, platform::File opened)
{
    return Comparison(ws, moduleRow, diskFile, options, std::move(opened)).run();
}

}  // namespace quillon::reports
