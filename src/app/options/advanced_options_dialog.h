// AdvancedOptionsDialog: the general options of sections Options and Filelist that the options
// tab does not show, on four pages; returns the edited values and performs nothing itself
// except the history cleanup, which empties the chosen histories at once.
#pragma once

#include <QDialog>

#include <functional>
#include <vector>

#include "core/workspace.h"

class QCheckBox;
class QComboBox;
class QSpinBox;
class QTabWidget;

namespace quillon::app {

class AdvancedOptionsDialog final : public QDialog {
    Q_OBJECT
public:
    AdvancedOptionsDialog(Workspace& ws, QWidget* parent = nullptr);

    /// The options as shown, starting from those the dialog was opened with.
    [[nodiscard]] Options options() const;

    /// The widget that shows `key` ("UseHexColumn", "CaseOption"), or nullptr.
    [[nodiscard]] QWidget* field(const char* key) const;
    [[nodiscard]] QTabWidget* pages() const { return m_pages; }
    /// "History data &cleanup...": the cleanup dialog, then the cleanup of what it returns.
    void historyCleanup();
    /// Whether the history cleanup emptied the exclusion list.
    [[nodiscard]] bool excludeListCleared() const { return m_excludeListCleared; }

private:
    struct Flag {
        const char* key;
        bool Options::*value;
        QCheckBox* box;
    };
    /// A choice stored as its 1-based position; `assign` sets it from the combo's index.
    struct Choice {
        const char* key;
        QComboBox* combo;
        std::function<void(Options&, int)> assign;
    };
    struct Count {
        const char* key;
        int Options::*value;
        QSpinBox* spin;
    };

    Workspace& m_ws;
    Options m_initial;
    QTabWidget* m_pages = nullptr;
    std::vector<Flag> m_flags;
    std::vector<Choice> m_choices;
    std::vector<Count> m_counts;
    QComboBox* m_statusCaps = nullptr;
    QComboBox* m_fileSuffix = nullptr;
    bool m_excludeListCleared = false;
};

}  // namespace quillon::app
