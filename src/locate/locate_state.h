// LocateState: what the search keeps for the run (remembered folders, search results) and for
// one pass (options, derived values, folder lists, folder listings).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/workspace.h"
#include "locate/autolocate_options.h"
#include "locate/candidate_check.h"
#include "locate/folder_cache.h"
#include "platform/environment.h"

namespace quillon::locate {

/// The places of the system the search looks in. On Windows the system's own; elsewhere the
/// folders of the Wine prefix. Folders end in a separator, or are empty when unknown.
struct LocateEnvironment {
    std::string systemFolder;
    std::string windowsFolder;
    /// The value of the PATH variable.
    std::string pathVariable;
    /// The current folder at start ("System default" of the source folder choice).
    std::string startupFolder;
    /// The full path of WIN.INI (it may be missing).
    std::string winIni;
    /// The environment the places were taken from (the Wine prefix for Windows paths).
    platform::Environment variables;
};

/// One row of the search results (`ResultQ`).
struct ResultRow {
    std::string MODULE;
    std::string FILE;
    std::string PATH;
    std::string SOURCE;
    /// Clock time of the search's start, in hundredths of a second.
    std::int64_t TIME = 0;
    /// Elapsed time in hundredths of a second, and as text.
    std::int64_t PROCESSTIME = 0;
    std::string PROCESSTIMESTATIC;
    std::string PROCESSES;
    std::string SETTINGS;

    friend bool operator==(const ResultRow&, const ResultRow&) = default;
};

using ResultQ = std::vector<ResultRow>;

/// The known files (recent files and compare files of the settings), indexed by upper-cased
/// file name.
struct KnownFiles {
    std::vector<std::string> entries;
    std::unordered_map<std::string, std::vector<std::size_t>> byName;  // positions, 0-based
};

/// Held in the workspace. Built on the first search of a pass and reused until the options
/// change (`optionsChanged`) or a new pass starts (`beginPass`).
struct LocateState {
    /// Set by the program at start, or by a test; when absent the first search takes the
    /// process's own environment.
    std::optional<LocateEnvironment> environment;
    /// The header test of the candidate test; empty uses `headerKind`.
    HeaderTest headerTest;
    /// The time of day a results row records, in hundredths of a second; empty uses the
    /// local time of day.
    std::function<std::int64_t()> timeOfDay;

    /// Options a caller sets for the whole run (the command line); when present they take the
    /// place of those of the settings file.
    std::optional<AutolocateOptions> fixedOptions;
    std::optional<AutolocateOptions> options;
    std::optional<DerivedAutolocate> derived;
    std::optional<std::vector<std::string>> historyFolders;
    std::optional<std::vector<std::string>> pathFolders;
    std::optional<KnownFiles> knownFiles;
    FolderCache folders;
    /// A whole-library pass is running: listings are kept from one module to the next.
    bool inPass = false;
    /// Set by a pass that reads each located file next: the search leaves the file it found
    /// open in `accepted` (replacing the one before), so it is opened once.
    bool keepAccepted = false;
    std::optional<AcceptedFile> accepted;

    /// Remembered for the run: the folder of the last file found, and the folders the user
    /// entered by hand (the first one and the last one).
    std::string previousFolder;
    std::string firstEnteredFolder;
    std::string enteredFolder;

    ResultQ results;

    /// Drops everything derived from the options.
    void optionsChanged()
    {
        options.reset();
        derived.reset();
        historyFolders.reset();
        pathFolders.reset();
        knownFiles.reset();
        folders.clear();
    }
    /// Starts a new pass: options and lists are built again on its first search.
    void beginPass()
    {
        optionsChanged();
        inPass = true;
    }
    void endPass()
    {
        inPass = false;
        keepAccepted = false;
        accepted.reset();
        folders.clear();
    }
    /// Remembers a folder the user entered by hand (for instance in the compare dialog).
    void rememberEnteredFolder(const std::string& folder)
    {
        if (firstEnteredFolder.empty())
            firstEnteredFolder = folder;
        enteredFolder = folder;
    }
};

/// The workspace's locate state.
[[nodiscard]] inline LocateState& state(Workspace& ws)
{
    return ws.subsystemState.get<LocateState>();
}
[[nodiscard]] inline const LocateState& state(const Workspace& ws)
{
    return ws.subsystemState.get<LocateState>();
}

/// The most rows `ResultQ` keeps; older rows are dropped first.
inline constexpr std::size_t kResultRowLimit = 20000;

}  // namespace quillon::locate
