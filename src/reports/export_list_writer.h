// ExportListWriter: writes export rows as the export list into a file or a text, through a
// buffer, with progress in bytes and the Escape poll after every symbol line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/result.h"
#include "core/workspace.h"
#include "platform/file_system.h"
#include "reports/export_rows.h"

namespace quillon::reports {

/// Where the text goes: appended piece by piece.
class ExportSink {
public:
    virtual ~ExportSink() = default;
    [[nodiscard]] virtual Status append(std::string_view text) = 0;
};

/// Appends to an open file (which buffers further).
class FileSink final : public ExportSink {
public:
    explicit FileSink(platform::File& file) : m_file(file) {}
    [[nodiscard]] Status append(std::string_view text) override { return m_file.append(text); }

private:
    platform::File& m_file;
};

/// Collects the text in memory.
class StringSink final : public ExportSink {
public:
    [[nodiscard]] Status append(std::string_view text) override
    {
        m_text += text;
        return {};
    }
    [[nodiscard]] const std::string& text() const { return m_text; }

private:
    std::string m_text;
};

struct ExportWriteOptions {
    /// The title block says the list is copied to the clipboard.
    bool copied = false;
    /// Progress in the status bar ("Exporting...", the bytes written so far).
    bool showProgress = false;
};

enum class ExportWriteEnd { Written, Cancelled, Failed };

struct ExportWriteOutcome {
    ExportWriteEnd end = ExportWriteEnd::Written;
    /// The bytes handed to the sink.
    std::uint64_t bytes = 0;
    /// The sink's error when `Failed`.
    Error error;
};

/// Writes the title block, the module comments, one line per symbol row and the end block.
/// Escape (the workspace's cancellation poll) stops before the end block. An empty source
/// writes nothing.
[[nodiscard]] ExportWriteOutcome writeExportList(Workspace& ws, const ExportRowSource& rows,
                                                 ExportSink& sink,
                                                 const ExportWriteOptions& options);

}  // namespace quillon::reports
