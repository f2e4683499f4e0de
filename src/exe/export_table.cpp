// Appending the names one reader call found to the library, with progress and Escape.
#include "exe/export_table.h"

#include "core/library_model.h"

namespace quillon::exe {

AppendOutcome appendExportTable(Workspace& ws, const ExportTable& table,
                                ProgressIndicator& progress)
{
    if (table.hasModule) {
        progress.start("Loading...", table.progressTotal);
        appendModuleRow(ws, table.moduleName, table.os);
        std::uint64_t count = 0;
        for (const ExportedName& name : table.names) {
            // The poll looks at the clock; every 64th name is often enough for its 5/100 s.
            if (count % 64 == 0 && ws.cancel.poll()) {
                progress.end();
                return AppendOutcome::Cancelled;
            }
            appendSymbolRow(ws, name.name, name.ordinal, name.resident);
            ++count;
            progress.step(count, " symbols");
        }
        progress.step(count, " symbols");
        progress.end();
    }
    return AppendOutcome::Done;
}

}  // namespace quillon::exe
