// Clarion labels: the characters a label may hold, the reserved words, numbered clashes.
#include "reports/clarion_labels.h"

#include <algorithm>
#include <array>

#include "base/ascii_text.h"

namespace quillon::reports {

namespace {

/// Words of the language, structure names and data types: none is a procedure's label.
constexpr auto kReservedWords = std::to_array<std::string_view>({
    "ACCEPT",    "AND",       "ANY",        "APPLICATION", "ASSERT",    "ASTRING",   "BEGIN",
    "BFLOAT4",   "BFLOAT8",   "BREAK",      "BSTRING",     "BY",        "BYTE",      "CASE",
    "CHOOSE",    "CLASS",     "CODE",       "COMPILE",     "CSTRING",   "CYCLE",     "DATA",
    "DATE",      "DECIMAL",   "DETAIL",     "DO",          "ELSE",      "ELSIF",     "END",
    "EQUATE",    "EXECUTE",   "EXIT",       "FILE",        "FOOTER",    "FORM",      "FUNCTION",
    "GOTO",      "GROUP",     "HEADER",     "IF",          "IMPLEMENTS", "INCLUDE",  "INTERFACE",
    "ITEM",      "ITEMIZE",   "JOIN",       "LIKE",        "LONG",      "LOOP",      "MAP",
    "MEMBER",    "MENU",      "MENUBAR",    "MODULE",      "NEW",       "NOT",       "NULL",
    "OF",        "OLECONTROL", "OMIT",      "OPTION",      "OR",        "OROF",      "PARENT",
    "PDECIMAL",  "PROCEDURE", "PROGRAM",    "PSTRING",     "QUEUE",     "REAL",      "RECORD",
    "REPORT",    "RETURN",    "ROUTINE",    "ROW",         "SECTION",   "SELF",      "SHEET",
    "SHORT",     "SIGNED",    "SREAL",      "STRING",      "TAB",       "TABLE",     "THEN",
    "TIME",      "TIMES",     "TO",         "TOOLBAR",     "ULONG",     "UNSIGNED",  "UNTIL",
    "USHORT",    "VIEW",      "WHILE",      "WINDOW",      "XOR",
});

bool isLabelCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

/// `name` without its template arguments ("f<int>" gives "f"): balanced "<...>" groups only,
/// so that "operator<" keeps its sign.
std::string withoutTemplateArguments(std::string_view name)
{
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '<') {
            int depth = 0;
            std::size_t end = i;
            for (; end < name.size(); ++end) {
                if (name[end] == '<')
                    ++depth;
                else if (name[end] == '>' && --depth == 0)
                    break;
            }
            if (end < name.size()) {
                i = end;
                continue;
            }
        }
        out += name[i];
    }
    return out;
}

std::string labelCharacters(std::string_view name)
{
    std::string out;
    bool replaced = false;
    for (const char c : name) {
        if (isLabelCharacter(c)) {
            out += c;
            replaced = false;
        } else if (!replaced && !out.empty()) {
            // A run of other characters ("::", " ", "<>") becomes one "_".
            out += '_';
            replaced = true;
        }
    }
    if (replaced)
        out.pop_back();
    if (out.empty())
        return "Export";
    if (out[0] >= '0' && out[0] <= '9')
        out.insert(out.begin(), '_');
    return out;
}

}  // namespace

bool isClarionReservedWord(std::string_view word)
{
    const std::string upper = upperCase(word);
    return std::find(kReservedWords.begin(), kReservedWords.end(), upper) != kReservedWords.end();
}

std::string ClarionLabels::make(std::string_view name)
{
    std::string label = labelCharacters(withoutTemplateArguments(name));
    if (isClarionReservedWord(label))
        label += '_';
    // A label taken already gets the lowest number not taken. Taken labels stay taken, so the
    // search for the next copy goes on where the last one ended: a name exported by thousands of
    // modules costs one try per copy, not one per copy before it.
    const std::string key = upperCase(label);
    std::string candidate = label;
    if (m_taken.count(key) != 0) {
        int& number = m_nextNumber.try_emplace(key, 2).first->second;
        do
            candidate = label + '_' + std::to_string(number++);
        while (m_taken.count(upperCase(candidate)) != 0);
    }
    m_taken.insert(upperCase(candidate));
    return candidate;
}

}  // namespace quillon::reports
