// A picture stretched over its rectangle (button numbers, the mouse, legend dots).
#pragma once

#include "ui/CControlBase.h"
#include "ui/SkinImage.h"

namespace vexmo::ui {

class CStaticImage : public CControlBase {
public:
    CStaticImage(platform::Window* parent, int id, const Rect& rect, Text text, bool visible,
                 bool shown);

    void LoadImage(const std::string& path) { image_ = LoadSkinImage(path); }
    void SetImage(SkinImage image) { image_ = std::move(image); }
    const SkinImage& image() const { return image_; }

    void Draw(QPainter& painter, const QRect& area) override { image_.draw(painter, qrect()); }
    void ReleaseImages() override { image_.release(); }

private:
    SkinImage image_;
};

}  // namespace vexmo::ui
