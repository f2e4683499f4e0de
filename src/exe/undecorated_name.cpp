// Undecorated names through LLVM's demangler.
#include "exe/undecorated_name.h"

#include <cstdlib>

#include <llvm/Demangle/Demangle.h>

namespace quillon::exe {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

/// The N of a trailing "@N" (at most five digits), and where the "@" stands.
std::optional<std::pair<std::size_t, std::uint32_t>> trailingArgumentBytes(std::string_view name)
{
    const std::size_t at = name.rfind('@');
    if (at == std::string_view::npos || at + 1 == name.size() || name.size() - at - 1 > 5)
        return std::nullopt;
    std::uint32_t bytes = 0;
    for (const char c : name.substr(at + 1)) {
        if (!isDigit(c))
            return std::nullopt;
        bytes = bytes * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return std::pair{at, bytes};
}

/// Takes a malloc'd text from the demangler.
std::string adopt(char* text)
{
    if (text == nullptr)
        return {};
    std::string out(text);
    std::free(text);
    return out;
}

}  // namespace

DecorationParts decorationOf(std::string_view exportName)
{
    DecorationParts parts;
    parts.core = exportName;
    if (exportName.size() > 1 && exportName[0] == '?') {
        parts.decoration = NameDecoration::Microsoft;
        return parts;
    }
    const auto bytes = trailingArgumentBytes(exportName);
    if (exportName.size() > 2 && exportName.substr(0, 2) == "_Z") {
        parts.decoration = NameDecoration::Itanium;
        if (bytes) {
            parts.core = exportName.substr(0, bytes->first);
            parts.argumentBytes = bytes->second;
        }
        return parts;
    }
    if (!bytes)
        return parts;
    std::string_view bare = exportName.substr(0, bytes->first);
    NameDecoration decoration = NameDecoration::Stdcall;
    if (!bare.empty() && bare[0] == '@') {
        decoration = NameDecoration::Fastcall;
        bare.remove_prefix(1);
    } else if (!bare.empty() && bare[0] == '_') {
        bare.remove_prefix(1);
    }
    // A bare name holds no further "@" and does not begin with a digit.
    if (bare.empty() || bare.find('@') != std::string_view::npos || isDigit(bare[0]))
        return parts;
    parts.decoration = decoration;
    parts.core = bare;
    parts.argumentBytes = bytes->second;
    return parts;
}

std::string undecoratedName(std::string_view exportName)
{
    const DecorationParts parts = decorationOf(exportName);
    // The demanglers read NUL-terminated text.
    const std::string core(parts.core);
    int status = 0;
    switch (parts.decoration) {
        case NameDecoration::None:
            return {};
        case NameDecoration::Stdcall:
        case NameDecoration::Fastcall:
            return core;
        case NameDecoration::Microsoft:
            return adopt(llvm::microsoftDemangle(core.c_str(), nullptr, nullptr, nullptr, &status));
        case NameDecoration::Itanium:
            return adopt(llvm::itaniumDemangle(core.c_str(), nullptr, nullptr, &status));
    }
    return {};
}

std::string shownName(std::string_view name, bool undecorate)
{
    if (undecorate) {
        std::string undecorated = undecoratedName(name);
        if (!undecorated.empty())
            return undecorated;
    }
    return std::string(name);
}

std::string undecoratedToolTip(std::string_view name)
{
    const std::string undecorated = undecoratedName(name);
    if (undecorated.empty())
        return undecorated;
    return undecorated + "\n" + std::string(name);
}

}  // namespace quillon::exe
