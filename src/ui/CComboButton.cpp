#include "ui/CComboButton.h"

#include "ui/UiText.h"

namespace vexmo::ui {

namespace {
constexpr Colour kTextColour = 0xB4B4B4;
constexpr Colour kHotTextColour = 0xFFFFFF;
}  // namespace

CComboButton::CComboButton(platform::Window* parent, uint32_t notifyMessage, int id,
                           const Rect& rect, Text text, int alignment, bool visible, bool shown,
                           bool disabled, int, Text caption)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, disabled, true),
      notifyMessage_(notifyMessage),
      caption_(std::move(caption)),
      alignment_(alignment) {}

void CComboButton::SetCaption(const Text& caption) {
    caption_ = caption;
    Repaint();
}

void CComboButton::LoadNormalImage(const std::string& path) {
    normal_ = LoadSkinImage(path);
    if (normal_.ok()) imageSize_ = normal_.size();
}

void CComboButton::LoadHoverImage(const std::string& path) {
    hover_ = LoadSkinImage(path);
    if (hover_.ok()) imageSize_ = hover_.size();
}

void CComboButton::ResetHover() {
    hoverCount_ = 0;
    rightMargin_ = 0;
}

QRect CComboButton::TextRect() const {
    return QRect(QPoint(rect().left + hoverCount_, rect().top),
                 QPoint(rect().right - rightMargin_ - 1, rect().bottom - 1));
}

void CComboButton::Draw(QPainter& painter, const QRect&) {
    const bool hot = menuOpen_ || state_ != kStateNormal;
    (hot ? hover_ : normal_).draw(painter, qrect());
    DrawText(painter, font_, showDisabledText_ ? Text(u"Disable") : caption_, TextRect(),
             hot ? kHotTextColour : kTextColour, ButtonTextFormat(alignment_));
}

bool CComboButton::OnMouseMove(unsigned, int x, int y) {
    if (disabled() || state_ == kStatePressed) return false;
    const int old = state_;
    if (rect().contains(x, y)) {
        state_ = kStateHover;
        if (!hoverNotified_) {
            if (hoverCount_ < kMaxHoverShift) {
                ++hoverCount_;
            } else {
                hoverNotified_ = true;
            }
            leftNotified_ = false;
            Notify(notifyMessage_, static_cast<uintptr_t>(id()), kHoverEnter);
        }
    } else {
        state_ = kStateNormal;
        if (!leftNotified_ && !menuOpen_) {
            hoverNotified_ = false;
            hoverCount_ = 0;
            leftNotified_ = true;
            Notify(notifyMessage_, static_cast<uintptr_t>(id()), kHoverLeave);
        }
    }
    return old != state_;
}

bool CComboButton::OnLButtonDown(unsigned, int x, int y) {
    return StandardDown(x, y, !inert_);
}

bool CComboButton::OnLButtonUp(unsigned, int x, int y) {
    bool changed;
    if (!ReleasedInside(x, y, changed)) return changed;
    if (!inert_) Notify(notifyMessage_, static_cast<uintptr_t>(id()), kClicked);
    return changed;
}

void CComboButton::ReleaseImages() {
    normal_.release();
    hover_.release();
}

}  // namespace vexmo::ui
