// CompareState: what the comparison keeps for the run: the last result (CompareList, counters,
// report fields and status texts), each module's compare result, and the dialog's choices.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "core/workspace.h"
#include "reports/compare_types.h"

namespace quillon::reports {

struct CompareState {
    /// The last comparison that ran its passes; `hasResult` is false until then and after
    /// "Clear list".
    CompareResult last;
    bool hasResult = false;
    /// The status texts of the last comparison, shown on the "Disk-compare" tab.
    std::array<std::string, 3> statusTexts;
    /// Each module's short status, by upper-cased module name.
    std::map<std::string, std::string, std::less<>> moduleResults;
    /// "Partial match" of the dialog, kept for the run.
    bool partialMatch = false;
    /// The module row last compared, for "Compare next".
    std::optional<std::size_t> lastModuleRow;
};

[[nodiscard]] inline CompareState& compareState(Workspace& ws)
{
    return ws.subsystemState.get<CompareState>();
}
[[nodiscard]] inline const CompareState& compareState(const Workspace& ws)
{
    return ws.subsystemState.get<CompareState>();
}

/// Keeps a result: its status texts, the module's short status and, when the passes ran, the
/// result itself as the last one.
void keepCompareResult(Workspace& ws, CompareResult result);

/// The module's kept compare result (its short status), or empty.
[[nodiscard]] std::string moduleCompareResult(const Workspace& ws, std::string_view moduleName);

/// Empties `CompareList` and the status texts (the module results stay).
void clearCompareList(Workspace& ws);

}  // namespace quillon::reports
