// FixedText: a text field of fixed capacity, cut to capacity minus one character.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quillon {

/// A NUL-terminated character array holding at most `Capacity - 1` bytes, stored inline.
template <std::size_t Capacity>
class FixedText {
public:
    static_assert(Capacity >= 2 && Capacity <= 255);
    static constexpr std::size_t kMaxLength = Capacity - 1;

    FixedText() = default;
    FixedText(std::string_view text) { assign(text); }  // NOLINT: implicit by design

    /// Stores `text`, cut to `kMaxLength` bytes and at its first NUL.
    void assign(std::string_view text)
    {
        const auto nul = text.find('\0');
        if (nul != std::string_view::npos)
            text = text.substr(0, nul);
        const std::size_t n = std::min(text.size(), kMaxLength);
        std::copy_n(text.data(), n, m_chars.data());
        m_length = static_cast<unsigned char>(n);
    }

    [[nodiscard]] std::string_view view() const { return {m_chars.data(), m_length}; }
    [[nodiscard]] std::string str() const { return std::string(view()); }
    [[nodiscard]] std::size_t size() const { return m_length; }
    [[nodiscard]] bool empty() const { return m_length == 0; }

    friend bool operator==(const FixedText& a, const FixedText& b) { return a.view() == b.view(); }
    friend auto operator<=>(const FixedText& a, const FixedText& b) { return a.view() <=> b.view(); }

private:
    std::array<char, kMaxLength> m_chars{};
    unsigned char m_length = 0;
};

/// Cuts `text` to a field of `capacity` (capacity minus one characters).
[[nodiscard]] inline std::string cutToCapacity(std::string_view text, std::size_t capacity)
{
    return std::string(text.substr(0, std::min(text.size(), capacity - 1)));
}

}  // namespace quillon
