// LocateModuleFile: the search for the executable behind one module, step by step, with the
// step tags, source labels and the search results row it leaves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "locate/locate_state.h"
#include "locate/search_places.h"

namespace quillon {
class Workspace;
}

namespace quillon::platform {
class FileSystem;
}

namespace quillon::locate {

/// Step tags, in search order (recorded in `PROCESSES`).
inline constexpr std::string_view kTagModuleData = " MData";
inline constexpr std::string_view kTagPriority = " Pri";
inline constexpr std::string_view kTagRemembered = " Pri2";
inline constexpr std::string_view kTagSystem = " Sys";
inline constexpr std::string_view kTagWindows = " Win";
inline constexpr std::string_view kTagEnvironment = " En";
inline constexpr std::string_view kTagSource = " Source";
inline constexpr std::string_view kTagPassed = " Pass";
inline constexpr std::string_view kTagFiles = " Files";
inline constexpr std::string_view kTagHistory = " Hist";
inline constexpr std::string_view kTagFailed = " Fail";

/// Source labels (recorded in `SOURCE`); known files add ":" and the entry's position.
inline constexpr std::string_view kSourceFileNameDll = "ModuleData.FileNameDLL";
inline constexpr std::string_view kSourceFileName = "ModuleData.FileName";
inline constexpr std::string_view kSourcePriority = "PriorityPath";
inline constexpr std::string_view kSourcePrevious = "PreviousPath";
inline constexpr std::string_view kSourceFirstEntered = "FirstDirEnteredPath";
inline constexpr std::string_view kSourceEntered = "EnteredPath";
inline constexpr std::string_view kSourceSystem = "SystemDir";
inline constexpr std::string_view kSourceWindows = "WindowsDir";
inline constexpr std::string_view kSourceEnvironment = "EnvironmentPath";
inline constexpr std::string_view kSourceDefault = "SourcePath";
inline constexpr std::string_view kSourcePassed = "PassedLocateFile";
inline constexpr std::string_view kSourceFiles = "Files";
inline constexpr std::string_view kSourceHistory = "HistoryPath";

/// What the library knows of a module's files.
struct ModuleData {
    std::string FILENAMEDLL;
    std::string FILENAME;
};

/// The recorded files of every module of `ModuleTable` by upper-cased name, each taken from the
/// first entry of that name as a search takes them: for runs over many modules of a table
/// that does not change meanwhile.
[[nodiscard]] std::unordered_map<std::string, ModuleData> moduleDataByName(const Workspace& ws);

/// One search.
struct LocateRequest {
    std::string moduleName;
    /// The module's recorded files; when absent they are taken from the first `ModuleTable`
    /// entry of that name (letter case ignored).
    std::optional<ModuleData> moduleData;
    /// No wait cursor.
    bool quiet = false;
    /// `SilentMode`: the run has no window; a failed search shows no message.
    bool SilentMode = false;
    /// Relaxed matching even when the option is off.
    bool relaxed = false;
    /// The search runs during a multi-file add (short failure message).
    bool multiFileAdd = false;
    /// The files handed to the current operation.
    std::vector<std::string> passedFiles;
};

/// The outcome of one search.
struct LocateOutcome {
    bool found = false;
    /// The normalized full path, or "<File not found>".
    std::string result;
    /// 1 (NE), 2 (PE), or 0 when not found or the file has neither header.
    std::uint8_t os = 0;
    std::string source;
    std::string processes;

    /// The value of the classic interface: 0 when not found, else the header kind (1 when the
    /// file has no known header).
    [[nodiscard]] int returnCode() const { return found ? (os != 0 ? os : 1) : 0; }

    friend bool operator==(const LocateOutcome&, const LocateOutcome&) = default;
};

/// LocateModuleFile: a blank name fails at once. Otherwise the module data, then (all, or with
/// restricted scope only the chosen members) the priority and remembered folders, the system
/// and Windows folders, the PATH folders, the default source folder, the passed files, the
/// known files and the history folders are tried in that order; the first accepted candidate
/// ends the search. A search that fails shows the failure message unless `UseNoMessages` is
/// set or the program runs silently. Every search appends one row to `ResultQ`.
[[nodiscard]] LocateOutcome LocateModuleFile(Workspace& ws, const LocateRequest& request);

/// The classic form: writes the path (or "<File not found>") cut to `size` - 1 characters into
/// `result` and returns `returnCode`.
int LocateModuleFile(Workspace& ws, std::string_view moduleName, std::string& result,
                     std::size_t size, bool quiet, bool relaxed);

/// Builds the options, derived values and folder lists of the state when they are not built.
void prepareSearch(Workspace& ws);

/// Brackets a series of searches (the compare report, the refresh commands) as one pass: the
/// options and lists are built once and every folder is listed once for all of them.
class LocatePassScope {
public:
    explicit LocatePassScope(Workspace& ws);
    ~LocatePassScope();
    LocatePassScope(const LocatePassScope&) = delete;
    LocatePassScope& operator=(const LocatePassScope&) = delete;

private:
    Workspace& m_ws;
    bool m_outer;
};

}  // namespace quillon::locate
