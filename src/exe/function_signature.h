// FunctionSignature: what an export's decorated name tells about the function behind it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exe/undecorated_name.h"

namespace quillon::exe {

/// The calling convention a name tells.
enum class CallingConvention { NotKnown, Cdecl, Stdcall, Fastcall, Thiscall, Other };

/// What kind of symbol a name stands for.
enum class SymbolKind {
    /// A function (plain names are taken for functions).
    Function,
    /// Exported data: a variable or a static member.
    Data,
    /// Anything else a C++ name can stand for (a virtual table, a string literal, a thunk).
    Special,
    /// A C++ name the demangler cannot read.
    Unreadable,
};

/// The parts of a function's declaration that its exported name carries.
struct FunctionSignature {
    DecorationParts decoration;
    SymbolKind kind = SymbolKind::Function;
    /// The function's qualified name ("File::Open", "GetThing"); for a plain name the name.
    std::string name;
    CallingConvention convention = CallingConvention::NotKnown;
    /// Needs an object: a non-static member function, a constructor or a destructor.
    bool member = false;
    /// An Itanium name inside a class or a namespace: the scheme does not tell the two apart,
    /// so the function may be a member.
    bool maybeMember = false;
    /// The parameters' C++ types in order (an empty list for none), when the name tells them.
    std::optional<std::vector<std::string>> parameters;
    /// The parameter list ends in "...".
    bool variadic = false;
    /// The return type ("void" for none), when the name tells it.
    std::optional<std::string> returnType;

    friend bool operator==(const FunctionSignature&, const FunctionSignature&) = default;
};

/// Reads what `exportName` tells through LLVM's demanglers. A C++ name the demangler cannot
/// read gives an `Unreadable` symbol named as exported; a plain name a function of which
/// nothing but the name is known.
[[nodiscard]] FunctionSignature functionSignature(std::string_view exportName);

}  // namespace quillon::exe
