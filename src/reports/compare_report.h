// The compare report: the text shown in the report window after a comparison.
#pragma once

#include <string>
#include <string_view>

#include "reports/compare_types.h"

namespace quillon::reports {

/// The caption of the report window: "Clarion Quillon 32 - Compare Report: " and the module.
[[nodiscard]] std::string compareReportCaption(std::string_view moduleName);

/// The report of a finished comparison, in the ANSI code page: every line begins with two
/// blanks and ends with CR LF, framed by rules of 43 underscores and 43 macrons.
[[nodiscard]] std::string compareReportText(const CompareResult& result);

}  // namespace quillon::reports
