#include "ui/CSliderControl.h"

#include <algorithm>

#include "ui/UiEnvironment.h"

namespace vexmo::ui {

CSliderControl::CSliderControl(platform::Window* parent, int id, const Rect& rect, int stopCount,
                               int leftInset, int rightInset, Text text, bool visible, bool shown,
                               bool disabled)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, disabled, true),
      stopCount_(std::max(1, stopCount)),
      leftInset_(leftInset),
      rightInset_(rightInset) {
    ComputeStops();
    SetValue(0);
}

void CSliderControl::ComputeStops() {
    const Rect& r = rect();
    const int track = r.right - r.left - leftInset_ - rightInset_;
    stops_.assign(stopCount_, r.left + leftInset_);
    for (int i = 1; i < stopCount_ - 1; ++i) {
        stops_[i] = r.left + leftInset_ + i * track / (stopCount_ - 1);
    }
    if (stopCount_ > 1) stops_.back() = r.right - rightInset_;
}

void CSliderControl::SetRect(const Rect& rect) {
    CControlBase::SetRect(rect);
    ComputeStops();
    SetValue(value_);
}

void CSliderControl::LoadThumbImage(const std::string& path) {
    thumb_ = LoadSkinImage(path);
}

void CSliderControl::SetValue(int stop) {
    value_ = std::clamp(stop, 0, stopCount_ - 1);
    thumbRect_ = {stops_[value_] - leftInset_, rect().top, stops_[value_] + rightInset_,
                  rect().bottom};
}

int CSliderControl::NearestStop(int x) const {
    int i = 0;
    while (i + 1 < stopCount_ && x >= (stops_[i] + stops_[i + 1]) / 2)
        ++i;
    return i;
}

QRect CSliderControl::ThumbDrawRect() const {
    const double s = Env().uiScale;
    const int width = static_cast<int>(thumb_.width() * s);
    const int height = static_cast<int>(thumb_.height() * s);
    int left = stops_[value_] - leftInset_;
    if (dragging_) left = std::max(rect().left, std::min(dragX_, rect().right - width));
    return QRect(left, rect().top, width, height);
}

void CSliderControl::Draw(QPainter& painter, const QRect&) {
    thumb_.draw(painter, ThumbDrawRect());
}

bool CSliderControl::OnLButtonDown(unsigned, int x, int y) {
    if (disabled() || !rect().contains(x, y)) return false;
    const int old = state_;
    state_ = kStatePressed;
    if (thumbRect_.contains(x, y)) dragging_ = true;
    dragX_ = x - leftInset_;
    NotifyEvent(kPressed);
    return old != state_;
}

bool CSliderControl::OnMouseMove(unsigned flags, int x, int y) {
    if (disabled()) return false;
    const bool changed = TrackHover(flags, x, y);
    if (state_ == kStateNormal) dragging_ = false;
    if (dragging_) {
        const int clamped = std::clamp(x, rect().left, rect().right);
        dragX_ = clamped - leftInset_;
        value_ = NearestStop(clamped);
        Repaint();
        Notify(static_cast<uint32_t>(id()), static_cast<uintptr_t>(value_), kValueChanged);
    }
    return changed;
}

bool CSliderControl::OnLButtonUp(unsigned, int x, int y) {
    if (disabled()) return false;
    const int old = state_;
    const bool wasDragging = dragging_;
    dragging_ = false;
    if (!rect().contains(x, y)) {
        state_ = kStateNormal;
        if (wasDragging) SetValue(value_);  // the thumb settles on the stop it was dragged to
        return old != state_ || wasDragging;
    }
    state_ = kStateHover;
    dragX_ = x - leftInset_;
    SetValue(NearestStop(x));
    NotifyEvent(kClicked);
    return true;
}

}  // namespace vexmo::ui
