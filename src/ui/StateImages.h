// The images of a control's visual states: either one strip of equal slices side by side, or one
// image per state (normal, hover, pressed). A strip, when loaded, takes precedence.
#pragma once

#include <array>
#include <string>

#include "ui/SkinImage.h"

namespace vexmo::ui {

class StateImages {
public:
    void LoadStrip(const std::string& path, int slices);
    // Empty paths are left unloaded.
    void LoadStates(const std::string& normal, const std::string& hover,
                    const std::string& pressed = {});
    void SetState(int state, SkinImage image);
    // Draws the slice or image of state stretched over dst.
    void Draw(QPainter& painter, const QRect& dst, int state) const;
    bool HasStrip() const { return strip_.ok(); }
    const SkinImage& Image(int state) const { return states_.at(state); }
    const SkinImage& Strip() const { return strip_; }
    void Release();

private:
    SkinImage strip_;
    int slices_ = 1;
    std::array<SkinImage, 3> states_;
};

}  // namespace vexmo::ui
