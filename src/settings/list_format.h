// List box formats kept in section Format: the design format and the one to restore.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon::settings {

class SettingsStore;

/// The colour specification a stored format of the library data window must hold to be used.
inline constexpr std::string_view kLibraryDataFormatColours =
    "(080000005H,080000005H,080000005H,080000005H)";

/// The key prefix of a window's lists: the first three characters of its caption after leading
/// blanks are removed.
[[nodiscard]] std::string listFormatPrefix(std::string_view caption);
/// "<C>:List<n>:Format:Default", the key of list `number`'s design format.
[[nodiscard]] std::string listFormatDefaultKey(std::string_view caption, int number);
/// "<C>:List<n>:Format", the key of list `number`'s restored format.
[[nodiscard]] std::string listFormatKey(std::string_view caption, int number);

/// Writes the design format of list `number` when its window opens.
void writeDefaultListFormat(SettingsStore& store, std::string_view caption, int number,
                            std::string_view designFormat);

/// The format a list takes when its window opens: with `useRestoreFormat` 1 the stored
/// `<C>:List<n>:Format` (the design format when absent), else the design format.
[[nodiscard]] std::string restoreListFormat(SettingsStore& store, std::string_view caption,
                                            int number, std::string_view designFormat,
                                            int useRestoreFormat);

/// The stored design format of list `number` ("Restore default listbox settings"), or
/// `designFormat` when absent.
[[nodiscard]] std::string defaultListFormat(SettingsStore& store, std::string_view caption,
                                            int number, std::string_view designFormat);

/// Stores the current format of list `number` under `<C>:List<n>:Format`.
void writeListFormat(SettingsStore& store, std::string_view caption, int number,
                     std::string_view format);

/// The column widths of a format (the leading digits of each column, "|" between columns);
/// empty unless it describes `columnCount` columns, each 1 to 10000 wide.
[[nodiscard]] std::vector<int> listFormatWidths(std::string_view format, std::size_t columnCount);

/// Whether the library data window may apply `format` (it holds the colour specification).
[[nodiscard]] bool isUsableLibraryDataFormat(std::string_view format);

}  // namespace quillon::settings
