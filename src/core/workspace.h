// Workspace: the one library held in memory with its lists, counters and flags, and the
// services (front end, files, settings, clock) every operation works through.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/cancellation_poll.h"
#include "base/clock.h"
#include "base/name_pool.h"
#include "core/except_list.h"
#include "core/exclude_list.h"
#include "core/library_row.h"
#include "core/options.h"
#include "core/query_result.h"
#include "core/saved_lib_symbols.h"
#include "core/state_slots.h"
#include "platform/file_system.h"

namespace quillon::settings {
class SettingsStore;
}

namespace quillon {

/// The hook colour of the main window's display mode.
enum class HookColour { Blue, Red };

/// The sort orders of `SortLibrary`: 1 symbol names, 2 ordinal numbers, 3 file order.
enum class SortOrder : int { SymbolNames = 1, OrdinalNumbers = 2, FileOrder = 3 };

/// The sort a `UseLIBSortOrder` choice asks for before a save; nothing keeps the current order
/// (as does a number that names no choice).
[[nodiscard]] constexpr std::optional<SortOrder> sortOrderOf(LibSortOrder choice)
{
    switch (choice) {
        case LibSortOrder::SymbolNames:
            return SortOrder::SymbolNames;
        case LibSortOrder::OrdinalNumbers:
            return SortOrder::OrdinalNumbers;
        case LibSortOrder::FileOrder:
            return SortOrder::FileOrder;
        case LibSortOrder::Current:
            break;
    }
    return std::nullopt;
}

/// The duplicate mode of the global duplicate search, derived from the options on the first
/// search of the run and again after the options have changed.
struct DuplicateModeState {
    /// Clear until derived; the options dialog clears it when it reports changed options.
    bool derived = false;
    /// "UseExcludeGlobalDuplicates" and "UseExcludeList" are both on.
    bool enabled = false;
    /// The entry kept of each globally duplicated symbol.
    DuplicateKeep mode = DuplicateKeep::KeepNone;
};

/// The library: rows, module table and the running counters kept by every operation.
struct Library {
    LibraryList rows;
    /// Where the readers put the long names of the rows they append.
    NamePool names;
    ModuleTable modules;
    std::uint32_t SymbolCount = 0;
    std::uint32_t ModuleCount = 0;
    bool LibraryChanged = false;
    std::string LibraryFileName;

    [[nodiscard]] bool empty() const { return rows.empty(); }
};

/// Everything one run of the program works on. Passed to every operation; nothing is global.
class Workspace {
    // The services come first: `cancel` is built from them.
    ui::UiInterface& m_ui;
    platform::FileSystem& m_files;
    settings::SettingsStore& m_settings;
    const Clock& m_clock;

public:
    Workspace(ui::UiInterface& ui, platform::FileSystem& files, settings::SettingsStore& settings,
              const Clock& clock)
        : m_ui(ui), m_files(files), m_settings(settings), m_clock(clock), cancel(ui, m_clock)
    {
    }
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    [[nodiscard]] ui::UiInterface& ui() const { return m_ui; }
    [[nodiscard]] platform::FileSystem& files() const { return m_files; }
    [[nodiscard]] settings::SettingsStore& settings() const { return m_settings; }
    [[nodiscard]] const Clock& clock() const { return m_clock; }

    Library library;
    Options options;
    PassList pass;
    ExcludeList excludeList;
    ExceptQ exceptQ;
    DuplicateModeState duplicateMode;
    /// What the subsystems above the model keep for the run (the search for the files behind
    /// the modules, the present file recorded last, ...); each reaches its own.
    StateSlots subsystemState;

    HookColour hookColour = HookColour::Blue;
    SortOrder sortOrder = SortOrder::FileOrder;
    bool sortDescending = false;
    /// "Case sensitive sorting" of the options dialog: off selects the case-insensitive variant.
    bool caseSensitiveSort = true;

    CancellationPoll cancel;

    /// The extracted functions (query results and extracts).
    QueryResultList queryResults;
    /// The symbols of the saved LIB file, the file they were read from, and whether they
    /// have been read in this run.
    SavedLibSymbolList SavedLibSymbols;
    std::string SavedLibName;
    bool SavedLibLoaded = false;
};

}  // namespace quillon
