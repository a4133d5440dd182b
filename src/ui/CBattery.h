// The battery indicator (always identifier 3406): an empty cell filled to the charge level, the
// charging animation with its lightning, or a full cell with the lightning.
#pragma once

#include "ui/CControlBase.h"
#include "ui/SkinImage.h"

namespace vexmo::ui {

class CBattery : public CControlBase {
public:
    static constexpr int kId = 3406;
    enum class Mode { Normal, Charging, Full };

    CBattery(platform::Window* parent, const Rect& rect, Text text, bool visible, bool shown);

    void LoadImages(const std::string& full, const std::string& empty, const std::string& charging,
                    const std::string& lightning);
    void SetLevel(int level);  // 0..100
    int level() const { return level_; }
    void SetMode(Mode mode) { mode_ = mode; }
    Mode mode() const { return mode_; }
    void SetAnimationStep(int step) { step_ = step; }
    // 25, 50, 75, 100, then 25 again.
    void AdvanceAnimation() { step_ = step_ >= 100 ? 25 : step_ + 25; }
    int animationStep() const { return step_; }
    // Top of the fill for a level (0..100) in client pixels.
    int FillTop(int level) const;

    void Draw(QPainter& painter, const QRect& area) override;
    void ReleaseImages() override;

private:
    void DrawFill(QPainter& painter, const SkinImage& image, int level) const;

    SkinImage full_;
    SkinImage empty_;
    SkinImage charging_;
    SkinImage lightning_;
    int level_ = 100;
    Mode mode_ = Mode::Normal;
    int step_ = 25;
};

}  // namespace vexmo::ui
