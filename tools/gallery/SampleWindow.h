// A dialog laid out like the main window (1127 x 740 design units, background resource 364 and
// about seventy controls of every kind), for the gallery and the paint benchmarks.
#pragma once

#include "ui/CDlgBase.h"

namespace vexmo::gallery {

class SampleWindow : public ui::CDlgBase {
public:
    SampleWindow();
    void CreateControls(const Rect& client) override;
    void DrawBackground(QPainter& painter, const QRect& client) override;
    int ControlCount() const;

private:
    ui::SkinImage panel_;
};

}  // namespace vexmo::gallery
