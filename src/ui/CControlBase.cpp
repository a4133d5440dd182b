#include "ui/CControlBase.h"

#include "platform/Window.h"
#include "ui/UiText.h"

namespace vexmo::ui {

CControlBase::CControlBase(platform::Window* parent, int id, const Rect& rect, Text text,
                           bool visible, bool shown, bool disabled, bool interactive)
    : text_(std::move(text)),
      font_(MakeControlFont()),
      parent_(parent),
      id_(id),
      rect_(rect),
      visible_(visible),
      shown_(shown),
      disabled_(disabled),
      interactive_(interactive) {}

CControlBase::~CControlBase() = default;

void CControlBase::SetText(const Text& text) {
    if (text == text_) return;
    text_ = text;
    Repaint();
}

void CControlBase::SetFont(int height, const Text& face) {
    font_ = MakeFont(face, height);
}

intptr_t CControlBase::Notify(uint32_t message, uintptr_t wparam, intptr_t lparam) {
    return parent_ != nullptr ? parent_->send(message, wparam, lparam) : 0;
}

void CControlBase::Repaint() {
    if (parent_ != nullptr) parent_->invalidate(qrect());
}

bool CControlBase::TrackHover(unsigned flags, int x, int y) {
    if (disabled_) return false;
    if (state_ == kStatePressed && (flags & kLeftButtonFlag)) return false;
    const int old = state_;
    state_ = rect_.contains(x, y) ? kStateHover : kStateNormal;
    return old != state_;
}

bool CControlBase::StandardDown(int x, int y, bool sendPressed) {
    if (disabled_ || !rect_.contains(x, y)) return false;
    const int old = state_;
    state_ = kStatePressed;
    if (sendPressed) NotifyEvent(kPressed);
    return old != kStatePressed;
}

bool CControlBase::ReleasedInside(int x, int y, bool& changed) {
    changed = false;
    if (disabled_) return false;
    const int old = state_;
    const bool inside = rect_.contains(x, y);
    state_ = inside ? kStateHover : kStateNormal;
    changed = old != state_;
    return inside;
}

bool CControlBase::StandardUp(int x, int y, bool sendClicked) {
    bool changed;
    if (ReleasedInside(x, y, changed) && sendClicked) NotifyEvent(kClicked);
    return changed;
}

}  // namespace vexmo::ui
