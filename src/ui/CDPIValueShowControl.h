// A vertical level gauge (DPI value displays): a background image over the whole height and a
// fill image from the bottom up to (value + 1) / maximum of the height.
#pragma once

#include "ui/CControlBase.h"
#include "ui/SkinImage.h"

namespace vexmo::ui {

class CDPIValueShowControl : public CControlBase {
public:
    CDPIValueShowControl(platform::Window* parent, int id, const Rect& rect, Text text,
                         bool visible, bool shown, bool disabled);

    void LoadImages(const std::string& background, const std::string& fill);
    void SetValue(int value) { value_ = value; }
    void SetMaximum(int maximum) { maximum_ = maximum; }
    int value() const { return value_; }
    int maximum() const { return maximum_; }
    // Height of the fill in pixels; 0 without a maximum, never above the control's height.
    int FillHeight() const;

    void Draw(QPainter& painter, const QRect& area) override;
    bool OnMouseMove(unsigned flags, int x, int y) override { return TrackHover(flags, x, y); }
    bool OnLButtonDown(unsigned flags, int x, int y) override { return StandardDown(x, y); }
    bool OnLButtonUp(unsigned flags, int x, int y) override { return StandardUp(x, y); }
    void ReleaseImages() override;

private:
    SkinImage background_;
    SkinImage fill_;
    int value_ = 0;
    int maximum_ = 1;
};

}  // namespace vexmo::ui
