#include "ui/CLinkButton.h"

#include "ui/UiText.h"

namespace vexmo::ui {

CLinkButton::CLinkButton(platform::Window* parent, const Rect& rect, Text text, bool visible,
                         bool shown, bool disabled)
    : CControlBase(parent, kId, rect, std::move(text), visible, shown, disabled, true) {}

void CLinkButton::Draw(QPainter& painter, const QRect&) {
    images_.Draw(painter, qrect(), state_);
    QFont font = font_;
    font.setUnderline(state_ != kStateNormal);
    DrawText(painter, font, text_, qrect(), state_ == kStateNormal ? 0xB4B4B4 : 0xFFFFFF,
             kTextCenter | kTextVCenter | kTextSingleLine | kTextWordEllipsis);
}

bool CLinkButton::OnMouseMove(unsigned flags, int x, int y) {
    const bool changed = TrackHover(flags, x, y);
    if (disabled()) return changed;
    const bool inside = rect().contains(x, y);
    if (inside != inside_) {
        inside_ = inside;
        NotifyEvent(inside ? kHoverEnter : kHoverLeave);
    }
    return changed;
}

}  // namespace vexmo::ui
