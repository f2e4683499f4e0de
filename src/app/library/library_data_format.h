// The format of the library data window's module table in section Format.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon::app {

/// The design format of the module table: the column widths, alignments and headers, "|"
/// between columns, and the colour specification the window requires of a stored format.
[[nodiscard]] std::string libraryDataDesignFormat();
/// The format of the module table with the column widths `widths`.
[[nodiscard]] std::string libraryDataFormat(const std::vector<int>& widths);
/// The column widths of a format (the leading digits of each column); empty when the format
/// does not describe every column of the module table with a usable width.
[[nodiscard]] std::vector<int> libraryDataFormatWidths(std::string_view format);

}  // namespace quillon::app
