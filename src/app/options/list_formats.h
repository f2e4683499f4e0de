// The formats of a window's lists in section Format: the design format written at opening, the
// user's format restored and stored, and the design format applied again on request.
#pragma once

#include <QPointer>

#include <string>
#include <string_view>
#include <vector>

class QTreeView;

namespace quillon::settings {
class SettingsStore;
}

namespace quillon::app {

/// The format of a list: for each column its width, "L", "~", its title and "~", with "|"
/// between columns.
[[nodiscard]] std::string listBoxFormat(const QTreeView& list);
/// Applies the column widths of `format` to the shown columns of `list`; false (nothing
/// changed) when the format does not describe every column of the list.
bool applyListBoxFormat(QTreeView& list, std::string_view format);

/// The lists of one window, each with its number among the window's controls.
class ListFormats {
public:
    /// `caption`: the window's caption, whose first three characters name the keys.
    explicit ListFormats(std::string caption) : m_caption(std::move(caption)) {}

    /// Adds a list; its present layout is its design format.
    void add(QTreeView* list, int number);
    /// At the window's opening: writes each design format to `<C>:List<n>:Format:Default` and,
    /// with `useRestoreFormat` on, applies the stored `<C>:List<n>:Format`.
    void open(settings::SettingsStore& store, bool useRestoreFormat) const;
    /// Stores each list's present format under `<C>:List<n>:Format`.
    void store(settings::SettingsStore& store) const;
    /// "Restore default listbox settings": applies the stored design formats again.
    void restoreDefaults(settings::SettingsStore& store) const;

private:
    struct List {
        QPointer<QTreeView> view;
        int number = 0;
        std::string design;
    };
    std::string m_caption;
    std::vector<List> m_lists;
};

}  // namespace quillon::app
