// FindTarget: a list of the window that "&Find..." (Alt+F3) and "Find &next" (F3) search.
#pragma once

#include <cstddef>
#include <optional>

#include "core/workspace.h"
#include "query/search_list.h"
#include "query/search_options.h"

class QAbstractItemView;
class QWidget;

namespace quillon::app {

/// What a list gives the find: its mode, the texts it compares, its selected row and a way to
/// show a found row. The library list, the extracted functions and the library data window's
/// module table implement it; the disk-compare list implements it with mode
/// `SearchMode::Compare` and its own `SearchList`.
class FindTarget {
public:
    virtual ~FindTarget() = default;
    [[nodiscard]] virtual query::SearchMode findMode() const = 0;
    [[nodiscard]] virtual const query::SearchList& searchList() const = 0;
    /// The selected row (0-based in `searchList`), or nothing.
    [[nodiscard]] virtual std::optional<std::size_t> currentRow() const = 0;
    /// Selects and shows `row`; the find has marked it in the library list when asked to.
    virtual void showFoundRow(std::size_t row) = 0;
};

/// The current row of a flat list view (0-based), or nothing.
[[nodiscard]] std::optional<std::size_t> currentViewRow(const QAbstractItemView& view);
/// Makes `row` of a flat list view current and scrolls to it.
void showViewRow(QAbstractItemView& view, std::size_t row);

/// "&Find..." (the search dialog in find mode, then the find) or, with `findNext`, "Find &next"
/// (the stored keywords at once). The find starts after the selected row (from the first row
/// when none is selected) and shows the row it found. Returns the found row.
std::optional<std::size_t> runFindCommand(Workspace& ws, QWidget* parent, FindTarget& target,
                                          bool findNext);

}  // namespace quillon::app
