#include "ui/CVScrollBar.h"

#include <algorithm>
#include <cmath>

#include "ui/UiEnvironment.h"
#include "ui/UiText.h"

namespace vexmo::ui {

namespace {
constexpr int kArrowDesignHeight = 20;
constexpr int kArrowSliceWidth = 18;
constexpr Colour kTrackColour = 0x1E1E1E;
constexpr Colour kThumbColours[] = {0x5A5A5A, 0x787878, 0x969696};
}  // namespace

CVScrollBar::CVScrollBar(platform::Window* parent, int id, const Rect& rect, Text text,
                         bool visible, bool shown, bool disabled)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, disabled, true) {
    if (auto up = LoadResourceImage(188)) upArrow_ = std::move(*up);
    if (auto down = LoadResourceImage(187)) downArrow_ = std::move(*down);
    PlaceThumb();
}

int CVScrollBar::ArrowHeight() const {
    return Scaled(kArrowDesignHeight);
}
Rect CVScrollBar::UpArrowRect() const {
    return {rect().left, rect().top, rect().right, rect().top + ArrowHeight()};
}
Rect CVScrollBar::DownArrowRect() const {
    return {rect().left, rect().bottom - ArrowHeight(), rect().right, rect().bottom};
}
int CVScrollBar::TrackTop() const {
    return rect().top + ArrowHeight();
}
int CVScrollBar::TrackBottom() const {
    return std::max(TrackTop(), rect().bottom - ArrowHeight());
}

void CVScrollBar::SetScrollInfo(int position, int page, int total) {
    position_ = position;
    page_ = page;
    total_ = total;
    PlaceThumb();
    Repaint();
}

void CVScrollBar::PlaceThumb() {
    const int top = TrackTop();
    const int length = TrackBottom() - top;
    if (total_ <= 0) {
        thumb_ = {rect().left, top, rect().right, top + length};
        return;
    }
    const int thumbTop =
        top + static_cast<int>(static_cast<double>(position_) / total_ * length + 0.5);
    const int size =
        std::min(length, static_cast<int>(static_cast<double>(page_) / total_ * length + 0.5));
    // The last row of the thumb is thumbTop + size - 1, never below the track.
    const int bottom = std::min(thumbTop + size, top + length);
    thumb_ = {rect().left, std::min(thumbTop, bottom), rect().right, bottom};
}

CVScrollBar::Part CVScrollBar::PartAt(int x, int y) const {
    if (UpArrowRect().contains(x, y)) return kUpArrow;
    if (DownArrowRect().contains(x, y)) return kDownArrow;
    if (thumb_.contains(x, y)) return kThumb;
    return y < thumb_.top ? kPageUp : kPageDown;
}

void CVScrollBar::Draw(QPainter& painter, const QRect&) {
    const auto sliceState = [&](Part part) {
        if (pressedPart_ == static_cast<int>(part)) return 2;
        return hotPart_ == static_cast<int>(part) ? 1 : 0;
    };
    const QRect track(rect().left, TrackTop(), rect().width(), TrackBottom() - TrackTop());
    painter.fillRect(track, ToQColor(kTrackColour));
    if (!thumb_.empty()) {
        const int look = dragging_ ? 2 : sliceState(kThumb);
        painter.fillRect(ToQRect(thumb_).adjusted(Scaled(2), 0, -Scaled(2), 0),
                         ToQColor(kThumbColours[look]));
    }
    upArrow_.draw(
        painter, ToQRect(UpArrowRect()),
        QRect(kArrowSliceWidth * sliceState(kUpArrow), 0, kArrowSliceWidth, upArrow_.height()));
    downArrow_.draw(
        painter, ToQRect(DownArrowRect()),
        QRect(kArrowSliceWidth * sliceState(kDownArrow), 0, kArrowSliceWidth, downArrow_.height()));
}

bool CVScrollBar::OnMouseMove(unsigned flags, int x, int y) {
    if (disabled()) return false;
    if (dragging_) {
        const int top = TrackTop();
        const int length = TrackBottom() - top;
        const int height = thumb_.height();
        const int thumbTop = std::clamp(y - dragOffset_, top, top + length - height);
        thumb_ = {thumb_.left, thumbTop, thumb_.right, thumbTop + height};
        const int maxPosition = std::max(0, total_ - page_);
        const int position =
            length > 0 ? std::clamp(static_cast<int>(std::lround(
                                        static_cast<double>(thumbTop - top) / length * total_)),
                                    0, maxPosition)
                       : 0;
        Repaint();
        if (position != position_) {
            position_ = position;
            Notify(static_cast<uint32_t>(id()), 0, kValueChanged);
        }
        return true;
    }
    const int oldHot = hotPart_;
    const bool changed = TrackHover(flags, x, y);
    hotPart_ = rect().contains(x, y) ? static_cast<int>(PartAt(x, y)) : -1;
    return changed || oldHot != hotPart_;
}

bool CVScrollBar::OnLButtonDown(unsigned, int x, int y) {
    if (disabled() || !rect().contains(x, y)) return false;
    state_ = kStatePressed;
    const Part part = PartAt(x, y);
    pressedPart_ = static_cast<int>(part);
    if (part == kThumb) {
        dragging_ = true;
        dragOffset_ = y - thumb_.top;
    }
    Notify(static_cast<uint32_t>(id()), part, kPressed);
    return true;
}

bool CVScrollBar::OnLButtonUp(unsigned, int x, int y) {
    if (disabled()) return false;
    const bool wasDragging = dragging_;
    dragging_ = false;
    pressedPart_ = -1;
    const bool inside = rect().contains(x, y);
    state_ = inside ? kStateHover : kStateNormal;
    if (wasDragging) PlaceThumb();  // settle on the position reached
    if (inside || wasDragging) NotifyEvent(kClicked);
    return true;
}

void CVScrollBar::ReleaseImages() {
    upArrow_.release();
    downArrow_.release();
}

}  // namespace vexmo::ui
