// C and C++ types to Clarion types, from the type texts both demangling schemes write.
#include "reports/clarion_types.h"

#include <array>
#include <utility>
#include <vector>

namespace quillon::reports {

namespace {

/// Types passed by value, as the normalized text names them.
constexpr std::array<std::pair<std::string_view, std::string_view>, 18> kValueTypes = {{
    {"bool", "BYTE"},
    {"char", "BYTE"},
    {"signed char", "BYTE"},
    {"unsigned char", "BYTE"},
    {"short", "SHORT"},
    {"short int", "SHORT"},
    {"unsigned short", "USHORT"},
    {"unsigned short int", "USHORT"},
    {"wchar_t", "USHORT"},
    {"char16_t", "USHORT"},
    {"int", "LONG"},
    {"long", "LONG"},
    {"long int", "LONG"},
    {"unsigned int", "ULONG"},
    {"unsigned long", "ULONG"},
    {"unsigned", "ULONG"},
    {"float", "SREAL"},
    {"double", "REAL"},
}};

/// A type text without qualifiers and tag words, single-spaced, with its trailing pointer and
/// reference marks counted.
struct NormalizedType {
    std::string base;
    int indirections = 0;
    bool isEnum = false;
    bool function = false;
};

NormalizedType normalize(std::string_view text)
{
    NormalizedType out;
    // "*" and "&" become words of their own ("char const*" and "char const *" read alike).
    std::vector<std::string> words;
    std::string word;
    int depth = 0;
    const auto flush = [&] {
        if (!word.empty())
            words.push_back(word);
        word.clear();
    };
    for (const char c : text) {
        if (c == '(' || c == '<')
            ++depth;
        if (c == ')' || c == '>')
            --depth;
        if (depth == 0 && (c == ' ' || c == '*' || c == '&')) {
            flush();
            if (c != ' ')
                words.emplace_back(1, c);
            continue;
        }
        word += c;
    }
    flush();
    std::vector<std::string> kept;
    for (const std::string& w : words) {
        if (w == "const" || w == "volatile" || w == "__ptr64" || w == "__restrict" ||
            w == "__unaligned" || w == "struct" || w == "class" || w == "union")
            continue;
        if (w == "enum") {
            out.isEnum = true;
            continue;
        }
        kept.push_back(w);
    }
    while (!kept.empty() && (kept.back() == "*" || kept.back() == "&")) {
        ++out.indirections;
        kept.pop_back();
    }
    for (const std::string& w : kept) {
        if (w.find('(') != std::string::npos || w == "*" || w == "&")
            out.function = true;
        if (!out.base.empty())
            out.base += ' ';
        out.base += w;
    }
    return out;
}

std::optional<std::string_view> valueType(std::string_view base)
{
    for (const auto& [cpp, clarion] : kValueTypes) {
        if (cpp == base)
            return clarion;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> clarionParameterType(std::string_view cppType)
{
    const NormalizedType type = normalize(cppType);
    if (type.function)
        // A function pointer ("void (*)(int)") is an address; a function type alone is not.
        return cppType.find('*') != std::string_view::npos ? std::optional<std::string>("LONG")
                                                           : std::nullopt;
    if (type.indirections == 0) {
        if (type.isEnum)
            return std::string("LONG");
        if (const auto clarion = valueType(type.base))
            return std::string(*clarion);
        return std::nullopt;
    }
    if (type.indirections > 1)
        return std::string("*LONG");
    if (type.base == "char" || type.base == "signed char")
        return std::string("*CSTRING");
    if (type.isEnum)
        return std::string("*LONG");
    if (const auto clarion = valueType(type.base))
        return "*" + std::string(*clarion);
    return std::string("LONG");
}

std::optional<std::string> clarionReturnType(std::string_view cppType)
{
    const NormalizedType type = normalize(cppType);
    if (type.indirections == 0 && !type.function && !type.isEnum && type.base == "void")
        return std::string();
    if (type.indirections > 0 || (type.function && cppType.find('*') != std::string_view::npos))
        return std::string("LONG");
    return clarionParameterType(cppType);
}

}  // namespace quillon::reports
