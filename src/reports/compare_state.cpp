// Keeping comparison results for the run.
#include "reports/compare_state.h"

#include "base/ascii_text.h"

namespace quillon::reports {

void keepCompareResult(Workspace& ws, CompareResult result)
{
    CompareState& state = compareState(ws);
    state.statusTexts = result.statusTexts;
    if (!result.status.shortText.empty())
        state.moduleResults[upperCase(result.moduleName)] = result.status.shortText;
    if (result.compared()) {
        state.last = std::move(result);
        state.hasResult = true;
    }
}

std::string moduleCompareResult(const Workspace& ws, std::string_view moduleName)
{
    const CompareState& state = compareState(ws);
    const auto it = state.moduleResults.find(upperCase(trimRight(moduleName)));
    return it == state.moduleResults.end() ? std::string() : it->second;
}

void clearCompareList(Workspace& ws)
{
    CompareState& state = compareState(ws);
    state.last = CompareResult{};
    state.hasResult = false;
    state.statusTexts = {};
}

}  // namespace quillon::reports
