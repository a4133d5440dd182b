// A colour swatch button (DPI level colours): fills its inner rectangle with its colour.
#pragma once

#include "base/Colour.h"
#include "ui/CControlBase.h"

namespace vexmo::ui {

class CColorSelectButton : public CControlBase {
public:
    CColorSelectButton(platform::Window* parent, int id, const Rect& rect, Text text, bool visible,
                       bool shown, bool disabled, const Rect& inner);

    void SetColor(Colour colour);
    Colour color() const { return color_; }
    const Rect& inner() const { return inner_; }

    void Draw(QPainter& painter, const QRect& area) override;
    bool OnMouseMove(unsigned flags, int x, int y) override { return TrackHover(flags, x, y); }
    bool OnLButtonDown(unsigned flags, int x, int y) override { return StandardDown(x, y); }
    bool OnLButtonUp(unsigned flags, int x, int y) override { return StandardUp(x, y); }

private:
    Colour color_ = 0x00FF00;
    Rect inner_;
};

}  // namespace vexmo::ui
