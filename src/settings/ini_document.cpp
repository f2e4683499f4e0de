// The lines of an INI-format text: parsing, lookup and line-preserving changes.
#include "settings/ini_document.h"

#include <algorithm>
#include <cctype>

#include "base/ascii_text.h"
#include "base/text_encoding.h"

namespace quillon::settings {

namespace {

constexpr std::size_t kMaxValueLength = 1024;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

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
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

void appendUtf8(std::string& out, unsigned c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

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
        appendUtf8(utf8, c);
    }
    return utf8ToCp1252(utf8);
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

IniDocument IniDocument::parse(std::string bytes)
{
    IniDocument doc;
    if (std::string_view(bytes).substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        doc.m_startsWithBom = true;
        bytes.erase(0, kUtf8Bom.size());
    } else if (std::string_view(bytes).substr(0, 2) == "\xFF\xFE") {
        doc.m_utf16 = true;
        bytes = utf16ToCp1252(std::string_view(bytes).substr(2));
    }
    std::size_t crlf = 0;
    std::size_t lf = 0;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) {
            doc.m_lines.push_back(bytes.substr(start));
            doc.m_ends.emplace_back();
            break;
        }
        ++lf;
        std::size_t lineEnd = end;
        if (lineEnd > start && bytes[lineEnd - 1] == '\r') {
            ++crlf;
            --lineEnd;
        }
        doc.m_lines.push_back(bytes.substr(start, lineEnd - start));
        doc.m_ends.push_back(bytes.substr(lineEnd, end + 1 - lineEnd));
        start = end + 1;
    }
    if (crlf * 2 > lf)
        doc.m_newline = "\r\n";
    return doc;
}

std::string IniDocument::text() const
{
    std::string out;
    if (m_startsWithBom)
        out += kUtf8Bom;
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        out.append(m_lines[i]).append(m_ends[i]);
    return out;
}

IniDocument::Location IniDocument::locate(std::string_view section, std::string_view key) const
{
    Location where;
    bool inSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const std::string& line = m_lines[i];
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
    where.sectionEnd = m_lines.size();
    return where;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const
{
    const Location where = locate(section, key);
    if (!where.keyLine)
        return std::nullopt;
    return valueOf(m_lines[*where.keyLine]);
}

bool IniDocument::set(std::string_view section, std::string_view key, std::string_view value)
{
    std::string line = std::string(key) + "=" + std::string(value);
    const Location where = locate(section, key);
    if (where.keyLine) {
        if (m_lines[*where.keyLine] == line)
            return false;
        m_lines[*where.keyLine] = std::move(line);
    } else if (where.sectionLine) {
        // After the section's last non-blank line, so that a blank separator line stays last.
        std::size_t at = where.sectionEnd;
        while (at > *where.sectionLine + 1 && isBlank(trim(m_lines[at - 1])))
            --at;
        insert(at, std::move(line));
    } else {
        std::string header(1, '[');
        header.append(section).push_back(']');
        insert(m_lines.size(), std::move(header));
        insert(m_lines.size(), std::move(line));
    }
    return true;
}

bool IniDocument::remove(std::string_view section, std::string_view key)
{
    const Location where = locate(section, key);
    if (!where.keyLine)
        return false;
    erase(*where.keyLine);
    return true;
}

bool IniDocument::eraseSectionLines(std::string_view section, bool withHeader,
                                    const std::function<bool(std::string_view)>& erase)
{
    bool inSection = false;
    std::vector<bool> gone(m_lines.size(), false);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionName(m_lines[i]);
        if (name)
            inSection = equalNoCase(*name, section);
        gone[i] = inSection && (name ? withHeader : erase(m_lines[i]));
    }
    if (std::find(gone.begin(), gone.end(), true) == gone.end())
        return false;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (gone[i])
            continue;
        if (kept != i) {
            m_lines[kept] = std::move(m_lines[i]);
            m_ends[kept] = std::move(m_ends[i]);
        }
        ++kept;
    }
    m_lines.resize(kept);
    m_ends.resize(kept);
    return true;
}

void IniDocument::insert(std::size_t at, std::string line)
{
    if (at == m_lines.size() && !m_ends.empty() && m_ends.back().empty())
        m_ends.back() = m_newline;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    m_ends.insert(m_ends.begin() + static_cast<std::ptrdiff_t>(at), m_newline);
}

void IniDocument::erase(std::size_t at)
{
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(at));
    m_ends.erase(m_ends.begin() + static_cast<std::ptrdiff_t>(at));
}

}  // namespace quillon::settings
