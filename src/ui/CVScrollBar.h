// A vertical scroll bar for the macro lists: arrow buttons (PNG resources 188 and 187), a track
// and a thumb sized from a position, a page and a total.
#pragma once

#include "ui/CControlBase.h"
#include "ui/SkinImage.h"

namespace vexmo::ui {

class CVScrollBar : public CControlBase {
public:
    // Parts reported as the first parameter of a press (second parameter Pressed).
    enum Part : uintptr_t { kThumb = 0, kUpArrow = 6, kDownArrow = 7, kPageUp = 8, kPageDown = 9 };

    CVScrollBar(platform::Window* parent, int id, const Rect& rect, Text text, bool visible,
                bool shown, bool disabled);

    // Sizes the thumb and repaints the bar.
    void SetScrollInfo(int position, int page, int total);
    int position() const { return position_; }
    int page() const { return page_; }
    int total() const { return total_; }
    Rect UpArrowRect() const;
    Rect DownArrowRect() const;
    int TrackTop() const;
    int TrackBottom() const;
    const Rect& thumbRect() const { return thumb_; }
    bool dragging() const { return dragging_; }

    void Draw(QPainter& painter, const QRect& area) override;
    bool OnMouseMove(unsigned flags, int x, int y) override;
    bool OnLButtonDown(unsigned flags, int x, int y) override;
    bool OnLButtonUp(unsigned flags, int x, int y) override;
    void ReleaseImages() override;

private:
    int ArrowHeight() const;
    void PlaceThumb();
    Part PartAt(int x, int y) const;

    SkinImage upArrow_;
    SkinImage downArrow_;
    int position_ = 0;
    int page_ = 0;
    int total_ = 0;
    Rect thumb_;
    int hotPart_ = -1;
    int pressedPart_ = -1;
    bool dragging_ = false;
    int dragOffset_ = 0;
};

}  // namespace vexmo::ui
