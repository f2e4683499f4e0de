// ClarionPrototype: the MAP prototype of one exported function, from what its name tells.
#pragma once

#include <string>
#include <string_view>

#include "reports/clarion_labels.h"

namespace quillon::reports {

/// One procedure of a MAP.
struct ClarionPrototype {
    std::string label;
    /// "PROCEDURE(LONG,*CSTRING),LONG,PASCAL,RAW,NAME('_GetThing@12')"; empty for a symbol that
    /// is not a function.
    std::string declaration;
    /// False: the line is written as a comment, because the name does not tell enough to call
    /// the function safely (parameters not known, a member function, a type Clarion lacks...).
    bool callable = false;
    /// Written after the prototype as a comment; empty for none.
    std::string note;

    friend bool operator==(const ClarionPrototype&, const ClarionPrototype&) = default;
};

/// The prototype of the function exported as `exportName`, labelled by `labels`. Stdcall and
/// plain names take `PASCAL`, cdecl C++ names `C`; every prototype takes `RAW` and
/// `NAME('<exportName>')`.
[[nodiscard]] ClarionPrototype clarionPrototype(std::string_view exportName,
                                                ClarionLabels& labels);

/// The prototype as a line of the MAP, without a line end: the label in column 1 and the
/// declaration in column 25 (a comment line begins with "! ").
[[nodiscard]] std::string prototypeLine(const ClarionPrototype& prototype);

/// `text` as a Clarion string constant: in single quotes, with "'" doubled and "<" and "{"
/// (which begin repeat counts and character codes) written twice.
[[nodiscard]] std::string clarionString(std::string_view text);

}  // namespace quillon::reports
