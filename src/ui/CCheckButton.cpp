#include "ui/CCheckButton.h"

#include "ui/UiText.h"

namespace vexmo::ui {

CCheckButton::CCheckButton(platform::Window* parent, int id, const Rect& rect, Text text,
                           bool visible, bool shown, bool disabled, Text uncheckedCaption,
                           Text checkedCaption, int alignment)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, disabled, true),
      uncheckedCaption_(std::move(uncheckedCaption)),
      checkedCaption_(std::move(checkedCaption)),
      alignment_(alignment) {}

void CCheckButton::SetCaptions(Text unchecked, Text checked) {
    uncheckedCaption_ = std::move(unchecked);
    checkedCaption_ = std::move(checked);
}

void CCheckButton::Draw(QPainter& painter, const QRect&) {
    const int slice = DrawnSlice();
    images_.Draw(painter, qrect(), slice);
    if (images_.HasStrip()) return;
    const Text& caption = slice == 2 ? checkedCaption_ : uncheckedCaption_;
    if (!caption.empty()) text_ = caption;
    const Colour colour = slice == 2 ? tickedColour_ : slice == 1 ? hoverColour_ : normalColour_;
    DrawText(painter, font_, text_, qrect().adjusted(leftMargin_, 0, -rightMargin_, 0), colour,
             ButtonTextFormat(alignment_));
}

bool CCheckButton::OnLButtonUp(unsigned, int x, int y) {
    bool changed;
    if (!ReleasedInside(x, y, changed)) return changed;
    ticked_ = !ticked_;
    NotifyEvent(kClicked);
    return true;  // the tick changed the look
}

}  // namespace vexmo::ui
