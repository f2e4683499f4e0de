// OptionsTab: the start-up settings and general options of the " Options " tab.
#pragma once

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "app/options/list_appearance.h"

#include "core/workspace.h"

class QCheckBox;

namespace quillon::settings {
class SettingsStore;
}

namespace quillon::app {

class IconSet;
class QtUi;

/// One check box per option; "A&pply" stores and applies them, "&Restore" reads them back.
/// The window applies the options when told by `optionsChanged`.
class OptionsTab final : public QWidget {
    Q_OBJECT
public:
    /// `settingsFolder` is where the options' files are looked for; the font and colour pickers
    /// start from those of `list`. The dialogs open over `parent`'s window, whose lists take
    /// the chosen font and colours.
    OptionsTab(Workspace& ws, QtUi& ui, const IconSet& icons, std::string settingsFolder,
               const QWidget& list, QWidget* parent);

    /// Shows the option values held in the workspace.
    void showOptions();
    /// Takes the check boxes into the workspace, writes them to the settings file and applies
    /// them to the window.
    void apply();
    /// Reads the options of this tab from the settings file again.
    void restore();

    [[nodiscard]] QCheckBox* box(const char* key) const;

    /// "&Default folders...": the folder options dialog; OK stores every option. Returns
    /// whether the options were stored.
    bool folderOptions();
    /// "&Advanced options...": the advanced options dialog; OK stores every option.
    bool advancedOptions();
    /// "&LIB-file options..." (`page` 0) and "A&utolocate options..." (`page` 1): OK stores
    /// the options, the exclusion list and the autolocate options and marks the library's
    /// excluded symbols again. Returns whether the options changed.
    bool libOptions(int page);
    /// Stores the lists' font and colours and shows them at once.
    void setListAppearance(const ListAppearance& appearance);
    /// "&Fonts..." and "&Colors...": menus of the font and colour pickers.
    void chooseFont();
    void chooseColor(bool background);

signals:
    /// The options held in the workspace changed: the window applies them at once.
    void optionsChanged();
    /// The library's exclusion marks were made again: the window shows them.
    void marksChanged();
    /// The options were stored and applied.
    void optionsStored();

private:
    /// Stores `ws.options` (with the exclusion list and, when given, the folder histories),
    /// tells the search and the duplicate search that the options changed, and applies them
    /// to the window without losing the tab's unapplied boxes.
    void store(const std::function<void(settings::SettingsStore&, const Options&)>& histories);

    /// Marks the library's excluded symbols again and shows the new marks.
    void renewExclusionMarks();

    struct Entry {
        const char* key;
        bool Options::*value;
        QCheckBox* box;
    };
    Workspace& m_ws;
    QtUi& m_ui;
    const IconSet& m_icons;
    std::string m_settingsFolder;
    const QWidget& m_list;
    std::vector<Entry> m_entries;
};

}  // namespace quillon::app
