// The main window's DPI section: level switches with the rule that keeps the active level,
// colour swatches through the palette, and value displays through the DPI value dialog.
#pragma once

#include <cstdint>

namespace vexmo {

class CVexmoDlg;

class DpiSectionController {
public:
    explicit DpiSectionController(CVexmoDlg& window) : window_(window) {}

    // A notice of a DPI control (switches 3260.., colours 3270.., labels 3290.., values 3300..).
    void OnControl(int controlId, intptr_t event);

private:
    void SwitchClicked(int level);
    void ColourClicked(int level);
    void ValueClicked(int level);

    CVexmoDlg& window_;
};

// The working position after switch `level` changed, given the flags before the click; the same
// level stays active when it can, and switching off the active level moves to the one before.
int PositionAfterSwitch(uint8_t flagsBefore, int position, int level, bool nowOn);

}  // namespace vexmo
