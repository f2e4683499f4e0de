// The settings of section `Compare`: the matching options, the dialog's choices and the list
// of candidate disk files (`CompareFile1` on).
#pragma once

#include <string>
#include <vector>

#include "reports/compare_types.h"

namespace quillon::settings {
class SettingsStore;
}

namespace quillon::reports {

inline constexpr const char* kCompareSection = "Compare";

struct CompareSettings {
    CompareOptions options;
    bool UseNoUnchanged = false;
    bool UseShowReport = false;
    bool UseMultiCompare = true;
    bool UseAutoCompare = true;
    bool UseProgress = true;
    std::string CompareModule;
    int PrevCompareModule = 0;
    bool PreviousNotFound = false;
    std::string CompareFile;
    std::string CompareDir;

    friend bool operator==(const CompareSettings&, const CompareSettings&) = default;
};

/// Reads section `Compare` with its defaults. "Partial match" is not stored; it stays off.
[[nodiscard]] CompareSettings readCompareSettings(settings::SettingsStore& store);
/// Writes the keys of section `Compare` (and "Partial match" as `UseModuleExtensions`).
void writeCompareSettings(settings::SettingsStore& store, const CompareSettings& s);

/// The candidate disk files (`CompareFile1` ... up to `maximum`).
[[nodiscard]] std::vector<std::string> readCompareFiles(settings::SettingsStore& store,
                                                        int maximum);
/// Puts `file` first in the candidate list, keeping the others in order without repeats.
void rememberCompareFile(settings::SettingsStore& store, int maximum, const std::string& file);
/// Rewrites the candidate list as `files`.
void writeCompareFiles(settings::SettingsStore& store, int maximum,
                       const std::vector<std::string>& files);

}  // namespace quillon::reports
