// The library writer and the flat-list writer: a new file beside the target, put in its place whole.
#include "lib/lib_writer.h"

#include <memory>
#include <optional>

#include "core/progress_indicator.h"
#include "lib/lib_format.h"
#include "lib/lib_messages.h"
#include "platform/error_codes.h"
#include "platform/replacement_file.h"

namespace quillon::lib {

namespace {

/// The records are assembled in a block of about this many bytes, written whole.
constexpr std::size_t kBlockSize = 1u << 20;

/// One write of a LIB file: the new file beside the target, the records assembled in a block
/// and written a block at a time, and the ending that either puts it in the target's place or
/// removes it.
class LibFileWrite {
public:
    LibFileWrite(Workspace& ws, const std::string& target, bool codeTwoIsSilent)
        : m_ws(ws), m_target(target), m_codeTwoIsSilent(codeTwoIsSilent)
    {
    }

    /// Creates the new file beside the target. A failure is reported as "Open file error!";
    /// the target is untouched.
    [[nodiscard]] Status open()
    {
        Result<platform::ReplacementFile> created =
            platform::ReplacementFile::begin(m_ws.files(), m_target);
        if (!created) {
            report(SaveFailure::OpenFile, created.error());
            return created.error();
        }
        m_file = std::move(*created);
        return {};
    }

    /// Adds one record to the block, writing the block when it is full.
    [[nodiscard]] Status append(std::string_view symbol, std::string_view module,
                                std::uint16_t ordinal)
    {
        if (m_used + kMaxRecordSize > kBlockSize) {
            if (Status s = writeBlock(); !s)
                return s;
        }
        m_used += writeImportRecord(m_block.get() + m_used, symbol, module, ordinal);
        return {};
    }

    /// The bytes of the file so far, the block's included.
    [[nodiscard]] std::uint64_t size()
    {
        const Result<std::uint64_t> size = m_file.size();
        return (size ? *size : 0) + m_used;
    }

    /// Ends the write after the records: flush to disk, close and rename over the target; or,
    /// after `kept` or any failure here, remove the new file, so that the target holds what it
    /// held before. Reports the failure and returns it.
    [[nodiscard]] Status finish(std::optional<Error> kept)
    {
        SaveFailure failure = SaveFailure::Saving;
        if (!kept) {
            if (Status written = writeBlock(); !written)
                kept = written.error();
        }
        if (!kept) {
            if (Status written = m_file.finishWriting(); !written)
                kept = written.error();
        }
        // Code 5 from writing means the disk is full.
        if (kept && kept->code == platform::kAccessDenied)
            failure = SaveFailure::DiskFull;
        if (!kept) {
            // The target could not be replaced (a file another program holds open on Windows,
            // say): the same failure as a target that cannot be created.
            if (Status replaced = m_file.commit(); !replaced) {
                kept = replaced.error();
                failure = SaveFailure::OpenFile;
            }
        }
        if (!kept)
            return {};
        m_file.abandon();
        if (kept->code == platform::kFileNotFound && m_codeTwoIsSilent)
            return *kept;
        report(failure, *kept);
        return *kept;
    }

private:
    [[nodiscard]] Status writeBlock()
    {
        const std::size_t used = m_used;
        m_used = 0;
        if (used == 0)
            return {};
        return m_file.append(std::string_view(m_block.get(), used));
    }

    void report(SaveFailure failure, const Error& error)
    {
        showStatus(m_ws, 1, errorPostedStatus(error));
        showMessage(m_ws, saveFailureMessage(failure, error, m_target));
    }

    Workspace& m_ws;
    std::string m_target;
    bool m_codeTwoIsSilent;
    platform::ReplacementFile m_file;
    std::unique_ptr<char[]> m_block = std::make_unique_for_overwrite<char[]>(kBlockSize);
    std::size_t m_used = 0;
};

}  // namespace

Status writeLibrary(Workspace& ws, const std::string& CurrentFileName, const WriteOptions& options)
{
    LibFileWrite write(ws, CurrentFileName, true);
    if (Status opened = write.open(); !opened)
        return opened;
    ProgressIndicator progress(ws.ui(), options.showProgress && !options.quiet);
    progress.start(kSavingText, ws.library.SymbolCount);

    std::optional<Error> kept;
    std::string_view previousModule;
    bool first = true;
    for (const LibraryRow& row : ws.library.rows) {
        if (row.ORDINAL == 0)
            continue;
        const std::string_view module = row.MODULENAME.view();
        if (first || module != previousModule) {
            previousModule = module;
            first = false;
            ws.ui().processEvents();
        }
        if (Status appended = write.append(row.SYMBOL, module, row.ORDINAL); !appended) {
            kept = appended.error();
            break;
        }
        progress.step(write.size(), kBytesUnit);
    }
    progress.step(write.size(), kBytesUnit);
    return write.finish(std::move(kept));
}

Status writeQueryResults(Workspace& ws, const std::string& CurrentFileName,
                         const WriteOptions& options)
{
    LibFileWrite write(ws, CurrentFileName, false);
    if (Status opened = write.open(); !opened)
        return opened;
    ProgressIndicator progress(ws.ui(), options.showProgress && !options.quiet);
    progress.start(kSavingText, ws.queryResults.size());

    std::optional<Error> kept;
    for (const QueryResult& row : ws.queryResults.rows) {
        const std::string_view symbol = cutName(row.SYMBOL, kMaxSymbolLength);
        const std::string_view module = cutName(row.MODULENAME.view(), kMaxModuleLength);
        if (Status appended = write.append(symbol, module, row.ORDINAL); !appended) {
            kept = appended.error();
            break;
        }
        ws.ui().processEvents();
        progress.step(write.size(), kBytesUnit);
    }
    progress.step(write.size(), kBytesUnit);
    return write.finish(std::move(kept));
}

}  // namespace quillon::lib
