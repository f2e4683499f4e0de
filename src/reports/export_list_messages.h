// The texts of the export list: its message boxes, status texts and viewer caption.
#pragma once

#include <string>
#include <string_view>

#include "base/result.h"
#include "core/ui/ui_interface.h"

namespace quillon::reports {

inline constexpr std::string_view kExportingStatus = "Exporting...";
inline constexpr std::string_view kExportListStatus = "Export list";
inline constexpr std::string_view kCancelledStatus = "Cancelled";

/// "File Open Error!" with Retry and Cancel, for an export file that cannot be created.
[[nodiscard]] ui::MessageBox exportOpenErrorMessage(const Error& error, std::string_view fileName);

/// "Copy text to clipboard?" for the export of module `moduleName`, or of the library named
/// `libraryFileName` when `moduleName` is empty.
[[nodiscard]] ui::MessageBox copyToClipboardQuestion(std::string_view moduleName,
                                                     std::string_view libraryFileName);

/// "Exported List": whether to open the file in the text editor; `tooBig` adds its first line.
[[nodiscard]] ui::MessageBox openInEditorQuestion(bool tooBig, std::string_view fileName);

/// The message shown when no program could be started for the export file.
[[nodiscard]] ui::MessageBox editorNotStartedMessage(std::string_view fileName);

/// How a file name appears in the export list's texts: upper case on Windows, as spelled
/// elsewhere.
[[nodiscard]] std::string shownFileName(std::string_view fileName);

/// "Clarion Quillon 32 - Export List " and the file name, with " [PAGE n]" when the list
/// has more than one page.
[[nodiscard]] std::string exportViewerCaption(std::string_view fileName, int page, int pageCount);

/// Status pane 1 of an export: "Library: " and the library's file name, or "Module: " and the
/// module name when `moduleName` is not empty.
[[nodiscard]] std::string exportScopeStatus(std::string_view moduleName,
                                            std::string_view libraryFileName);

}  // namespace quillon::reports
