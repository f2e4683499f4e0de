// ClarionLabels: valid, unique Clarion labels made from function names.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace quillon::reports {

/// Hands out labels for the procedures of one MAP. A label begins with a letter or "_" and
/// holds only letters, digits and "_"; template arguments are left out and other characters
/// become "_". Clarion's reserved words
/// get a "_" appended; a label already handed out (letter case ignored, as Clarion compares
/// labels) gets "_2", "_3"... appended.
class ClarionLabels {
public:
    /// A new label for `name` ("File::Open" gives "File_Open").
    [[nodiscard]] std::string make(std::string_view name);

private:
    std::unordered_set<std::string> m_taken;            // upper-cased
    std::unordered_map<std::string, int> m_nextNumber;  // upper-cased label: number to try next
};

/// True for a word Clarion does not take as the label of a procedure (letter case ignored).
[[nodiscard]] bool isClarionReservedWord(std::string_view word);

}  // namespace quillon::reports
