// The locate report for scripts: one line per module with the located file, its bitness and
// the step that found it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillon {
class Workspace;
}

namespace quillon::locate {

/// One module's line.
struct LocateReportRow {
    std::string module;
    /// The located file's full path, or "<File not found>".
    std::string path;
    bool found = false;
    std::uint8_t os = 0;
    /// The source label of the step that found the file; empty when not found.
    std::string step;

    friend bool operator==(const LocateReportRow&, const LocateReportRow&) = default;
};

/// What the report covers.
struct LocateReport {
    std::vector<LocateReportRow> rows;
    bool cancelled = false;
};

/// Locates the file behind every module row of the library and, after them, every name of
/// `extraModules`, in one pass (folder listings shared), without failure messages. The library
/// is not changed. Escape ends the pass early (`cancelled`).
[[nodiscard]] LocateReport locateModules(Workspace& ws,
                                         const std::vector<std::string>& extraModules);

/// The bitness as the report writes it: "16", "32", "?" for a located file with neither
/// header, "-" when not found.
[[nodiscard]] std::string bitnessText(const LocateReportRow& row);

/// The report: one line per row, fields separated by a tab: module (as UTF-8), path (or
/// "<File not found>"), bitness, step ("-" when not found); control characters inside a field
/// become "?". Lines end in "\n".
[[nodiscard]] std::string locateReportText(const LocateReport& report);

}  // namespace quillon::locate
