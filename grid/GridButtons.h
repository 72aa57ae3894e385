// The tool buttons of a grid as a set: declaration order gives the bit of each (all eleven = 2047).
#pragma once

#include <array>

enum class TGridButton {
    gbLocate,
    gbZoom,
    gbView,
    gbPrint,
    gbPrintGroup,
    gbRefresh,
    gbSort,
    gbGraph,
    gbTitleWordWrap,
    gbCopyToClip,
    gbExport,
};

//! A set of buttons, bit n for the n-th button.
using TGridButtons = unsigned;

inline constexpr int GridButtonCount = 11;
inline constexpr TGridButtons AllGridButtons = (1u << GridButtonCount) - 1;

constexpr TGridButtons ButtonBit(TGridButton button) {
    return 1u << static_cast<unsigned>(button);
}

constexpr bool HasButton(TGridButtons set, TGridButton button) {
    return (set & ButtonBit(button)) != 0;
}

//! The order the bar places its buttons in, left to right.
inline constexpr std::array<TGridButton, GridButtonCount> BarOrder{
    TGridButton::gbZoom,       TGridButton::gbView,   TGridButton::gbPrint,
    TGridButton::gbPrintGroup, TGridButton::gbLocate, TGridButton::gbSort,
    TGridButton::gbRefresh,    TGridButton::gbGraph,  TGridButton::gbTitleWordWrap,
    TGridButton::gbCopyToClip, TGridButton::gbExport,
};
