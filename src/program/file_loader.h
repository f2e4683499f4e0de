// The file-adding step and the multi-file loader: executables and LIB files into the library.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "base/read_outcome.h"
#include "core/library_row.h"
#include "core/run_mode.h"
#include "program/load_summary.h"
#include "core/workspace.h"
#include "maintenance/duplicate_modules.h"

namespace quillon {

/// What the program around the loader does for it (empty functions are skipped).
struct LoaderHooks {
    /// Records a loaded file in the recent files (outside silent mode).
    std::function<void(Workspace&, const std::string& fileName)> addRecentFile;
    /// Redraws the main window after a load.
    std::function<void(Workspace&)> refreshMainWindow;
    /// Told before each file of a multi-file load is read (1-based position, count, path), for
    /// front ends that show progress outside the status bar.
    std::function<void(std::size_t position, std::size_t count, const std::string& path)> fileStarted;
};

/// How the file-adding step is asked to open its file.
struct OpenRequest {
    /// How the run behaves: no caption in silent mode; a quiet load keeps rejections to the
    /// summary and leaves the refresh of the library data to the end of the load.
    RunMode mode;
    /// One module of a LIB file only (search mode); empty for the whole file.
    std::string moduleName;
    /// A reload command: no duplicate question, rows arrive without a mark.
    bool reload = false;
    /// Records the module-to-file exception of an executable whose module has another name.
    /// A reload that may still be refused records it itself once the reload is kept.
    bool recordException = true;
};

/// What the file-adding step did.
struct OpenResult {
    /// The file's name as the step used it: made a full path when the name had no folder and
    /// the file gave rows.
    std::string fileName;
    /// How the read ended: read, rejected (and reported unless quiet), or failed with a file
    /// error that the caller reports.
    ReadOutcome outcome;
    std::size_t firstNewRow = 0;
    /// Rows the reader appended, and rows that stayed after the duplicate question.
    std::size_t rowsRead = 0;
    std::size_t rowsAdded = 0;
    bool libFile = false;
    /// The duplicate question took the new module out again.
    bool aborted = false;
    bool cancelled = false;
    /// The file was not read whole: a read error (the rows read before it stay), an export
    /// table that gave fewer names than it declares, or a LIB file that is none.
    bool readError = false;
    /// A LIB file read whole does not hold the module asked for.
    bool moduleNotInFile = false;
    /// A module-definition file: its entries left out for want of an ordinal, and for NONAME.
    std::size_t withoutOrdinal = 0;
    std::size_t withoutName = 0;
};

/// The file-adding step: opens `CurrentFileName` with the LIB reader (a name ending in ".LIB")
/// or the executable reader, asks the duplicate question over the new rows, records the
/// module-to-file exception for executables (unless the request says otherwise), post-processes the
/// new rows and, outside a quiet load, refreshes the library data. `answers` is the per-add answer
/// state of the duplicate question.
OpenResult openSingleFile(Workspace& ws, const std::string& CurrentFileName,
                          const OpenRequest& request, maintenance::DuplicateAnswerState& answers);

/// Turns paths into the loader's file list (folder, name, full path, short path).
[[nodiscard]] InputFileList makeInputFileList(const Workspace& ws,
                                              const std::vector<std::string>& paths);

/// `LoadFileList`: loads every file of the list into the library (a load of more than one file
/// is a quiet load), counts what happened and shows the load summary, followed by the message
/// about the entries of module-definition files that were left out. In silent mode no recent
/// file is recorded and the window is not redrawn. Returns 0 for an empty list, else the number
/// of files processed.
int loadFileList(Workspace& ws, const InputFileList& files, const RunMode& mode = {},
                 const LoaderHooks& hooks = {}, LoadCounts* countsOut = nullptr);

}  // namespace quillon
