// The status texts and result boxes of query results.
#include "query/query_status.h"

namespace quillon::query {

void showExtraction(ui::UiInterface& ui, const Options& options, const ExtractCounts& counts)
{
    if (options.UseStatusBar) {
        ui.status(1, extractStatusText(counts));
        ui.status(2, {});
        ui.status(3, {});
    }
    if (!options.UseNoMessages)
        ui.message(extractResultMessage(counts, counts.listSize));
}

}  // namespace quillon::query
