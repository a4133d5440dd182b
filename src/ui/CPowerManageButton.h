// The sleep-time selector (always identifier 3500): a fan of eight triangles, one per minute
// value 3 to 10; a release inside a triangle chooses its value.
#pragma once

#include <array>

#include "ui/CControlBase.h"
#include "ui/SkinImage.h"

namespace vexmo::ui {

class CPowerManageButton : public CControlBase {
public:
    static constexpr int kId = 3500;
    static constexpr int kMinValue = 3;
    static constexpr int kMaxValue = 10;

    CPowerManageButton(platform::Window* parent, const Rect& rect, Text text, bool visible,
                       bool shown, bool disabled);

    // Loads "skins/power_manage_3min.png" .. "skins/power_manage_10min.png".
    void LoadImages();
    void SetValue(int minutes);
    int value() const { return value_; }
    // The triangle k (2..9) that holds the point, first hit wins; -1 when none.
    int TriangleAt(int x, int y) const;

    void Draw(QPainter& painter, const QRect& area) override;
    bool OnMouseMove(unsigned flags, int x, int y) override { return TrackHover(flags, x, y); }
    bool OnLButtonDown(unsigned flags, int x, int y) override { return StandardDown(x, y); }
    bool OnLButtonUp(unsigned flags, int x, int y) override;
    void ReleaseImages() override;

private:
    int value_ = 6;
    std::array<SkinImage, kMaxValue - kMinValue + 1> images_;
};

}  // namespace vexmo::ui
