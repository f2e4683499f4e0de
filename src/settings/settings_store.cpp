// The INI-format settings file: line-preserving reads and writes.
#include "settings/settings_store.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "base/text_encoding.h"

namespace quillon::settings {

namespace {

constexpr std::size_t kMaxValueLength = 1024;

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool equalNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

bool isBlank(std::string_view s)
{
    return s.find_first_not_of(' ') == std::string_view::npos;
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

/// The file as lines, each with its own line end so that untouched lines are written back byte
/// for byte, and the line end the file mostly uses, which new lines get.
struct IniText {
    std::vector<std::string> lines;
    std::vector<std::string> ends;  // "\r\n", "\n", or "" for a last line without one
    std::string newline = "\n";
    bool startsWithBom = false;  // a UTF-8 byte order mark, kept but not part of the first line
    bool utf16 = false;          // read from UTF-16: readable, but never written back

    void insert(std::size_t at, std::string line)
    {
        if (at == lines.size() && !ends.empty() && ends.back().empty())
            ends.back() = newline;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
        ends.insert(ends.begin() + static_cast<std::ptrdiff_t>(at), newline);
    }
    void erase(std::size_t at)
    {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
        ends.erase(ends.begin() + static_cast<std::ptrdiff_t>(at));
    }
};

/// UTF-16LE text (after its byte order mark) as Windows-1252 bytes; characters without a
/// Windows-1252 byte become "?".
std::string utf16ToCp1252(std::string_view bytes)
{
    std::string utf8;
    utf8.reserve(bytes.size() / 2);
    const auto unit = [&](std::size_t i) {
        return static_cast<unsigned>(static_cast<unsigned char>(bytes[i])) |
               static_cast<unsigned>(static_cast<unsigned char>(bytes[i + 1])) << 8;
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        unsigned c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = '?';
        }
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (c >> 12));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | (c >> 18));
            utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8ToCp1252(utf8);
}

/// Names that can be stored: a line break would split the entry, "=" would end the key early,
/// and a key starting with "[" or ";" would read back as a section or a comment.
bool storableSection(std::string_view section)
{
    return !trim(section).empty() && section.find_first_of("]\r\n") == std::string_view::npos;
}

bool storableKey(std::string_view key)
{
    const std::string_view t = trim(key);
    return !t.empty() && t.front() != '[' && t.front() != ';' &&
           key.find_first_of("=\r\n") == std::string_view::npos;
}

/// Reads the file; nullopt when it exists but cannot be read (so that no write destroys it).
std::optional<IniText> load(const std::string& path)
{
    IniText text;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return text;
    if (std::filesystem::is_directory(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    std::string bytes = content.str();
    if (std::string_view(bytes).substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        text.startsWithBom = true;
        bytes.erase(0, kUtf8Bom.size());
    } else if (std::string_view(bytes).substr(0, 2) == "\xFF\xFE") {
        text.utf16 = true;
        bytes = utf16ToCp1252(std::string_view(bytes).substr(2));
    }
    std::size_t crlf = 0;
    std::size_t lf = 0;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) {
            text.lines.push_back(bytes.substr(start));
            text.ends.emplace_back();
            break;
        }
        ++lf;
        std::size_t lineEnd = end;
        if (lineEnd > start && bytes[lineEnd - 1] == '\r') {
            ++crlf;
            --lineEnd;
        }
        text.lines.push_back(bytes.substr(start, lineEnd - start));
        text.ends.push_back(bytes.substr(lineEnd, end + 1 - lineEnd));
        start = end + 1;
    }
    if (crlf * 2 > lf)
        text.newline = "\r\n";
    return text;
}

/// Writes the lines to a temporary file beside the target and renames it over the target, so
/// that a failed write leaves the old file whole. A symbolic link is followed, so that the file
/// it names is replaced and the link survives; the file keeps its permissions.
void store(const std::string& path, const IniText& text)
{
    std::error_code ec;
    std::filesystem::path target(path);
    if (std::filesystem::is_symlink(target, ec)) {
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(target, ec);
        if (ec)
            return;
        target = resolved;
    }
    if (target.has_parent_path() && !std::filesystem::exists(target.parent_path(), ec))
        std::filesystem::create_directories(target.parent_path(), ec);
    const std::filesystem::file_status oldStatus = std::filesystem::status(target, ec);
    const std::string temp = target.string() + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return;
        if (text.startsWithBom)
            out << kUtf8Bom;
        for (std::size_t i = 0; i < text.lines.size(); ++i)
            out << text.lines[i] << text.ends[i];
        out.flush();
        if (!out) {
            out.close();
            std::filesystem::remove(temp, ec);
            return;
        }
    }
    if (std::filesystem::is_regular_file(oldStatus))
        std::filesystem::permissions(temp, oldStatus.permissions(), ec);
    std::filesystem::rename(temp, target, ec);
    if (ec)
        std::filesystem::remove(temp, ec);
}

/// The section name of a "[name]" line, or nullopt for any other line.
std::optional<std::string_view> sectionName(std::string_view line)
{
    const std::string_view t = trim(line);
    if (t.size() < 2 || t.front() != '[')
        return std::nullopt;
    const std::size_t close = t.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trim(t.substr(1, close - 1));
}

