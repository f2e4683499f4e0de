// When two function names are related: one contains the other, they agree up to a common first
// "@", or (with heavy mangling) they are the same name under different decorations.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::reports {

/// The part of a name the relation looks at, upper-cased: a name that begins with "?" and
/// contains "@" (a C++ decorated name) is taken up to its first "@".
[[nodiscard]] std::string relationKey(std::string_view name);

/// The undecorated core of a name: leading "_" and "@" removed, and a trailing "@" followed by
/// digits (the argument size of "_Name@8" and "@Name@8") removed; upper-cased.
[[nodiscard]] std::string undecoratedCore(std::string_view name);

/// Names are related when, ignoring case, one contains the other and the containing name is
/// longer than 4 characters, or when both have their first "@" (from the second character
/// on) at the same position and agree up to it; C++ decorated names are compared by their
/// `relationKey`. With `heavyMangling`, names with the same non-empty `undecoratedCore`
/// are related too (`_Foo@8`, `@Foo@12`, `_Foo` and `Foo`).
[[nodiscard]] bool namesRelated(std::string_view a, std::string_view b, bool heavyMangling);

/// For every name of `left`, the positions in `right` of the names related to it, ascending.
/// Works through indexes (substring hashes per length present, the "@" prefixes, the cores),
/// never by testing every pair.
[[nodiscard]] std::vector<std::vector<std::size_t>> relatedCandidates(
    const std::vector<std::string_view>& left, const std::vector<std::string_view>& right,
    bool heavyMangling);

}  // namespace quillon::reports
