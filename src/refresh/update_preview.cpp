// Building the update list from the locating pass and the compare engine.
#include "refresh/update_preview.h"

#include "base/text_encoding.h"
#include "refresh/library_update.h"
#include "reports/compare_module.h"
#include "reports/module_definition.h"

namespace quillon::refresh {

namespace {

/// True when the row tells of anything but an unchanged function.
bool isChange(const reports::CompareRow& row)
{
    return (row.changes & ~static_cast<std::uint32_t>(reports::kUnchanged)) != 0;
}

/// Restores the message switch however the run ends.
class QuietMessages {
public:
    explicit QuietMessages(Workspace& ws) : m_ws(ws), m_saved(ws.options.UseNoMessages)
    {
        m_ws.options.UseNoMessages = 1;
    }
    ~QuietMessages() { m_ws.options.UseNoMessages = m_saved; }
    QuietMessages(const QuietMessages&) = delete;
    QuietMessages& operator=(const QuietMessages&) = delete;

private:
    Workspace& m_ws;
    decltype(Options::UseNoMessages) m_saved;
};

}  // namespace

UpdatePreview buildUpdatePreview(Workspace& ws, const reports::CompareOptions& options)
{
    UpdatePreview preview;
    if (ws.library.empty())
        return preview;
    const QuietMessages quiet(ws);
    const UpdatePlan plan = planLibraryUpdate(ws);
    preview.cancelled = plan.cancelled;
    for (const RefreshEntry& entry : plan.entries) {
        ++preview.modules;
        if (!entry.located()) {
            ++preview.notLocated;
            preview.rows.push_back({cp1252ToUtf8(entry.module), {}, 0, kPreviewFileNotFound});
            continue;
        }
        const std::optional<std::size_t> row = reports::findModuleRow(ws, entry.module);
        if (!row)
            continue;
        const reports::CompareResult result =
            reports::compareModule(ws, *row, entry.FILENAME, options);
        if (result.end == reports::CompareEnd::Cancelled) {
            preview.cancelled = true;
            break;
        }
        if (!result.compared()) {
            ++preview.changedModules;
            preview.rows.push_back(
                {cp1252ToUtf8(entry.module), {}, 0, "<" + result.status.longText + ">"});
            continue;
        }
        bool changed = false;
        for (const reports::CompareRow& r : result.rows) {
            if (!isChange(r))
                continue;
            changed = true;
            preview.rows.push_back({cp1252ToUtf8(r.MODULENAME.view()), cp1252ToUtf8(r.SYMBOL),
                                    r.ORDINAL, cp1252ToUtf8(r.COMMENT)});
        }
        preview.changedModules += changed ? 1 : 0;
    }
    return preview;
}

std::vector<std::string> updatePreviewLines(const UpdatePreview& preview)
{
    std::vector<std::string> lines;
    lines.reserve(preview.rows.size());
    for (const UpdatePreviewRow& row : preview.rows) {
        const std::string ordinal =
            row.symbol.empty() ? std::string() : std::to_string(row.ordinal);
        lines.push_back(row.module + '\t' + row.symbol + '\t' + ordinal + '\t' + row.change);
    }
    return lines;
}

}  // namespace quillon::refresh
