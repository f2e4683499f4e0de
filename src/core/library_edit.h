// The main window's edits of the library list: hooks, tree levels, deleting and clearing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/ui/ui_interface.h"
#include "core/workspace.h"

namespace quillon {

/// Toggles the mark (`MARK`) of the row at `row` and refreshes its icon.
void toggleMark(Workspace& ws, std::size_t row);
/// Marks (or unmarks) every row; refreshes the icons.
void setAllMarks(Workspace& ws, bool marked);
/// Inverts every row's mark; refreshes the icons.
void invertMarks(Workspace& ws);
/// Marks every symbol row whose `EXCLUDE` is `exclude` (1 excluded, 2 duplicated); returns how
/// many rows that were not marked became marked.
std::size_t markSymbolsWithExclude(Workspace& ws, std::uint8_t exclude);
/// True when any row is marked.
[[nodiscard]] bool anyMarked(const Workspace& ws);

/// What a next-mark search found.
struct MarkSearch {
    /// The marked row found.
    std::optional<std::size_t> row;
    /// Some row is marked: when no row was found, none lies below the start.
    bool anyMarked = false;

    friend bool operator==(const MarkSearch&, const MarkSearch&) = default;
};

/// Next mark (F7): the first marked row below `selected` (from the top when nothing is
/// selected). A found row in a collapsed module expands that module.
[[nodiscard]] MarkSearch nextMark(Workspace& ws, std::optional<std::size_t> selected);

/// Shows a next-mark search in status pane 1: "Next mark...", then an empty pane when a row
/// was found, "No marks found" when no row is marked or "Bottom reached" when none lies below.
void showNextMark(ui::UiInterface& ui, const MarkSearch& search);

/// Sets `TREELEVEL` of the module row at `moduleRow` (1 expanded, -1 collapsed) in
/// `LibraryList` and `ModuleTable` and refreshes its icon. Ignored on a symbol row.
void setModuleExpanded(Workspace& ws, std::size_t moduleRow, bool expanded);
/// Expands or contracts every module.
void setAllExpanded(Workspace& ws, bool expanded);

/// The module row of the row at `row` (itself when it is a module row).
[[nodiscard]] std::size_t moduleRowOf(const Workspace& ws, std::size_t row);

/// What `deleteRows` removed.
struct DeleteResult {
    std::size_t rows = 0;
    std::size_t symbols = 0;
    std::size_t modules = 0;
    friend bool operator==(const DeleteResult&, const DeleteResult&) = default;
};

/// Delete / Remove module: removes the marked rows, or the row at `selected` when nothing is
/// marked. A removed module row takes all its symbol rows with it, and a module left without
/// symbols goes too, so the list keeps its shape. Counts, `ModuleTable` and `LibraryChanged`
/// follow. Status pane 1 shows "Deleting..." while it runs and its earlier text afterwards.
DeleteResult deleteRows(Workspace& ws, std::optional<std::size_t> selected);

/// Empties `LibraryList` and `ModuleTable` and resets the counts; the library is unchanged
/// afterwards (`LibraryChanged` cleared). The target name is kept.
void clearLibrary(Workspace& ws);

}  // namespace quillon
