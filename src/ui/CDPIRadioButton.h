// A DPI level selector (labels 3290 + n): shows its resolution, and a click selects levels 0..n
// in the process's shared DPI level mask, which decides which selectors are drawn selected.
#pragma once

#include "base/Colour.h"
#include "ui/CControlBase.h"
#include "ui/StateImages.h"

namespace vexmo::ui {

class CDPIRadioButton : public CControlBase {
public:
    static constexpr int kFirstId = 3290;

    CDPIRadioButton(platform::Window* parent, int id, const Rect& rect, Text text, bool visible,
                    bool shown, bool disabled);

    StateImages& images() { return images_; }
    void SetValueSteps(int steps) { valueSteps_ = steps; }
    int valueSteps() const { return valueSteps_; }
    void SetTextColour(Colour colour) { textColour_ = colour; }
    Colour textColour() const { return textColour_; }
    // Level number n of selector 3290 + n, -1 for other identifiers.
    int Level() const;
    bool Selected() const;

    void Draw(QPainter& painter, const QRect& area) override;
    bool OnMouseMove(unsigned flags, int x, int y) override { return TrackHover(flags, x, y); }
    bool OnLButtonDown(unsigned flags, int x, int y) override { return StandardDown(x, y); }
    bool OnLButtonUp(unsigned flags, int x, int y) override;
    void ReleaseImages() override { images_.Release(); }

private:
    StateImages images_;
    int valueSteps_ = 0;
    Colour textColour_ = 0xB4B4B4;
};

}  // namespace vexmo::ui
