// The export list command up to the viewer.
#include "reports/export_list_command.h"

#include <optional>

#include "core/error_report.h"
#include "maintenance/maintenance_common.h"
#include "reports/export_list_messages.h"
#include "reports/export_list_writer.h"

namespace quillon::reports {

namespace {

bool decideCopy(Workspace& ws, const ExportListScope& scope)
{
    switch (ws.options.UseExportTextCopy) {
        case AskChoice::Always:
            return true;
        case AskChoice::Ask:
            return ws.ui().message(
                       copyToClipboardQuestion(scope.moduleName, ws.library.LibraryFileName)) == 1;
        case AskChoice::Never:
            break;
    }
    return false;
}

/// Creates the export file, asking to retry while it cannot be created.
std::optional<platform::File> createExportFile(Workspace& ws, const std::string& fileName)
{
    for (;;) {
        Result<platform::File> file = ws.files().create(fileName);
        if (file)
            return std::move(file).value();
        if (ws.ui().message(exportOpenErrorMessage(file.error(), fileName)) != 1)
            return std::nullopt;
    }
}

}  // namespace

ExportListRun runExportList(Workspace& ws, const ExportRowSource& rows,
                            const ExportListScope& scope, const std::string& fileName)
{
    ExportListRun run;
    if (rows.size() == 0)
        return run;
    run.copy = decideCopy(ws, scope);
    std::optional<platform::File> file = createExportFile(ws, fileName);
    if (!file) {
        run.end = ExportListEnd::OpenCancelled;
        return run;
    }
    const std::string scopeText = exportScopeStatus(scope.moduleName, ws.library.LibraryFileName);
    const bool statusBar = ws.options.UseStatusBar;
    maintenance::showStatus(ws, 2, kExportingStatus);
    maintenance::showStatus(ws, 1, scopeText);

    FileSink sink(*file);
    const ExportWriteOutcome written =
        writeExportList(ws, rows, sink, ExportWriteOptions{run.copy, statusBar});
    run.bytes = written.bytes;
    const Status closed = file->close();
    if (written.end == ExportWriteEnd::Cancelled) {
        run.end = ExportListEnd::Cancelled;
        maintenance::showStatus(ws, 1, kCancelledStatus);
        maintenance::showStatus(ws, 2, "");
        maintenance::showStatus(ws, 3, "");
        return run;
    }
    const Error failure = written.end == ExportWriteEnd::Failed ? written.error : closed.error();
    if (failure.code != 0) {
        run.end = ExportListEnd::WriteFailed;
        (void)reportPostedError(ws, failure.code, failure.text, fileName);
        return run;
    }
    run.end = ExportListEnd::Written;
    maintenance::showStatus(ws, 1, scopeText);
    maintenance::showStatus(ws, 2, kExportListStatus);
    return run;
}

EditorChoice editorChoice(AskChoice useExportTextNotepad, bool tooBig)
{
    if (useExportTextNotepad == AskChoice::Always)
        return EditorChoice::Always;
    if (useExportTextNotepad == AskChoice::Ask || tooBig)
        return EditorChoice::Ask;
    return EditorChoice::Never;
}

}  // namespace quillon::reports
