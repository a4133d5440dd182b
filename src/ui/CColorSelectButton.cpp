#include "ui/CColorSelectButton.h"

#include "ui/UiText.h"

namespace vexmo::ui {

CColorSelectButton::CColorSelectButton(platform::Window* parent, int id, const Rect& rect,
                                       Text text, bool visible, bool shown, bool disabled,
                                       const Rect& inner)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, disabled, true),
      inner_(inner) {}

void CColorSelectButton::SetColor(Colour colour) {
    color_ = colour;
    Repaint();
}

void CColorSelectButton::Draw(QPainter& painter, const QRect&) {
    painter.fillRect(ToQRect(inner_), ToQColor(color_));
}

}  // namespace vexmo::ui
