// Emptying the histories of the settings file.
#include "program/history_cleanup.h"

#include "locate/locate_state.h"

#include "core/workspace.h"
#include "settings/settings_store.h"

namespace quillon::settings {

std::size_t clearHistories(Workspace& ws, const HistorySelection& selection)
{
    SettingsStore& store = ws.settings();
    const SettingsStore::Batch batch(store);
    std::size_t cleared = 0;
    for (std::size_t i = 0; i < kHistoryItemCount; ++i) {
        if (!selection[i])
            continue;
        ++cleared;
        switch (static_cast<HistoryItem>(i)) {
            case HistoryItem::SourceFolders:
                store.deleteNumberedKeys("Folders", "AddFolderDrop");
                ws.options.AddFolderDrop.clear();
                break;
            case HistoryItem::TargetFolders:
                store.deleteNumberedKeys("Folders", "SaveFolderDrop");
                ws.options.SaveFolderDrop.clear();
                break;
            case HistoryItem::SearchKeywords:
                store.deleteNumberedKeys("Search", "SearchDrop");
                break;
            case HistoryItem::QueryKeywords:
                store.deleteNumberedKeys("Query", "SearchDrop");
                break;
            case HistoryItem::CompareFiles:
                store.deleteNumberedKeys("Compare", "CompareFile");
                break;
            case HistoryItem::RecentFiles:
                store.deleteNumberedKeys("Filelist", "Filelist");
                break;
            case HistoryItem::ExceptionsList:
                store.deleteSection("Exceptlist");
                ws.exceptQ.entries.clear();
                break;
            case HistoryItem::ExcludeSymbols:
                store.deleteSection("Excludelist");
                ws.excludeList.assign({});
                break;
        }
    }
    // The folder histories and recent files feed the search for module files.
    if (cleared > 0)
        locate::state(ws).optionsChanged();
    return cleared;
}

}  // namespace quillon::settings
