// IniDocument: the settings file held as its lines, read and changed in memory.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::settings {

/// An INI-format text held line by line. Sections and keys compare without regard to letter
/// case; each line keeps its own line end, so that the lines no change touches come back byte
/// for byte from `text()`. New lines take the line end the text mostly uses.
class IniDocument {
public:
    /// The lines of `bytes`. A UTF-8 byte order mark is kept aside and written back; UTF-16
    /// text (as some editors save INI files) is read as Windows-1252 and marked read-only.
    [[nodiscard]] static IniDocument parse(std::string bytes);

    /// The document as bytes, byte order mark included.
    [[nodiscard]] std::string text() const;
    /// Read from UTF-16: writing it back would change every line, so it is never written.
    [[nodiscard]] bool readOnly() const { return m_utf16; }

    /// The key's value (surrounding blanks and one pair of quotes removed, cut to 1024
    /// characters), or nullopt when the section holds no such key.
    [[nodiscard]] std::optional<std::string> value(std::string_view section,
                                                   std::string_view key) const;
    /// Writes "key=value" over the key's line, or after the last non-blank line of its section,
    /// or in a new section at the end. Returns whether the text changed.
    bool set(std::string_view section, std::string_view key, std::string_view value);
    /// Removes the key's line. Returns whether there was one.
    bool remove(std::string_view section, std::string_view key);
    /// Removes, within every `section` block, the lines `erase` picks, and the header lines when
    /// `withHeader`. Returns whether any line went.
    bool eraseSectionLines(std::string_view section, bool withHeader,
                           const std::function<bool(std::string_view)>& erase);

private:
    /// Where a key stands: its section's line range and the key's own line.
    struct Location {
        std::optional<std::size_t> sectionLine;
        std::size_t sectionEnd = 0;  // one past the section's last line
        std::optional<std::size_t> keyLine;
    };
    [[nodiscard]] Location locate(std::string_view section, std::string_view key) const;
    void insert(std::size_t at, std::string line);
    void erase(std::size_t at);

    std::vector<std::string> m_lines;
    std::vector<std::string> m_ends;  // "\r\n", "\n", or "" for a last line without one
    std::string m_newline = "\n";
    bool m_startsWithBom = false;
    bool m_utf16 = false;
};

/// Names that can be stored: a line break would split the entry, "=" would end a key early, a
/// key starting with "[" or ";" would read back as a section or a comment, and a section name
/// holding "]" would end its header early.
[[nodiscard]] bool storableSection(std::string_view section);
[[nodiscard]] bool storableKey(std::string_view key);

}  // namespace quillon::settings
