// The save command.
#include "lib/save_file.h"

#include <cctype>
#include <filesystem>

#include "base/lib_file_name.h"
#include "core/sort_library.h"
#include "lib/lib_messages.h"
#include "lib/lib_writer.h"
#include "platform/native_path.h"
#include "settings/options_io.h"
#include "settings/settings_store.h"

namespace quillon::lib {

namespace {

/// The `UseLIBSortOrder` choice in force: the current order kept, or a sort; a number that
/// names no choice is taken as the file order and stored back.
LibSortOrder libSortOrder(Workspace& ws)
{
    switch (ws.options.UseLIBSortOrder) {
        case LibSortOrder::Current:
        case LibSortOrder::SymbolNames:
        case LibSortOrder::OrdinalNumbers:
        case LibSortOrder::FileOrder:
            return ws.options.UseLIBSortOrder;
    }
    ws.options.UseLIBSortOrder = LibSortOrder::FileOrder;
    settings::SaveOption(ws.settings(), ws.options, &Options::UseLIBSortOrder);
    return LibSortOrder::FileOrder;
}

/// The cleanup steps the settings ask for before a save, and the refresh after them.
void runCleanup(Workspace& ws, const SaveHooks& hooks)
{
    const std::size_t rowsBefore = ws.library.rows.size();
    const Options& o = ws.options;
    if (removesInconsistentModules(o.UseBitCheck)) {
        if (hooks.updateLibraryData)
            hooks.updateLibraryData(ws, 2);
        if (hooks.removeInconsistentModules)
            hooks.removeInconsistentModules(
                ws, o.UseBitCheck == BitCheck::RemoveInconsistentAndUnlocated);
    } else if (o.UseBitCheckDuplicates && hooks.removeDuplicateModules) {
        hooks.removeDuplicateModules(ws);
    }
    if (o.UseExcludeList && hooks.removeMarkedSymbols)
        hooks.removeMarkedSymbols(ws);
    if (ws.library.rows.size() != rowsBefore) {
        showStatus(ws, 1, kUpdatingDataText);
        showStatus(ws, 2, {});
        showStatus(ws, 3, {});
        if (hooks.updateLibraryData)
            hooks.updateLibraryData(ws, 0);
    }
}

std::uint32_t decrease(std::uint32_t before, std::uint32_t after)
{
    return before > after ? before - after : 0;
}

/// The folder of `fileName` with a trailing separator.
std::string folderOf(const Workspace& ws, const std::string& fileName)
{
    return platform::pathText(
        platform::fileSystemPath(ws.files().fullPath(fileName)).parent_path() / "");
}

}  // namespace

std::string extractFileName(const Workspace& ws)
{
    const std::filesystem::path library = platform::fileSystemPath(ws.library.LibraryFileName);
    std::string base = platform::pathText(library.stem());
    for (std::size_t i = 0; i < base.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(base[i]);
        base[i] = static_cast<char>(i == 0 ? std::toupper(c) : std::tolower(c));
    }
    std::string name;
    if (ws.options.UseLongAdd) {
        name = base + "_extract.lib";
    } else {
        name = base.substr(0, 6);
        for (char& c : name)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        name += "_E.LIB";
    }
    return platform::pathText(library.parent_path() / name);
}

int saveFile(Workspace& ws, SaveWhat what, bool askName, const SaveHooks& hooks,
             const RunMode& mode)
{
    if (mode.SilentMode) {
        showMessage(ws, saveFileInternalErrorMessage());
        return 0;
    }
    if (what == SaveWhat::Library ? ws.library.rows.empty() : ws.queryResults.empty())
        return 0;

    const std::uint32_t modulesBefore = ws.library.ModuleCount;
    const std::uint32_t symbolsBefore = ws.library.SymbolCount;
    // The file written: the library's own, or the extract's name beside it.
    std::string target = what == SaveWhat::QueryResults ? extractFileName(ws)
                                                         : ws.library.LibraryFileName;
    if (askName) {
        const ui::FileDialogRequest request{std::string(kSaveDialogTitle) + target, target,
                                            std::string(kSaveDialogFilters)};
        const std::optional<std::string> chosen = ws.ui().saveFileDialog(request);
        if (!chosen || chosen->empty())
            return 0;
        // A name typed without the extension gets it, as the target name dialog gives it: a
        // file the program itself would not open as a library is never written.
        target = withLibExtension(*chosen);
    }

    showStatus(ws, 1, kSavingLibraryText);
    showStatus(ws, 2, {});
    showStatus(ws, 3, {});

    const WriteOptions writeOptions{ws.options.UseStatusBar, false};
    Status written;
    int result = 0;
    if (what == SaveWhat::Library) {
        runCleanup(ws, hooks);
        showStatus(ws, 1, kSortingText);
        if (const std::optional<SortOrder> order = sortOrderOf(libSortOrder(ws)))
            sortLibrary(ws, *order, ws.sortDescending);
        showStatus(ws, 1, kSavingText);
        written = writeLibrary(ws, target, writeOptions);
        if (written) {
            ws.library.LibraryFileName = target;
            if (hooks.addRecentFile)
                hooks.addRecentFile(ws, target);
            ws.library.LibraryChanged = false;
            result = 1;
        }
    } else {
        showStatus(ws, 1, kSortingText);
        // The extracted functions number their orders as the library's sorts do.
        if (const std::optional<SortOrder> order = sortOrderOf(libSortOrder(ws)))
            sortQueryResultList(ws.queryResults, static_cast<int>(*order));
        showStatus(ws, 1, kSavingText);
        written = writeQueryResults(ws, target, writeOptions);
    }

    if (written) {
        const std::string folder = folderOf(ws, target);
        ws.options.LastSaveFolder = folder;
        settings::SaveOption(ws.settings(), ws.options, &Options::LastSaveFolder);
    }

    if (hooks.refreshMainWindow)
        hooks.refreshMainWindow(ws);
    if (written) {
        showStatus(ws, 1,
                   librarySavedStatus(target,
                                      decrease(modulesBefore, ws.library.ModuleCount)));
        showStatus(ws, 2, kDoneText);
        showStatus(ws, 3, symbolsRemovedStatus(decrease(symbolsBefore, ws.library.SymbolCount)));
    } else {
        showStatus(ws, 1, librarySaveFailedStatus(target));
        showStatus(ws, 2, kSaveFailedText);
        showStatus(ws, 3, std::to_string(written.error().code));
    }

    ws.ui().processEvents();
    return result;
}

}  // namespace quillon::lib
