// Undecorated names: what a decorated export name stands for, as Windows tools show it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillon::exe {

/// How an exported name is decorated.
enum class NameDecoration {
    /// A plain name: nothing to undecorate.
    None,
    /// "_Name@N" (or "Name@N" as MinGW exports it): a C function of the stdcall convention
    /// taking N bytes of arguments.
    Stdcall,
    /// "@Name@N": a C function of the fastcall convention.
    Fastcall,
    /// "?...": a C++ name of the Microsoft scheme.
    Microsoft,
    /// "_Z...": a C++ name of the Itanium scheme (MinGW), with "@N" when it is stdcall.
    Itanium,
};

/// A name taken apart at its decoration.
struct DecorationParts {
    NameDecoration decoration = NameDecoration::None;
    /// Stdcall and fastcall: the bare name. Itanium: the mangled name without "@N". Otherwise
    /// the whole name.
    std::string_view core;
    /// The N of "@N", when the name carries one.
    std::optional<std::uint32_t> argumentBytes;

    friend bool operator==(const DecorationParts&, const DecorationParts&) = default;
};

/// Tells how `exportName` is decorated; views point into it. C++ names are recognised by
/// their first characters only: whether they demangle is for `undecoratedName` to find.
[[nodiscard]] DecorationParts decorationOf(std::string_view exportName);

/// The undecorated form of `exportName`: the declaration of a C++ name as the demangler writes
/// it ("public: int __thiscall File::Open(char const *)", "File::open(char const*)"), the bare
/// name of a stdcall or fastcall name ("GetThing"). Empty when the name is not decorated or
/// the demangler cannot read it.
[[nodiscard]] std::string undecoratedName(std::string_view exportName);

/// The name a list shows: with `undecorate`, the undecorated form of a decorated name, else
/// the name itself.
[[nodiscard]] std::string shownName(std::string_view name, bool undecorate);

/// The tool tip of a name a list shows undecorated: the whole undecorated form (a list cuts a
/// long one), then the exported name, one a line. Empty when the name is not decorated.
[[nodiscard]] std::string undecoratedToolTip(std::string_view name);

}  // namespace quillon::exe
