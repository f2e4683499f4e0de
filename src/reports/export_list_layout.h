// The layout of the export list: frame rules, title and end blocks, module comments and the
// symbol lines with their "@" column, as Windows-1252 text with CR LF line ends.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillon::reports {

/// The export list's file name, in the settings folder.
inline constexpr std::string_view kExportListFileName = "ExportList.txt";

/// Names shorter than this get their "@" in column 41; longer ones one blank after the name.
inline constexpr std::size_t kAtColumnNameLimit = 37;

/// The text of the title block, with the clipboard line when `copied`, followed by the start
/// comment of `firstModule`.
[[nodiscard]] std::string exportListTitle(bool copied, std::string_view firstModule);

/// The end comment of `from`, an empty line and the start comment of `to`.
void appendModuleSwitch(std::string& out, std::string_view from, std::string_view to);

/// One symbol line: two blanks, the name, the ordinal field and the comment field, CR LF.
void appendSymbolLine(std::string& out, std::string_view symbol, std::uint16_t ordinal,
                      std::string_view comment);

/// The end comment of `lastModule` and the end block.
void appendEndBlock(std::string& out, std::string_view lastModule);

/// The frame lines every block is made of (two blanks, the rule, CR LF).
void appendUnderline(std::string& out);
void appendOverline(std::string& out);
void appendBlankFrame(std::string& out);
/// Two blanks, `text` and CR LF.
void appendFramed(std::string& out, std::string_view text);

}  // namespace quillon::reports
