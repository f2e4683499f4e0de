// The export list command of the window, up to the viewer: the export rows, the clipboard
// question, the export file with its retry box, the writing with progress, and the status texts.
#pragma once

#include <cstdint>
#include <string>

#include "core/workspace.h"
#include "reports/export_rows.h"

namespace quillon::reports {

/// What is exported: the whole library (an empty `moduleName`) or one module.
struct ExportListScope {
    std::string moduleName;
};

enum class ExportListEnd {
    NothingToList,  ///< no rows: the command ended at once
    OpenCancelled,  ///< the export file could not be created and the user chose Cancel
    Cancelled,      ///< Escape: the end block was not written
    WriteFailed,    ///< writing or closing the file failed (reported)
    Written,
};

struct ExportListRun {
    ExportListEnd end = ExportListEnd::NothingToList;
    /// The list is to be copied to the clipboard (the title block says so).
    bool copy = false;
    std::uint64_t bytes = 0;
};

/// Writes `rows` to `fileName` as the export list: decides about the clipboard by
/// `UseExportTextCopy` (asking with 3), creates the file (asking to retry when it cannot),
/// shows "Exporting..." and the bytes written, and ends with the status texts of a finished
/// or cancelled export. A failed write is reported as a posted file error.
[[nodiscard]] ExportListRun runExportList(Workspace& ws, const ExportRowSource& rows,
                                          const ExportListScope& scope,
                                          const std::string& fileName);

/// What to do about the text editor after the viewer is filled.
enum class EditorChoice { Never, Always, Ask };

/// `UseExportTextNotepad` 1 never, 2 always, 3 ask; a list too big for the viewer always asks
/// unless the setting is 2.
[[nodiscard]] EditorChoice editorChoice(AskChoice useExportTextNotepad, bool tooBig);

}  // namespace quillon::reports
