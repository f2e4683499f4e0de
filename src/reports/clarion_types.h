// The Clarion types that stand for C and C++ types in a prototype.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillon::reports {

/// The Clarion parameter type for a C++ parameter type as the demangler writes it ("int",
/// "char const *", "unsigned short*", "enum Color"): "LONG", "*CSTRING", "*USHORT", "LONG"...
/// Pointers and references to anything without a Clarion type pass its address as a LONG.
/// Nothing when Clarion has no type of that size (64-bit integers, long double, a class or
/// structure passed by value).
[[nodiscard]] std::optional<std::string> clarionParameterType(std::string_view cppType);

/// The Clarion return type for a C++ return type: an empty text for "void", "LONG" for any
/// pointer or reference, else as for parameters.
[[nodiscard]] std::optional<std::string> clarionReturnType(std::string_view cppType);

}  // namespace quillon::reports
