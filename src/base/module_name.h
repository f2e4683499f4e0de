// ModuleName: the name of a library module, kept whole.
#pragma once

#include <algorithm>
#include <compare>
#include <cstddef>
#include <string>
#include <string_view>

#include "base/row_text.h"

namespace quillon {

/// A module name of at most `kMaxLength` bytes, the longest name the readers take from a file
/// (a longer value is cut, and any value at its first NUL). A Windows program asks for its
/// DLL by this name, so it is never shortened further. Short names are held inline and long
/// ones shared, so the copies of a module's name in its symbol rows cost no memory each.
class ModuleName {
public:
    static constexpr std::size_t kMaxLength = 254;

    ModuleName() = default;
    ModuleName(std::string_view text) : m_text(cut(text)) {}  // NOLINT: implicit by design
    /// The name `text` holds, sharing its bytes when it needs no cut.
    [[nodiscard]] static ModuleName sharing(const RowText& text)
    {
        ModuleName name;
        name.m_text = cut(text.view()).size() == text.size() ? text : RowText(cut(text.view()));
        return name;
    }

    /// Stores `text`, cut as the constructor cuts it.
    void assign(std::string_view text) { m_text = RowText(cut(text)); }

    [[nodiscard]] std::string_view view() const { return m_text.view(); }
    [[nodiscard]] std::string str() const { return m_text.str(); }
    [[nodiscard]] std::size_t size() const { return m_text.size(); }
    [[nodiscard]] bool empty() const { return m_text.empty(); }

    friend bool operator==(const ModuleName& a, const ModuleName& b)
    {
        return a.view() == b.view();
    }
    friend std::strong_ordering operator<=>(const ModuleName& a, const ModuleName& b)
    {
        return a.view() <=> b.view();
    }

private:
    static std::string_view cut(std::string_view text)
    {
        const std::size_t nul = text.find('\0');
        if (nul != std::string_view::npos)
            text = text.substr(0, nul);
        return text.substr(0, std::min(text.size(), kMaxLength));
    }

    RowText m_text;
};

}  // namespace quillon
