// A push button drawn from a normal and a hover image with an optional caption (close, OK, menu
// buttons). Clicked carries the identifier; button 3502 also reports every pointer movement.
#pragma once

#include "ui/CControlBase.h"
#include "ui/SkinImage.h"

namespace vexmo::ui {

class CImageButton : public CControlBase {
public:
    static constexpr int kHoverMoveId = 3502;

    CImageButton(platform::Window* parent, int id, const Rect& rect, Text text, bool visible,
                 bool shown, bool disabled, int alignment = 1);

    void LoadImages(const std::string& normal, const std::string& hover);
    void SetMargins(int left, int right) {
        leftMargin_ = left;
        rightMargin_ = right;
    }

    void Draw(QPainter& painter, const QRect& area) override;
    bool OnMouseMove(unsigned flags, int x, int y) override;
    bool OnLButtonDown(unsigned flags, int x, int y) override { return StandardDown(x, y); }
    bool OnLButtonUp(unsigned flags, int x, int y) override;
    void ReleaseImages() override;

private:
    SkinImage normal_;
    SkinImage hover_;
    int alignment_;
    int leftMargin_ = 0;
    int rightMargin_ = 0;
};

}  // namespace vexmo::ui
