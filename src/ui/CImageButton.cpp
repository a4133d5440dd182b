#include "ui/CImageButton.h"

#include "ui/UiText.h"

namespace vexmo::ui {

CImageButton::CImageButton(platform::Window* parent, int id, const Rect& rect, Text text,
                           bool visible, bool shown, bool disabled, int alignment)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, disabled, true),
      alignment_(alignment) {}

void CImageButton::LoadImages(const std::string& normal, const std::string& hover) {
    normal_ = LoadSkinImage(normal);
    hover_ = LoadSkinImage(hover);
}

void CImageButton::Draw(QPainter& painter, const QRect&) {
    (state_ == kStateNormal ? normal_ : hover_).draw(painter, qrect());
    const Colour colour = state_ == kStatePressed ? 0x00FFFF
                          : state_ == kStateHover ? 0xFFFFFF
                                                  : 0xB4B4B4;
    DrawText(painter, font_, text_, qrect().adjusted(leftMargin_, 0, -rightMargin_, 0), colour,
             ButtonTextFormat(alignment_));
}

bool CImageButton::OnMouseMove(unsigned flags, int x, int y) {
    const bool changed = TrackHover(flags, x, y);
    if (id() == kHoverMoveId && !disabled() && rect().contains(x, y)) NotifyEvent(kHoverMove);
    return changed;
}

bool CImageButton::OnLButtonUp(unsigned, int x, int y) {
    bool changed;
    if (!ReleasedInside(x, y, changed)) return changed;
    Notify(static_cast<uint32_t>(id()), static_cast<uintptr_t>(id()), kClicked);
    return changed;
}

void CImageButton::ReleaseImages() {
    normal_.release();
    hover_.release();
}

}  // namespace vexmo::ui