/// Where a key stands: its section's line range and the key's own line.
struct Location {
    std::optional<std::size_t> sectionLine;  // the "[section]" line
    std::size_t sectionEnd = 0;              // one past the section's last line
    std::optional<std::size_t> keyLine;
};

Location locate(const IniText& text, std::string_view section, std::string_view key)
{
    Location where;
    bool inSection = false;
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        const std::string& line = text.lines[i];
        if (const auto name = sectionName(line)) {
            if (inSection) {
                where.sectionEnd = i;
                return where;
            }
            if (equalNoCase(*name, section)) {
                inSection = true;
                where.sectionLine = i;
            }
            continue;
        }
        if (!inSection || where.keyLine)
            continue;
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        if (equalNoCase(trim(std::string_view(line).substr(0, eq)), key))
            where.keyLine = i;
    }
    where.sectionEnd = text.lines.size();
    return where;
}

std::string valueOf(std::string_view line)
{
    const std::size_t eq = line.find('=');
    std::string_view value = trim(line.substr(eq + 1));
    if (value.size() >= 2 && ((value.front() == '"' && value.back() == '"') ||
                              (value.front() == '\'' && value.back() == '\'')))
        value = value.substr(1, value.size() - 2);
    if (value.size() > kMaxValueLength)
        value = value.substr(0, kMaxValueLength);
    return std::string(value);
}

}  // namespace

int settingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX)
            return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

std::string SettingsStore::readSetting(std::string_view section, std::string_view key,
                                       std::string_view defaultValue)
{
    std::string value(defaultValue);
    if (!storableSection(section) || !storableKey(key))
        return value;
    std::optional<IniText> text = load(m_path);
    if (!text)
        return value;
    const Location where = locate(*text, section, key);
    if (where.keyLine)
        value = valueOf(text->lines[*where.keyLine]);
    if (isBlank(value) && where.keyLine && m_access == Access::ReadWrite && !text->utf16) {
        text->erase(*where.keyLine);
        store(m_path, *text);
    }
    return value;
}

int SettingsStore::readNumber(std::string_view section, std::string_view key, int defaultValue)
{
    const std::string text = readSetting(section, key, std::to_string(defaultValue));
    return settingNumber(text);
}

void SettingsStore::writeSetting(std::string_view section, std::string_view key,
                                 std::string_view value)
{
    if (m_access == Access::ReadOnly || !storableSection(section) || !storableKey(key))
        return;
    value = value.substr(0, std::min(value.find_first_of("\r\n"), value.size()));
    while (!value.empty() && value.back() == ' ')
        value.remove_suffix(1);
    if (value.empty()) {
        deleteSetting(section, key);
        return;
    }
    std::optional<IniText> text = load(m_path);
    if (!text || text->utf16)
        return;
    std::string line = std::string(key) + "=" + std::string(value);
    const Location where = locate(*text, section, key);
    if (where.keyLine) {
        if (text->lines[*where.keyLine] == line)
            return;
        text->lines[*where.keyLine] = std::move(line);
    } else if (where.sectionLine) {
        // After the section's last non-blank line, so that a blank separator line stays last.
        std::size_t at = where.sectionEnd;
        while (at > *where.sectionLine + 1 && isBlank(trim(text->lines[at - 1])))
            --at;
        text->insert(at, std::move(line));
    } else {
        std::string header(1, '[');
        header.append(section).push_back(']');
        text->insert(text->lines.size(), std::move(header));
        text->insert(text->lines.size(), std::move(line));
    }
    store(m_path, *text);
}

void SettingsStore::writeNumber(std::string_view section, std::string_view key, int value)
{
    writeSetting(section, key, std::to_string(value));
}

void SettingsStore::deleteSetting(std::string_view section, std::string_view key)
{
    if (m_access == Access::ReadOnly || !storableSection(section) || !storableKey(key))
        return;
    std::optional<IniText> text = load(m_path);
    if (!text || text->utf16)
        return;
    const Location where = locate(*text, section, key);
    if (!where.keyLine)
        return;
    text->erase(*where.keyLine);
    store(m_path, *text);
}

void SettingsStore::deleteNumberedKeys(std::string_view section, std::string_view stem)
{
    if (stem.empty())
        return;
    eraseSectionLines(section, false, [&](std::string_view line) {
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            return false;
        const std::string_view key = trim(line.substr(0, eq));
        if (key.size() <= stem.size() || !equalNoCase(key.substr(0, stem.size()), stem))
            return false;
        const std::string_view index = key.substr(stem.size());
        return std::all_of(index.begin(), index.end(),
                           [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
    });
}

void SettingsStore::deleteSection(std::string_view section)
{
    eraseSectionLines(section, true, [](std::string_view) { return true; });
}

void SettingsStore::eraseSectionLines(std::string_view section, bool withHeader,
                                      const std::function<bool(std::string_view)>& erase)
{
    if (m_access == Access::ReadOnly || !storableSection(section))
        return;
    std::optional<IniText> text = load(m_path);
    if (!text || text->utf16)
        return;
    bool inSection = false;
    bool changed = false;
    for (std::size_t i = 0; i < text->lines.size();) {
        const auto name = sectionName(text->lines[i]);
        if (name)
            inSection = equalNoCase(*name, section);
        if (inSection && (name ? withHeader : erase(text->lines[i]))) {
            text->erase(i);
            changed = true;
            continue;
        }
        ++i;
    }
    if (changed)
        store(m_path, *text);
}

}  // namespace quillon::settings
