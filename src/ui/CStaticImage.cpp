#include "ui/CStaticImage.h"

namespace vexmo::ui {

CStaticImage::CStaticImage(platform::Window* parent, int id, const Rect& rect, Text text,
                           bool visible, bool shown)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, true, false) {}

}  // namespace vexmo::ui
