// Related function names and the index that finds them without comparing every pair.
#include "reports/name_relation.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "base/ascii_text.h"

namespace quillon::reports {

namespace {

/// The position of the first "@" from the second character on.
std::size_t firstAt(std::string_view key)
{
    return key.size() < 2 ? std::string_view::npos : key.find('@', 1);
}

bool contains(std::string_view outer, std::string_view inner)
{
    return outer.find(inner) != std::string_view::npos;
}

constexpr std::uint64_t kBase = 1099511628211ULL;

/// Polynomial hashes of windows of one length, rolled along a text.
class WindowHasher {
public:
    explicit WindowHasher(std::size_t maxLength) : m_powers(maxLength + 1, 1)
    {
        for (std::size_t i = 1; i < m_powers.size(); ++i)
            m_powers[i] = m_powers[i - 1] * kBase;
    }

    [[nodiscard]] static std::uint64_t hash(std::string_view text)
    {
        std::uint64_t h = 0;
        for (const char c : text)
            h = h * kBase + static_cast<unsigned char>(c);
        return mix(h, text.size());
    }

    /// Calls `f(position, hash)` for each window of `length` in `text`.
    template <class F>
    void windows(std::string_view text, std::size_t length, F&& f) const
    {
        if (length == 0 || length > text.size())
            return;
        std::uint64_t h = 0;
        for (std::size_t i = 0; i < length; ++i)
            h = h * kBase + static_cast<unsigned char>(text[i]);
        f(std::size_t{0}, mix(h, length));
        const std::uint64_t top = m_powers[length - 1];
        for (std::size_t i = length; i < text.size(); ++i) {
            h = (h - static_cast<unsigned char>(text[i - length]) * top) * kBase +
                static_cast<unsigned char>(text[i]);
            f(i - length + 1, mix(h, length));
        }
    }

private:
    static std::uint64_t mix(std::uint64_t h, std::size_t length)
    {
        return h ^ (static_cast<std::uint64_t>(length) * 0x9E3779B97F4A7C15ULL);
    }
    std::vector<std::uint64_t> m_powers;
};

/// Finds which of a set of keys occur inside a text.
class SubstringIndex {
public:
    SubstringIndex(const std::vector<std::string>& keys, const WindowHasher& hasher)
        : m_keys(keys), m_hasher(hasher)
    {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i].empty())
                continue;
            m_byHash[WindowHasher::hash(keys[i])].push_back(i);
            m_lengths.push_back(keys[i].size());
        }
        std::sort(m_lengths.begin(), m_lengths.end());
        m_lengths.erase(std::unique(m_lengths.begin(), m_lengths.end()), m_lengths.end());
    }

    /// Calls `f(keyIndex)` for every key found in `text` (a key found twice is told twice).
    template <class F>
    void find(std::string_view text, F&& f) const
    {
        for (const std::size_t length : m_lengths) {
            if (length > text.size())
                break;
            m_hasher.windows(text, length, [&](std::size_t at, std::uint64_t h) {
                const auto it = m_byHash.find(h);
                if (it == m_byHash.end())
                    return;
                for (const std::size_t k : it->second) {
                    if (m_keys[k].size() == length && text.compare(at, length, m_keys[k]) == 0)
                        f(k);
                }
            });
        }
    }

private:
    const std::vector<std::string>& m_keys;
    const WindowHasher& m_hasher;
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> m_byHash;
    std::vector<std::size_t> m_lengths;
};

std::vector<std::string> keysOf(const std::vector<std::string_view>& names)
{
    std::vector<std::string> keys;
    keys.reserve(names.size());
    for (const std::string_view name : names)
        keys.push_back(relationKey(name));
    return keys;
}

std::size_t longest(const std::vector<std::string>& keys)
{
    std::size_t n = 0;
    for (const std::string& k : keys)
        n = std::max(n, k.size());
    return n;
}

}  // namespace

std::string relationKey(std::string_view name)
{
    if (!name.empty() && name.front() == '?') {
        const std::size_t at = name.find('@');
        if (at != std::string_view::npos)
            name = name.substr(0, at);
    }
    return upperCase(name);
}

