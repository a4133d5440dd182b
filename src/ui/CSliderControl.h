// A horizontal slider with fixed stops (DPI value dialog): a thumb dragged or clicked to the stop
// nearest the pointer. Only the thumb is drawn; the track belongs to the dialog's background.
#pragma once

#include <vector>

#include "ui/CControlBase.h"
#include "ui/SkinImage.h"

namespace vexmo::ui {

class CSliderControl : public CControlBase {
public:
    CSliderControl(platform::Window* parent, int id, const Rect& rect, int stopCount, int leftInset,
                   int rightInset, Text text, bool visible, bool shown, bool disabled);

    void LoadThumbImage(const std::string& path);
    // Moves the thumb to a stop (clamped), without notice or repaint.
    void SetValue(int stop);
    int value() const { return value_; }
    bool dragging() const { return dragging_; }
    const std::vector<int>& stops() const { return stops_; }
    const Rect& thumbRect() const { return thumbRect_; }
    // The stop nearest to x; exactly halfway goes to the higher stop.
    int NearestStop(int x) const;
    // Where the thumb is drawn now.
    QRect ThumbDrawRect() const;
    void SetRect(const Rect& rect) override;

    void Draw(QPainter& painter, const QRect& area) override;
    bool OnMouseMove(unsigned flags, int x, int y) override;
    bool OnLButtonDown(unsigned flags, int x, int y) override;
    bool OnLButtonUp(unsigned flags, int x, int y) override;
    void ReleaseImages() override { thumb_.release(); }

private:
    void ComputeStops();

    int stopCount_;
    int leftInset_;
    int rightInset_;
    std::vector<int> stops_;
    int value_ = 0;
    Rect thumbRect_;
    SkinImage thumb_;
    bool dragging_ = false;
    int dragX_ = 0;
};

}  // namespace vexmo::ui
