// Row arithmetic shared by the two macro lists: rows of 20 design units, the number of rows that
// fit, and the first visible row that keeps a selected row in view.
#pragma once

#include <algorithm>

#include "base/Colour.h"
#include "ui/UiEnvironment.h"

namespace vexmo::ui {

// Colours of the list rows.
constexpr Colour kListBackground = 0x4B4B4B;
constexpr Colour kListSelected = 0xDEA035;
constexpr Colour kListText = 0xB4B4B4;
constexpr Colour kListSelectedText = 0xFFFFFF;

inline int RowHeight() {
    return Scaled(20);
}

// (height + 10 s) / (20 s), truncated.
inline int VisibleRowsFor(int height) {
    const double s = Env().uiScale;
    return static_cast<int>((height + 10 * s) / (20 * s));
}

// The first visible row after a selection change: a selected row below the view scrolls it so
// the row is the last visible one; the result stays within 0 .. total - visible.
inline int FirstVisibleFor(int selected, int first, int visible, int total) {
    if (selected >= first + visible) first = selected - visible + 1;
    first = std::min(first, total - visible);
    return std::max(first, 0);
}

}  // namespace vexmo::ui
