#include "ui/CPowerManageButton.h"

#include <algorithm>

#include "ui/UiEnvironment.h"

namespace vexmo::ui {

namespace {

struct Point {
    double x;
    double y;
};

// Base points P2..P10 of the fan in design units from the top-left; the apex is (70, 71).
constexpr Point kBase[] = {{3, 71},   {7, 51},   {17, 32},  {40, 13}, {70, 5},
                           {100, 14}, {121, 31}, {131, 51}, {134, 71}};
constexpr Point kApex{70, 71};

double Cross(Point a, Point b, Point p) {
    return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

bool InTriangle(Point a, Point b, Point c, Point p) {
    const double d1 = Cross(a, b, p);
    const double d2 = Cross(b, c, p);
    const double d3 = Cross(c, a, p);
    const bool negative = d1 < 0 || d2 < 0 || d3 < 0;
    const bool positive = d1 > 0 || d2 > 0 || d3 > 0;
    return !(negative && positive);
}

}  // namespace

CPowerManageButton::CPowerManageButton(platform::Window* parent, const Rect& rect, Text text,
                                       bool visible, bool shown, bool disabled)
    : CControlBase(parent, kId, rect, std::move(text), visible, shown, disabled, true) {}

void CPowerManageButton::LoadImages() {
    for (int minutes = kMinValue; minutes <= kMaxValue; ++minutes) {
        images_[minutes - kMinValue] =
            LoadSkinImage("skins/power_manage_" + std::to_string(minutes) + "min.png");
    }
}

void CPowerManageButton::SetValue(int minutes) {
    value_ = std::clamp(minutes, kMinValue, kMaxValue);
}

int CPowerManageButton::TriangleAt(int x, int y) const {
    const double s = Env().uiScale;
    const auto at = [&](Point p) { return Point{rect().left + p.x * s, rect().top + p.y * s}; };
    const Point point{static_cast<double>(x), static_cast<double>(y)};
    for (int k = 2; k <= 9; ++k) {
        if (InTriangle(at(kApex), at(kBase[k - 2]), at(kBase[k - 1]), point)) return k;
    }
    return -1;
}

void CPowerManageButton::Draw(QPainter& painter, const QRect&) {
    images_[value_ - kMinValue].draw(painter, qrect());
}

bool CPowerManageButton::OnLButtonUp(unsigned, int x, int y) {
    bool changed;
    if (!ReleasedInside(x, y, changed)) return changed;
    const int k = TriangleAt(x, y);
    if (k < 0) return changed;
    value_ = k + 1;
    NotifyEvent(kClicked);
    return true;
}

void CPowerManageButton::ReleaseImages() {
    for (SkinImage& image : images_)
        image.release();
}

}  // namespace vexmo::ui
