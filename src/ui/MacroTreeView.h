// What the library tree list needs from the macro library: its visible rows, the selected row
// (the current macro location) and the folders' open flags. The macro code adapts its library.
#pragma once

#include "base/Text.h"

namespace vexmo::ui {

class MacroTreeView {
public:
    struct Row {
        int level = 0;  // 0, 1 or 2
        Text name;
        bool isFolder = false;
        bool isOpen = false;
    };

    virtual ~MacroTreeView() = default;
    virtual int RowCount() const = 0;
    virtual Row RowAt(int row) const = 0;
    // Row of the selected location, -1 when none is selected or it is not visible.
    virtual int SelectedRow() const = 0;
    // Selects the row's location; -1 selects nothing.
    virtual void SelectRow(int row) = 0;
    // Flips the open flag of the row's item.
    virtual void ToggleOpen(int row) = 0;
};

}  // namespace vexmo::ui
