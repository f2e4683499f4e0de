// Conversion between the Windows-1252 bytes of names and texts and UTF-8 for display.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

/// Converts Windows-1252 bytes to UTF-8. Bytes 81h, 8Dh, 8Fh, 90h and 9Dh, undefined in
/// Windows-1252, map to the C1 controls of the same value so that nothing is lost.
[[nodiscard]] std::string cp1252ToUtf8(std::string_view text);

/// Converts UTF-8 to Windows-1252; a character without a Windows-1252 byte becomes "?",
/// and so does each byte of a malformed sequence.
[[nodiscard]] std::string utf8ToCp1252(std::string_view text);

/// Whether `text` is well-formed UTF-8 (no overlong forms, surrogates or values past 10FFFFh).
[[nodiscard]] bool isUtf8(std::string_view text);

/// Converts a text of the program to UTF-8 for display: the text is Windows-1252, but the file
/// names it carries are UTF-8, so each well-formed UTF-8 sequence of two or more bytes is kept
/// as it stands and every other byte is taken as Windows-1252. (A Windows-1252 letter from C2h
/// to F4h directly followed by the bytes of a UTF-8 sequence's tail, such as "é" and a closing
/// quote, reads as that UTF-8 character; the program's own texts hold no such pair.)
[[nodiscard]] std::string textWithPathsToUtf8(std::string_view text);

/// Byte A0h, the non-breaking space used to widen message boxes.
inline constexpr char kNonBreakingSpace = '\xA0';

}  // namespace quillon
