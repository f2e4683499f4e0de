// LibOptionsDialog: the LIB-file options (sort order, source files synchronization, symbols
// cleanup with the exclusion list) and the autolocate options, one page each.
#pragma once

#include <QDialog>

#include "core/exclude_list.h"
#include "core/workspace.h"
#include "locate/autolocate_options.h"
#include "settings/setting_history.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace quillon::app {

class IconSet;
class QtUi;

class LibOptionsDialog final : public QDialog {
    Q_OBJECT
public:
    enum Page { LibFilePage = 0, AutolocatePage = 1 };

    /// Shows the options of `ws`, a copy of its exclusion list, and the autolocate options and
    /// first priority folder history read from the settings file.
    LibOptionsDialog(Workspace& ws, QtUi& ui, const IconSet& icons, Page page,
                     QWidget* parent = nullptr);

    [[nodiscard]] Options options() const;
    [[nodiscard]] locate::AutolocateOptions autolocate() const;
    [[nodiscard]] const ExcludeList& excludeList() const { return m_excludes; }
    /// Records the first priority folder in its history (`FirstFolderDrop<n>`).
    void saveFirstFolderHistory(settings::SettingsStore& store, const Options& options,
                                const std::string& firstFolder);

    /// The exclusion list commands: "A&dd...", "Edi&t..." and "Re&move".
    void addEntry();
    void editEntry();
    void removeEntry();

    [[nodiscard]] QTabWidget* pages() const { return m_pages; }
    [[nodiscard]] QTreeWidget* excludeView() const { return m_list; }
    [[nodiscard]] QWidget* field(const char* name) const;

private:
    void fillList(int select);
    void updateStates();

    Workspace& m_ws;
    QtUi& m_ui;
    const IconSet& m_icons;
    Options m_initial;
    locate::AutolocateOptions m_initialLocate;
    ExcludeList m_excludes;
    settings::SettingHistory m_firstHistory;

    QTabWidget* m_pages = nullptr;
    QComboBox* m_sortOrder = nullptr;
    QComboBox* m_bitCheck = nullptr;
    QCheckBox* m_duplicateModules = nullptr;
    QCheckBox* m_excludeList = nullptr;
    QCheckBox* m_globalDuplicates = nullptr;
    QComboBox* m_keepMode = nullptr;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_remove = nullptr;

    QCheckBox* m_priority = nullptr;
    QComboBox* m_firstFolder = nullptr;
    QWidget* m_browseFirst = nullptr;
    QCheckBox* m_onlyPriority = nullptr;
    QCheckBox* m_onlySource = nullptr;
    QCheckBox* m_onlyEnvironment = nullptr;
    QCheckBox* m_relaxed = nullptr;
    QCheckBox* m_verify = nullptr;
    QCheckBox* m_deep = nullptr;
    QCheckBox* m_onlyDll = nullptr;
};

}  // namespace quillon::app
