// A radio button: owns one bit of the process's shared radio mask; a click sets its bit and
// clears the other bits of its group, and it is drawn selected while its bit is set.
#pragma once

#include <cstdint>

#include "ui/CControlBase.h"
#include "ui/StateImages.h"

namespace vexmo::ui {

class CRadioButton : public CControlBase {
public:
    CRadioButton(platform::Window* parent, int id, const Rect& rect, Text text, bool visible,
                 bool shown, bool disabled);

    StateImages& images() { return images_; }
    bool Selected() const;

    // The bit of a radio identifier and the bits of its group; 0 for identifiers without one.
    static uint32_t BitOf(int id);
    static uint32_t GroupOf(int id);

    void Draw(QPainter& painter, const QRect& area) override;
    bool OnMouseMove(unsigned flags, int x, int y) override { return TrackHover(flags, x, y); }
    bool OnLButtonDown(unsigned flags, int x, int y) override { return StandardDown(x, y); }
    bool OnLButtonUp(unsigned flags, int x, int y) override;
    void ReleaseImages() override { images_.Release(); }

private:
    StateImages images_;
};

}  // namespace vexmo::ui
