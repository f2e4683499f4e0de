// The library writer and the flat-list writer over the file layer, with backup and restore.
#include "lib/lib_writer.h"

#include <optional>

#include "core/progress_indicator.h"
#include "lib/lib_format.h"
#include "lib/lib_messages.h"
#include "platform/error_codes.h"

namespace quillon::lib {

namespace {

/// One write of a LIB file: the backup, the new file, the appends and the ending that either
/// deletes the backup or puts it back.
class LibFileWrite {
public:
    LibFileWrite(Workspace& ws, bool codeTwoIsSilent)
        : m_ws(ws),
          m_target(ws.CurrentFileName),
          m_backup(backupName(m_target)),
          m_codeTwoIsSilent(codeTwoIsSilent)
    {
    }

    /// Renames an existing target to the backup name and creates the new file. A failure is
    /// reported as "Open file error!" with the old file back in place.
    [[nodiscard]] Status open()
    {
        platform::FileSystem& files = m_ws.files();
        // A target that is not a regular file (a folder, say) is never moved: creating the
        // file fails below and nothing on disk changes.
        if (files.isFile(m_target)) {
            if (Status renamed = files.rename(m_target, m_backup); !renamed) {
                report(SaveFailure::OpenFile, renamed.error());
                return renamed;
            }
            m_backedUp = true;
        }
        Result<platform::File> created = files.create(m_target);
        if (!created) {
            restoreBackup();
            report(SaveFailure::OpenFile, created.error());
            return created.error();
        }
        m_file = std::move(*created);
        return {};
    }

    /// Appends one record in four appends: header, symbol name, module name, ordinal.
    [[nodiscard]] Status append(std::string_view symbol, std::string_view module,
                                std::uint16_t ordinal)
    {
        assembleImportRecord(m_record, symbol, module, ordinal);
        if (Status s = m_file.append(m_record.headerBytes()); !s)
            return s;
        if (Status s = m_file.append(m_record.symbolBytes()); !s)
            return s;
        if (Status s = m_file.append(m_record.moduleBytes()); !s)
            return s;
        return m_file.append(m_record.ordinalBytes());
    }

    [[nodiscard]] std::uint64_t size()
    {
        const Result<std::uint64_t> size = m_file.size();
        return size ? *size : 0;
    }

    /// Ends the write after the records: flush to disk and close, then delete the backup; or,
    /// after `kept` or any failure here, delete the new file and put the backup back. Reports
    /// the failure and returns it.
    [[nodiscard]] Status finish(std::optional<Error> kept)
    {
        if (kept) {
            (void)m_file.close();
        } else if (Status flushed = m_file.flush(); !flushed) {
            kept = flushed.error();
            (void)m_file.close();
        } else if (Status closed = m_file.close(); !closed) {
            kept = closed.error();
        }
        // Code 5 from the writes means the disk is full; any later failure is another error.
        SaveFailure failure = kept && kept->code == platform::kAccessDenied ? SaveFailure::DiskFull
                                                                            : SaveFailure::Saving;
        if (!kept && m_backedUp) {
            if (Status removed = m_ws.files().remove(m_backup); !removed)
                kept = removed.error();
        }
        if (!kept)
            return {};
        (void)m_ws.files().remove(m_target);
        restoreBackup();
        if (kept->code == platform::kFileNotFound && m_codeTwoIsSilent)
            return *kept;
        report(failure, *kept);
        return *kept;
    }

private:
    void restoreBackup()
    {
        if (m_backedUp)
            (void)m_ws.files().rename(m_backup, m_target);
        m_backedUp = false;
    }

    void report(SaveFailure failure, const Error& error)
    {
        showStatus(m_ws, 1, errorPostedStatus(error));
        showMessage(m_ws, saveFailureMessage(failure, error, m_target));
    }

    Workspace& m_ws;
    std::string m_target;
    std::string m_backup;
    bool m_codeTwoIsSilent;
    bool m_backedUp = false;
    platform::File m_file;
    EncodedRecord m_record;
};

}  // namespace

std::string backupName(std::string_view target)
{
    if (target.empty())
        return "_";
    std::string name(target.substr(0, target.size() - 1));
    name += '_';
    return name;
}

Status writeLibrary(Workspace& ws, const WriteOptions& options)
{
    LibFileWrite write(ws, true);
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

Status writeQueryResults(Workspace& ws, const WriteOptions& options)
{
    LibFileWrite write(ws, false);
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
