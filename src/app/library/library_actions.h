// LibraryActions: the commands of the library list.
#pragma once

class QAction;

namespace quillon::app {

/// The commands of the library list, each one QAction made once.
struct LibraryActions {
    QAction* locateAll = nullptr;
    QAction* updateAll = nullptr;
    QAction* modulesCleanup = nullptr;
    QAction* locateOne = nullptr;
    QAction* updateOne = nullptr;
    QAction* duplicateCleanup = nullptr;
    QAction* markExcluded = nullptr;
    QAction* markDuplicated = nullptr;
    QAction* newLibrary = nullptr;
    QAction* openLibrary = nullptr;
    QAction* closeLibrary = nullptr;
    QAction* rename = nullptr;
    QAction* libraryData = nullptr;
    QAction* query = nullptr;
    QAction* exportText = nullptr;
    QAction* save = nullptr;
    QAction* saveAs = nullptr;
    QAction* revert = nullptr;
    QAction* addModule = nullptr;
    QAction* removeModule = nullptr;
    QAction* revertModule = nullptr;
    QAction* compareModule = nullptr;
    QAction* exportModule = nullptr;
    QAction* clearAll = nullptr;
    QAction* find = nullptr;
    QAction* findNext = nullptr;
    QAction* gotoRow = nullptr;
    QAction* nextMark = nullptr;
    QAction* copyName = nullptr;
    QAction* editSymbol = nullptr;
    QAction* toggleMark = nullptr;
    QAction* markAll = nullptr;
    QAction* removeMarks = nullptr;
    QAction* invertMarks = nullptr;
    QAction* extract = nullptr;
    QAction* deleteRows = nullptr;
    QAction* sortName = nullptr;
    QAction* sortOrdinal = nullptr;
    QAction* sortFile = nullptr;
    QAction* sortAscending = nullptr;
    QAction* sortDescending = nullptr;
    QAction* expandAll = nullptr;
    QAction* contractAll = nullptr;
    QAction* exit = nullptr;
    QAction* symbolsCleanup = nullptr;
    QAction* removeMarkedSymbols = nullptr;
    QAction* exportAll = nullptr;
    QAction* topmost = nullptr;
    QAction* popup = nullptr;
    QAction* restoreListFormats = nullptr;
    // The quick menu's own wording of two marking commands.
    QAction* quickMarkExcluded = nullptr;
    QAction* quickMarkDuplicated = nullptr;
    // Decorated names: the view option, copies and the Clarion MAP of the library, the module
    // under the cursor or the marked rows.
    QAction* undecoratedNames = nullptr;
    QAction* copyUndecorated = nullptr;
    QAction* copyPrototype = nullptr;
    QAction* exportMap = nullptr;
    QAction* exportModuleMap = nullptr;
    QAction* exportMarkedMap = nullptr;
    // The list editors of the exceptions and the favourites.
    QAction* exceptionsList = nullptr;
    QAction* favoritesList = nullptr;
};

}  // namespace quillon::app
