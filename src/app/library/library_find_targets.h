// The find targets of the library list and of the library data window's module table.
#pragma once

#include "app/find/find_target.h"

namespace quillon::app {

class LibraryDataWindow;
class LibraryView;

/// The library list: `SYMBOL` of every row; a found row is selected (its module expanded) and,
/// when the find marked it, drawn with the hook.
class LibraryFindTarget final : public FindTarget {
public:
    explicit LibraryFindTarget(LibraryView& view);
    [[nodiscard]] query::SearchMode findMode() const override { return query::SearchMode::Library; }
    [[nodiscard]] const query::SearchList& searchList() const override { return m_list; }
    [[nodiscard]] std::optional<std::size_t> currentRow() const override;
    void showFoundRow(std::size_t row) override;

private:
    LibraryView& m_view;
    query::LibrarySearchList m_list;
};

/// The module table of the library data window in the order it is shown (its header's sort):
/// `MODULENAME`; rows are those of the view. Made for one find: a new sort needs a new target.
class ModuleTableFindTarget final : public FindTarget {
public:
    ModuleTableFindTarget(LibraryDataWindow& window, const Workspace& ws);
    [[nodiscard]] query::SearchMode findMode() const override
    {
        return query::SearchMode::ModuleTable;
    }
    [[nodiscard]] const query::SearchList& searchList() const override { return m_list; }
    [[nodiscard]] std::optional<std::size_t> currentRow() const override;
    void showFoundRow(std::size_t row) override;

private:
    LibraryDataWindow& m_window;
    query::ModuleTableSearchList m_list;
};

}  // namespace quillon::app
