#include "ui/CBattery.h"

#include <algorithm>

#include "ui/UiEnvironment.h"

namespace vexmo::ui {

namespace {
constexpr int kCellTop = 7;      // design units below the top
constexpr int kCellHeight = 50;  // design units
}  // namespace

CBattery::CBattery(platform::Window* parent, const Rect& rect, Text text, bool visible, bool shown)
    : CControlBase(parent, kId, rect, std::move(text), visible, shown, true, false) {}

void CBattery::LoadImages(const std::string& full, const std::string& empty,
                          const std::string& charging, const std::string& lightning) {
    full_ = LoadSkinImage(full);
    empty_ = LoadSkinImage(empty);
    charging_ = LoadSkinImage(charging);
    lightning_ = LoadSkinImage(lightning);
}

void CBattery::SetLevel(int level) {
    level_ = std::clamp(level, 0, 100);
}

int CBattery::FillTop(int level) const {
    const double s = Env().uiScale;
    const int units =
        kCellTop + kCellHeight - std::max(1, std::clamp(level, 0, 100) * kCellHeight / 100);
    int top = rect().top + static_cast<int>(units * s);
    if (s > 1.0 && (rect().bottom - top) % 2 != 0) ++top;
    return top;
}

void CBattery::DrawFill(QPainter& painter, const SkinImage& image, int level) const {
    if (!image.ok()) return;
    const int top = FillTop(level);
    const int height = rect().bottom - top;
    if (height <= 0) return;
    const int sourceHeight = std::max(1, image.height() * height / rect().height());
    image.draw(painter, QRect(rect().left, top, rect().width(), height),
               QRect(0, image.height() - sourceHeight, image.width(), sourceHeight));
}

void CBattery::Draw(QPainter& painter, const QRect&) {
    switch (mode_) {
        case Mode::Normal:
            empty_.draw(painter, qrect());
            DrawFill(painter, full_, level_);
            break;
        case Mode::Charging:
            DrawFill(painter, charging_, step_);
            lightning_.draw(painter, qrect());
            break;
        case Mode::Full:
            full_.draw(painter, qrect());
            lightning_.draw(painter, qrect());
            break;
    }
}

void CBattery::ReleaseImages() {
    full_.release();
    empty_.release();
    charging_.release();
    lightning_.release();
}

}  // namespace vexmo::ui
