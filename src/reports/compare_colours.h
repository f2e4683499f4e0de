// The colours of CompareList's cells, as BGR values: green for casing, red for real changes,
// a white background, grey while partial matching is on.
#pragma once

#include <cstdint>

#include "reports/compare_types.h"

namespace quillon::reports {

inline constexpr std::uint32_t kColourText = 0x000000;
inline constexpr std::uint32_t kColourCasing = 0x00FF00;
inline constexpr std::uint32_t kColourChanged = 0x0000FF;
inline constexpr std::uint32_t kColourWhite = 0xFFFFFF;
inline constexpr std::uint32_t kColourGrey = 0x808080;
inline constexpr std::uint32_t kColourSelection = 0x800000;

/// The normal and selected foreground and background of a cell.
struct CellColours {
    std::uint32_t foreground = kColourText;
    std::uint32_t selectedForeground = kColourWhite;
    std::uint32_t background = kColourWhite;
    std::uint32_t selectedBackground = kColourSelection;

    friend bool operator==(const CellColours&, const CellColours&) = default;
};

[[nodiscard]] inline CellColours cellColours(CellChange change, bool partialMatch)
{
    CellColours c;
    if (change == CellChange::Casing)
        c.foreground = c.selectedForeground = kColourCasing;
    else if (change == CellChange::Changed)
        c.foreground = c.selectedForeground = kColourChanged;
    if (partialMatch)
        c.background = kColourGrey;
    return c;
}

}  // namespace quillon::reports
