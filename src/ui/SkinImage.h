// Skin and resource images: loading (with the sharper @2x files when UiScale is above 1, while
// the image keeps its 1x size), measuring and nearest-neighbour drawing. A failed load yields an
// image that draws nothing.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <optional>
#include <string>

namespace vexmo::ui {

class SkinImage {
public:
    SkinImage() = default;  // failed
    // pixels at any density; logical size in 1x pixels.
    SkinImage(QImage pixels, QSize logicalSize);

    bool ok() const { return !pixels_.isNull(); }
    int width() const { return logical_.width(); }
    int height() const { return logical_.height(); }
    QSize size() const { return logical_; }
    const QImage& pixels() const { return pixels_; }
    void release() { *this = SkinImage(); }

    // Draws the source rectangle (1x pixels) stretched over dst (device pixels).
    void draw(QPainter& painter, const QRect& dst, const QRect& src) const;
    void draw(QPainter& painter, const QRect& dst) const {
        draw(painter, dst, {QPoint(), logical_});
    }

private:
    QImage pixels_;
    QSize logical_;
};

// AppDirectory + relative path (for example "skins/exit_nr.png").
SkinImage LoadSkinImage(const std::string& relativePath);
// Like LoadSkinImage, with transparent pixels composed over opaque black (frame bitmaps).
SkinImage LoadSkinBitmap(const std::string& relativePath);
// PNG resource by number; nullopt when the program has no such resource.
std::optional<SkinImage> LoadResourceImage(int number);
// Bitmap resource by number (backgrounds); a failed image when missing.
SkinImage LoadResourceBitmap(int number);
// The application icon (icon resource 128), null when missing.
QImage ApplicationIcon();

// Draws with nearest-neighbour sampling; dst is already scaled by UiScale.
inline void DrawImage(QPainter& painter, const SkinImage& image, const QRect& dst,
                      const QRect& src) {
    image.draw(painter, dst, src);
}

}  // namespace vexmo::ui
