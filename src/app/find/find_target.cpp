// Running the find over a list of the window.
#include "app/find/find_target.h"

#include <QAbstractItemView>

#include "app/find/search_dialog.h"
#include "query/query_messages.h"
#include "query/search_flow.h"

namespace quillon::app {

std::optional<std::size_t> currentViewRow(const QAbstractItemView& view)
{
    const QModelIndex index = view.currentIndex();
    if (!index.isValid())
        return std::nullopt;
    return static_cast<std::size_t>(index.row());
}

void showViewRow(QAbstractItemView& view, std::size_t row)
{
    const QModelIndex index = view.model()->index(static_cast<int>(row), 0);
    view.setCurrentIndex(index);
    view.scrollTo(index);
}

std::optional<std::size_t> runFindCommand(Workspace& ws, QWidget* parent, FindTarget& target,
                                          bool findNext)
{
    query::SearchOptions options;
    if (findNext) {
        options = query::readSearchOptions(ws, target.findMode());
    } else {
        SearchDialog dialog(ws, target.findMode(), parent);
        if (dialog.exec() != QDialog::Accepted || dialog.outcome() != SearchDialog::Outcome::Start)
            return std::nullopt;
        options = dialog.options();
    }
    const std::optional<std::size_t> current = target.currentRow();
    const std::size_t position = current ? *current + 2 : 1;
    const std::optional<std::size_t> found =
        query::findInList(ws, options, target.findMode(), target.searchList(), position);
    if (found) {
        target.showFoundRow(*found);
        // Showing the row rewrote the status of the selection; the find's result goes first.
        if (ws.options.UseStatusBar)
            ws.ui().status(1, query::foundStatusText(static_cast<std::int64_t>(*found) + 1));
    }
    return found;
}

}  // namespace quillon::app
