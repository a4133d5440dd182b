// A two-state switch (check boxes, section headers, the record button): toggles `ticked` on a
// click, before it reports Clicked, and shows a caption for each state.
#pragma once

#include "base/Colour.h"
#include "ui/CControlBase.h"
#include "ui/StateImages.h"

namespace vexmo::ui {

class CCheckButton : public CControlBase {
public:
    CCheckButton(platform::Window* parent, int id, const Rect& rect, Text text, bool visible,
                 bool shown, bool disabled, Text uncheckedCaption = {}, Text checkedCaption = {},
                 int alignment = 0);

    StateImages& images() { return images_; }
    void SetTicked(bool ticked) { ticked_ = ticked; }
    bool ticked() const { return ticked_; }
    // Draws the ticked caption in white instead of yellow.
    void SetTickedColourWhite() { tickedColour_ = 0xFFFFFF; }
    // Text colours when normal, hovered and ticked.
    void SetTextColours(Colour normal, Colour hover, Colour ticked) {
        normalColour_ = normal;
        hoverColour_ = hover;
        tickedColour_ = ticked;
    }
    void SetCaptions(Text unchecked, Text checked);
    void SetMargins(int left, int right) {
        leftMargin_ = left;
        rightMargin_ = right;
    }
    // The slice drawn now: 2 when ticked or pressed, else the state.
    int DrawnSlice() const { return (ticked_ || state_ == kStatePressed) ? 2 : state_; }

    void Draw(QPainter& painter, const QRect& area) override;
    bool OnMouseMove(unsigned flags, int x, int y) override { return TrackHover(flags, x, y); }
    bool OnLButtonDown(unsigned flags, int x, int y) override { return StandardDown(x, y); }
    bool OnLButtonUp(unsigned flags, int x, int y) override;
    void ReleaseImages() override { images_.Release(); }

private:
    StateImages images_;
    bool ticked_ = false;
    Text uncheckedCaption_;
    Text checkedCaption_;
    int alignment_;
    int leftMargin_ = 0;
    int rightMargin_ = 0;
    Colour normalColour_ = 0xB4B4B4;
    Colour hoverColour_ = 0xFFFFFF;
    Colour tickedColour_ = 0x00FFFF;
};

}  // namespace vexmo::ui
