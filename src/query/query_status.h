// The showing of query results through the front end, one function per kind of result, so
// that both programs show them alike.
#pragma once

#include "core/options.h"
#include "core/ui/ui_interface.h"
#include "query/query_messages.h"

namespace quillon::query {

/// After an extraction: its summary in status pane 1 with the other panes cleared (when the
/// status bar is on), then the "Extract result" box unless messages are suppressed.
void showExtraction(ui::UiInterface& ui, const Options& options, const ExtractCounts& counts);

}  // namespace quillon::query
