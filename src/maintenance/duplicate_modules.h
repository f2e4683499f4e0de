// Duplicate modules: the question after an add and the removal of modules named twice.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/progress_indicator.h"
#include "core/workspace.h"

namespace quillon::maintenance {

/// The answers of the duplicate-module question, as the 1-based buttons of
/// "&Yes|&No|A&bort all|K&eep all".
enum DuplicateAnswer : std::uint8_t {
    kAnswerYes = 1,
    kAnswerNo = 2,
    kAnswerAbortAll = 3,
    kAnswerKeepAll = 4
};

/// The per-add answer state, held by the file-adding step for one add command: 0 for a
/// single-file add, 1 for a multi-file add without a standing answer, otherwise 1 + the last
/// answer (4 "A&bort all" and 5 "K&eep all" stand for the rest of that add).
struct DuplicateAnswerState {
    std::uint8_t value = 0;

    [[nodiscard]] static DuplicateAnswerState singleFile() { return {0}; }
    [[nodiscard]] static DuplicateAnswerState multiFile() { return {1}; }
    [[nodiscard]] bool multiFileAdd() const { return value != 0; }
    /// The answer that stands for the rest of the add, or 0.
    [[nodiscard]] std::uint8_t standingAnswer() const
    {
        return value == 1 + kAnswerAbortAll || value == 1 + kAnswerKeepAll ? value - 1 : 0;
    }
};

/// `AskDuplicateModules`: for each new module row (from 0-based `firstNewRow`, or from the top
/// with `fromTop`) that arrived marked because its name was already in the library, asks
/// (naming `addedFile`, the file being added) whether to abort loading it ("&Yes" deletes its rows, "&No" keeps it and clears the mark,
/// "A&bort all" deletes every marked new row, "K&eep all" keeps them all). The last two buttons
/// are offered with `allowAll` or during a multi-file add, whose `state` keeps the answers.
/// Returns true when rows were deleted.
bool askDuplicateModules(Workspace& ws, std::string_view addedFile, std::size_t firstNewRow,
                         bool fromTop, bool allowAll, DuplicateAnswerState& state);

/// `ConfirmDuplicateModulesAfterAdd`: the same walk after a multi-file add, asking "Remove this
/// module?" with all four buttons and the module's own file name. Nothing is asked or changed
/// while "UseNoMessages" is on. Returns true when it ran.
bool confirmDuplicateModulesAfterAdd(Workspace& ws, std::size_t firstNewRow,
                                     DuplicateAnswerState& state);

/// How `RemoveDuplicateModules` is called.
enum class DuplicateRemovalMode : std::uint8_t {
    Standalone = 0,        // a step of its own: progress, sorted list, renewed marks
    FromInconsistent = 2,  // part of `RemoveInconsistentModules`
};

/// What one `RemoveDuplicateModules` did.
struct DuplicateModuleRemoval {
    /// False when nothing was looked at: the library was empty, or a standalone run found
    /// "UseBitCheckSetDuplicates" and "UseBitCheckDuplicates" both off.
    bool ran = false;
    /// Modules removed.
    std::uint32_t removed = 0;

    friend bool operator==(const DuplicateModuleRemoval&, const DuplicateModuleRemoval&) = default;
};

/// `RemoveDuplicateModules`: removes every module whose name (letter case ignored) belongs to a
/// module of a lower number, with all its rows, unless "UseBitCheckSetDuplicates" and
/// "UseBitCheckDuplicates" are both off in standalone mode. `progress` (when given) shows the
/// modules removed while it runs (a standalone run starts it); the result is for the caller
/// to show.
[[nodiscard]] DuplicateModuleRemoval removeDuplicateModules(Workspace& ws,
                                                            DuplicateRemovalMode mode,
                                                            ProgressIndicator* progress = nullptr);

}  // namespace quillon::maintenance
