// The module-definition reader: lines, tokens, statements and export entries.
#include "exe/module_definition_reader.h"

#include <array>
#include <optional>
#include <span>

#include "base/ascii_text.h"

namespace quillon::exe {

namespace {

constexpr std::size_t kMaxNameLength = 254;

/// Statements of the format other than LIBRARY, NAME and EXPORTS; their lines are passed over.
constexpr auto kOtherStatements = std::to_array<std::string_view>({
    "APPLOADER", "CODE",     "DATA",     "DESCRIPTION", "EXETYPE",  "HEAPSIZE",
    "IMPORTS",   "OBJECTS",  "OLD",      "PROTMODE",    "REALMODE", "SECTIONS",
    "SEGMENTS",  "STACKSIZE", "STUB",    "VERSION",
});

enum class TokenKind { Word, Quoted, Equals, At };

struct Token {
    TokenKind kind = TokenKind::Word;
    std::string_view text;
};

struct LineTokens {
    std::vector<Token> tokens;
    std::string error;
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\f' || c == '\v';
}

LineTokens tokenize(std::string_view line)
{
    LineTokens out;
    // Names never hold a zero byte, quoted or not.
    if (line.find('\0') != std::string_view::npos) {
        out.error = "the line holds a zero byte";
        return out;
    }
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (isBlank(c)) {
            ++i;
        } else if (c == ';') {
            break;
        } else if (c == '=') {
            out.tokens.push_back({TokenKind::Equals, line.substr(i, 1)});
            ++i;
        } else if (c == '@') {
            out.tokens.push_back({TokenKind::At, line.substr(i, 1)});
            ++i;
        } else if (c == '"' || c == '\'') {
            const std::size_t end = line.find(c, i + 1);
            if (end == std::string_view::npos) {
                out.error = "a quoted name does not end on its line";
                return out;
            }
            out.tokens.push_back({TokenKind::Quoted, line.substr(i + 1, end - i - 1)});
            i = end + 1;
        } else {
            std::size_t end = i;
            while (end < line.size() && !isBlank(line[end]) && line[end] != ';' &&
                   line[end] != '=' && line[end] != '"' && line[end] != '\'')
                ++end;
            out.tokens.push_back({TokenKind::Word, line.substr(i, end - i)});
            i = end;
        }
    }
    return out;
}

bool isKeyword(const Token& token, std::string_view keyword)
{
    return token.kind == TokenKind::Word && upperCase(token.text) == keyword;
}

bool isOtherStatement(const Token& token)
{
    if (token.kind != TokenKind::Word)
        return false;
    const std::string upper = upperCase(token.text);
    for (const std::string_view statement : kOtherStatements) {
        if (upper == statement)
            return true;
    }
    return false;
}

bool isName(const Token& token)
{
    return token.kind == TokenKind::Word || token.kind == TokenKind::Quoted;
}

std::optional<std::uint16_t> ordinalOf(std::string_view digits)
{
    if (digits.empty() || digits.size() > 5)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (value > 0xFFFF)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

bool isNumber(std::string_view text)
{
    if (text.empty())
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

enum class Section { None, Exports, Other };

class Reader {
public:
    explicit Reader(ModuleDefinition& out) : m_out(out) {}

    /// Reads one line; false after a fault.
    bool line(std::string_view text, std::size_t number)
    {
        const LineTokens tokens = tokenize(text);
        if (!tokens.error.empty())
            return fail(number, tokens.error);
        const std::vector<Token>& t = tokens.tokens;
        if (t.empty())
            return true;
        if (isKeyword(t[0], "LIBRARY") || isKeyword(t[0], "NAME"))
            return moduleStatement(t, number);
        if (isKeyword(t[0], "EXPORTS")) {
            m_section = Section::Exports;
            return t.size() == 1 || entry(std::span(t).subspan(1), number);
        }
        if (isOtherStatement(t[0])) {
            m_section = Section::Other;
            return true;
        }
        switch (m_section) {
            case Section::Exports:
                return entry(t, number);
            case Section::Other:
                return true;
            case Section::None:
                break;
        }
        return fail(number, "\"" + std::string(t[0].text) +
                                "\" is not a statement of a module-definition file");
    }

private:
    bool fail(std::size_t number, std::string text)
    {
        m_out.errorLine = number;
        m_out.error = std::move(text);
        return false;
    }

    bool moduleStatement(const std::vector<Token>& t, std::size_t number)
    {
        m_section = Section::None;
        if (m_hasModuleStatement)
            return fail(number, "a second LIBRARY or NAME statement");
        m_hasModuleStatement = true;
        // "LIBRARY BASE=..." names no module.
        if (t.size() >= 2 && isName(t[1]) &&
            !(t.size() >= 3 && t[2].kind == TokenKind::Equals)) {
            if (t[1].text.empty())
                return fail(number, "the module name is empty");
            m_out.moduleName = t[1].text;
        }
        return true;
    }

    bool entry(std::span<const Token> t, std::size_t number)
    {
        if (!isName(t[0]) || t[0].text.empty())
            return fail(number, "an export entry begins with its name");
        const std::string_view name = t[0].text.substr(0, kMaxNameLength);
        std::size_t i = 1;
        if (i < t.size() && t[i].kind == TokenKind::Equals) {
            if (i + 1 >= t.size() || !isName(t[i + 1]))
                return fail(number, "\"=\" is not followed by the internal name");
            i += 2;
        }
        std::optional<std::uint16_t> ordinal;
        bool noName = false;
        bool resident = false;
        for (; i < t.size(); ++i) {
            const Token& token = t[i];
            if (token.kind == TokenKind::At) {
                if (ordinal || i + 1 >= t.size() || !(ordinal = ordinalOf(t[i + 1].text)))
                    return fail(number, "\"@\" is not followed by an ordinal from 0 to 65535");
                ++i;
                continue;
            }
            const std::string upper = token.kind == TokenKind::Word ? upperCase(token.text) : "";
            if (upper == "NONAME")
                noName = true;
            else if (upper == "RESIDENTNAME")
                resident = true;
            else if (upper != "DATA" && upper != "PRIVATE" && upper != "CONSTANT" &&
                     upper != "NODATA" && !isNumber(upper))
                return fail(number, "\"" + std::string(token.text) +
                                        "\" is not an ordinal or a keyword of an export entry");
        }
        if (!ordinal) {
            ++m_out.withoutOrdinal;
            return true;
        }
        if (noName) {
            ++m_out.withoutName;
            return true;
        }
        if (resident && m_out.residentCount == m_out.names.size() &&
            m_out.residentCount < 0xFFFF)
            ++m_out.residentCount;
        m_out.names.push_back(ExportedName{name, *ordinal, resident});
        return true;
    }

    ModuleDefinition& m_out;
    Section m_section = Section::None;
    bool m_hasModuleStatement = false;
};

}  // namespace

ModuleDefinition readModuleDefinition(std::string_view text)
{
    ModuleDefinition out;
    if (text.size() > kMaxModuleDefinitionSize) {
        out.error = "the file is too large for a module-definition file";
        return out;
    }
    // A UTF-8 byte order mark is not part of the first statement.
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    Reader reader(out);
    std::size_t number = 1;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        if (!reader.line(text.substr(start, end - start), number))
            break;
        // CR LF, LF and CR each end a line.
        start = end + 1;
        if (end < text.size() && text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
        ++number;
    }
    if (!out.ok()) {
        out.names.clear();
        out.residentCount = 0;
    }
    return out;
}

ExportTable moduleDefinitionTable(const ModuleDefinition& definition, std::string_view moduleName)
{
    ExportTable table;
    if (definition.names.empty())
        return table;
    table.hasModule = true;
    table.moduleName = moduleName;
    table.os = kOsUnknown;
    table.progressTotal = definition.names.size();
    table.names = definition.names;
    table.residentCount = definition.residentCount;
    return table;
}

}  // namespace quillon::exe
