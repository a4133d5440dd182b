// A text label: draws its label (not its text) in its colour with its format flags, plus word
// ellipsis and vertical centring.
#pragma once

#include "base/Colour.h"
#include "ui/CControlBase.h"

namespace vexmo::ui {

class CStaticText : public CControlBase {
public:
    CStaticText(platform::Window* parent, int id, const Rect& rect, Text label, bool visible,
                bool shown, Colour colour = 0xB4B4B4, unsigned format = 0);

    // Stores the label; the owner repaints.
    void SetLabel(const Text& label) { label_ = label; }
    const Text& label() const { return label_; }
    void SetColour(Colour colour) { colour_ = colour; }
    Colour colour() const { return colour_; }
    void SetFormat(unsigned format) { format_ = format; }
    unsigned format() const { return format_; }

    void Draw(QPainter& painter, const QRect& area) override;

private:
    Text label_;
    Colour colour_;
    unsigned format_;
};

}  // namespace vexmo::ui