std::string undecoratedCore(std::string_view name)
{
    while (!name.empty() && (name.front() == '_' || name.front() == '@'))
        name.remove_prefix(1);
    const std::size_t at = name.rfind('@');
    if (at != std::string_view::npos && at + 1 < name.size() &&
        name.find_first_not_of("0123456789", at + 1) == std::string_view::npos)
        name = name.substr(0, at);
    return upperCase(name);
}

bool namesRelated(std::string_view a, std::string_view b, bool heavyMangling)
{
    const std::string ka = relationKey(a);
    const std::string kb = relationKey(b);
    if ((ka.size() > 4 && contains(ka, kb)) || (kb.size() > 4 && contains(kb, ka)))
        return true;
    const std::size_t at = firstAt(ka);
    if (at != std::string_view::npos && at == firstAt(kb) && ka.compare(0, at, kb, 0, at) == 0)
        return true;
    if (heavyMangling) {
        const std::string ca = undecoratedCore(a);
        return !ca.empty() && ca == undecoratedCore(b);
    }
    return false;
}

std::vector<std::vector<std::size_t>> relatedCandidates(const std::vector<std::string_view>& left,
                                                        const std::vector<std::string_view>& right,
                                                        bool heavyMangling)
{
    std::vector<std::vector<std::size_t>> out(left.size());
    if (left.empty() || right.empty())
        return out;
    const std::vector<std::string> leftKeys = keysOf(left);
    const std::vector<std::string> rightKeys = keysOf(right);
    const WindowHasher hasher(std::max(longest(leftKeys), longest(rightKeys)));

    // A right name inside a longer-than-4 left name, and a left name inside a right one.
    const SubstringIndex rightIndex(rightKeys, hasher);
    for (std::size_t l = 0; l < leftKeys.size(); ++l) {
        if (leftKeys[l].size() > 4)
            rightIndex.find(leftKeys[l], [&](std::size_t r) { out[l].push_back(r); });
    }
    const SubstringIndex leftIndex(leftKeys, hasher);
    for (std::size_t r = 0; r < rightKeys.size(); ++r) {
        if (rightKeys[r].size() > 4)
            leftIndex.find(rightKeys[r], [&](std::size_t l) { out[l].push_back(r); });
    }

    // The same first "@" position with the same text before it.
    std::unordered_map<std::string_view, std::vector<std::size_t>> byAtPrefix;
    for (std::size_t r = 0; r < rightKeys.size(); ++r) {
        const std::size_t at = firstAt(rightKeys[r]);
        if (at != std::string_view::npos)
            byAtPrefix[std::string_view(rightKeys[r]).substr(0, at + 1)].push_back(r);
    }
    for (std::size_t l = 0; l < leftKeys.size(); ++l) {
        const std::size_t at = firstAt(leftKeys[l]);
        if (at == std::string_view::npos)
            continue;
        const auto it = byAtPrefix.find(std::string_view(leftKeys[l]).substr(0, at + 1));
        if (it != byAtPrefix.end())
            out[l].insert(out[l].end(), it->second.begin(), it->second.end());
    }

    if (heavyMangling) {
        std::vector<std::string> rightCores;
        rightCores.reserve(right.size());
        std::unordered_map<std::string_view, std::vector<std::size_t>> byCore;
        for (const std::string_view name : right)
            rightCores.push_back(undecoratedCore(name));
        for (std::size_t r = 0; r < rightCores.size(); ++r) {
            if (!rightCores[r].empty())
                byCore[rightCores[r]].push_back(r);
        }
        for (std::size_t l = 0; l < left.size(); ++l) {
            const std::string core = undecoratedCore(left[l]);
            const auto it = core.empty() ? byCore.end() : byCore.find(core);
            if (it != byCore.end())
                out[l].insert(out[l].end(), it->second.begin(), it->second.end());
        }
    }

    for (std::vector<std::size_t>& list : out) {
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
    }
    return out;
}

}  // namespace quillon::reports
