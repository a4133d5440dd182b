#include "ui/CStaticText.h"

#include "ui/UiText.h"

namespace vexmo::ui {

CStaticText::CStaticText(platform::Window* parent, int id, const Rect& rect, Text label,
                         bool visible, bool shown, Colour colour, unsigned format)
    : CControlBase(parent, id, rect, Text(), visible, shown, true, false),
      label_(std::move(label)),
      colour_(colour),
      format_(format) {}

void CStaticText::Draw(QPainter& painter, const QRect&) {
    DrawText(painter, font_, label_, qrect(), colour_, format_ | kTextWordEllipsis | kTextVCenter);
}

}  // namespace vexmo::ui
