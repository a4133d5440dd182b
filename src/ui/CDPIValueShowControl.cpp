#include "ui/CDPIValueShowControl.h"

#include <algorithm>

namespace vexmo::ui {

CDPIValueShowControl::CDPIValueShowControl(platform::Window* parent, int id, const Rect& rect,
                                           Text text, bool visible, bool shown, bool disabled)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, disabled, true) {}

void CDPIValueShowControl::LoadImages(const std::string& background, const std::string& fill) {
    background_ = LoadSkinImage(background);
    fill_ = LoadSkinImage(fill);
}

int CDPIValueShowControl::FillHeight() const {
    if (maximum_ <= 0) return 0;
    const int height = rect().height();
    return std::clamp(height * (value_ + 1) / maximum_, 0, height);
}

void CDPIValueShowControl::Draw(QPainter& painter, const QRect&) {
    background_.draw(painter, qrect());
    const int fill = FillHeight();
    if (fill <= 0 || !fill_.ok()) return;
    const int sourceHeight = std::max(1, fill_.height() * fill / rect().height());
    fill_.draw(painter, QRect(rect().left, rect().bottom - fill, rect().width(), fill),
               QRect(0, fill_.height() - sourceHeight, fill_.width(), sourceHeight));
}

void CDPIValueShowControl::ReleaseImages() {
    background_.release();
    fill_.release();
}

}  // namespace vexmo::ui
