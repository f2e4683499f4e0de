// OptionsTab: the start-up settings and general options of the " Options " tab.
#pragma once

#include <QWidget>

#include <vector>

#include "core/workspace.h"

class QCheckBox;

namespace quillon::app {

class MainWindow;

/// One check box per option; "A&pply" stores and applies them, "&Restore" reads them back.
class OptionsTab final : public QWidget {
    Q_OBJECT
public:
    OptionsTab(Workspace& ws, MainWindow& window);

    /// Shows the option values held in the workspace.
    void showOptions();
    /// Takes the check boxes into the workspace, writes them to the settings file and applies
    /// them to the window.
    void apply();
    /// Reads the options of this tab from the settings file again.
    void restore();

    [[nodiscard]] QCheckBox* box(const char* key) const;

private:
    struct Entry {
        const char* key;
        int Options::*value;
        QCheckBox* box;
    };
    Workspace& m_ws;
    MainWindow& m_window;
    std::vector<Entry> m_entries;
};

}  // namespace quillon::app
