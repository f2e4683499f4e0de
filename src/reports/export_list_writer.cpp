// Writing the export list.
#include "reports/export_list_writer.h"

#include "core/progress_indicator.h"
#include "reports/export_list_layout.h"

namespace quillon::reports {

namespace {

/// Text is handed to the sink in pieces of about this size.
constexpr std::size_t kBufferSize = 64 * 1024;
/// Progress is redrawn once every this many rows (and at the end).
constexpr std::size_t kProgressStride = 4096;

/// The buffer between the layout and the sink; remembers the first failed append.
class BufferedOut {
public:
    explicit BufferedOut(ExportSink& sink) : m_sink(sink) { m_text.reserve(kBufferSize + 4096); }

    std::string& text() { return m_text; }
    void maybeFlush()
    {
        if (m_text.size() >= kBufferSize)
            flush();
    }
    void flush()
    {
        if (m_text.empty())
            return;
        if (m_error.code == 0) {
            const Status s = m_sink.append(m_text);
            if (s.ok())
                m_written += m_text.size();
            else
                m_error = s.error();
        }
        m_text.clear();
    }
    [[nodiscard]] std::uint64_t size() const { return m_written + m_text.size(); }
    [[nodiscard]] const Error& error() const { return m_error; }

private:
    ExportSink& m_sink;
    std::string m_text;
    std::uint64_t m_written = 0;
    Error m_error;
};

}  // namespace

ExportWriteOutcome writeExportList(Workspace& ws, const ExportRowSource& rows, ExportSink& sink,
                                   const ExportWriteOptions& options)
{
    ExportWriteOutcome outcome;
    const std::size_t count = rows.size();
    if (count == 0)
        return outcome;
    ProgressIndicator progress(ws.ui(), options.showProgress);
    progress.start("Exporting...", count);
    ws.cancel.clear();

    BufferedOut out(sink);
    std::string current(rows.at(0).module);
    out.text() = exportListTitle(options.copied, current);
    bool cancelled = false;
    for (std::size_t i = 0; i < count && out.error().code == 0; ++i) {
        const ExportRow row = rows.at(i);
        // Letter case counts: modules whose names differ only in case are two modules of the
        // library, each with its own section.
        if (row.module != current) {
            appendModuleSwitch(out.text(), current, row.module);
            current.assign(row.module);
        }
        if (row.moduleRow)
            continue;
        appendSymbolLine(out.text(), row.symbol, row.ordinal, row.comment);
        out.maybeFlush();
        if (options.showProgress && ((i + 1) % kProgressStride == 0 || i + 1 == count))
            ws.ui().progress(i + 1, count, std::to_string(out.size()) + " bytes");
        if (ws.cancel.poll()) {
            cancelled = true;
            break;
        }
    }
    if (!cancelled)
        appendEndBlock(out.text(), current);
    out.flush();
    progress.end();
    outcome.bytes = out.size();
    if (out.error().code != 0) {
        outcome.end = ExportWriteEnd::Failed;
        outcome.error = out.error();
    } else if (cancelled) {
        outcome.end = ExportWriteEnd::Cancelled;
    }
    return outcome;
}

}  // namespace quillon::reports
