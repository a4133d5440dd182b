// The link text (always identifier 3503): a strip image and its text, reporting once when the
// pointer enters and once when it leaves.
#pragma once

#include "ui/CControlBase.h"
#include "ui/StateImages.h"

namespace vexmo::ui {

class CLinkButton : public CControlBase {
public:
    static constexpr int kId = 3503;

    CLinkButton(platform::Window* parent, const Rect& rect, Text text, bool visible, bool shown,
                bool disabled);

    StateImages& images() { return images_; }

    void Draw(QPainter& painter, const QRect& area) override;
    bool OnMouseMove(unsigned flags, int x, int y) override;
    bool OnLButtonDown(unsigned flags, int x, int y) override { return StandardDown(x, y); }
    bool OnLButtonUp(unsigned flags, int x, int y) override { return StandardUp(x, y); }
    void ReleaseImages() override { images_.Release(); }

private:
    StateImages images_;
    bool inside_ = false;
};

}  // namespace vexmo::ui
