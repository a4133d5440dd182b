#include "ui/SkinImage.h"

#include <QColorSpace>
#include <QFile>
#include <QImageReader>

#include "ui/UiEnvironment.h"

namespace vexmo::ui {

namespace {

// "skins/a.png" -> "skins/a@2x.png"
QString DoubleDensityName(const QString& path) {
    const int dot = path.lastIndexOf('.');
    const int slash = path.lastIndexOf('/');
    if (dot <= slash) return path + "@2x";
    return path.left(dot) + "@2x" + path.mid(dot);
}

QImage Decode(const QString& path) {
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull()) return image;
    if (image.colorSpace().isValid() && image.colorSpace() != QColorSpace::SRgb) {
        image.convertToColorSpace(QColorSpace::SRgb);
    }
    // Qt marks "@2x" files as double density; here every pixel is a device pixel.
    image.setDevicePixelRatio(1.0);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Decodes path, preferring its @2x file when the layout is scaled up; the logical size is that
// of the 1x file (or half the @2x file's size when only that one exists).
SkinImage LoadPreferringDense(const QString& path) {
    if (Env().uiScale > 1.0) {
        const QString dense = DoubleDensityName(path);
        if (QFile::exists(dense)) {
            QImage pixels = Decode(dense);
            if (!pixels.isNull()) {
                QSize logical = QImageReader(path).size();
                if (!logical.isValid()) logical = pixels.size() / 2;
                return SkinImage(std::move(pixels), logical);
            }
        }
    }
    QImage pixels = Decode(path);
    if (pixels.isNull()) return {};
    const QSize size = pixels.size();
    return SkinImage(std::move(pixels), size);
}

QString SkinPath(const std::string& relativePath) {
    return QString::fromStdString(Env().appDirectory + relativePath);
}

}  // namespace

SkinImage::SkinImage(QImage pixels, QSize logicalSize)
    : pixels_(std::move(pixels)), logical_(logicalSize) {
    if (logical_.isEmpty()) pixels_ = QImage();
}

void SkinImage::draw(QPainter& painter, const QRect& dst, const QRect& src) const {
    if (!ok() || dst.isEmpty() || src.isEmpty()) return;
    const double rx = static_cast<double>(pixels_.width()) / logical_.width();
    const double ry = static_cast<double>(pixels_.height()) / logical_.height();
    const QRectF source(src.x() * rx, src.y() * ry, src.width() * rx, src.height() * ry);
    const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    if (smooth) painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (source.size() == QSizeF(dst.size())) {
        painter.drawImage(dst.topLeft(), pixels_, source.toRect());
    } else {
        painter.drawImage(QRectF(dst), pixels_, source);
    }
    if (smooth) painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

SkinImage LoadSkinImage(const std::string& relativePath) {
    return LoadPreferringDense(SkinPath(relativePath));
}

SkinImage LoadSkinBitmap(const std::string& relativePath) {
    SkinImage image = LoadSkinImage(relativePath);
    if (!image.ok() || !image.pixels().hasAlphaChannel()) return image;
    QImage opaque(image.pixels().size(), QImage::Format_ARGB32_Premultiplied);
    opaque.fill(Qt::black);
    QPainter(&opaque).drawImage(0, 0, image.pixels());
    return SkinImage(std::move(opaque), image.size());
}

std::optional<SkinImage> LoadResourceImage(int number) {
    const QString path = QStringLiteral(":/vexmo/png/%1.png").arg(number);
    if (!QFile::exists(path)) return std::nullopt;
    SkinImage image = LoadPreferringDense(path);
    if (!image.ok()) return std::nullopt;
    return image;
}

SkinImage LoadResourceBitmap(int number) {
    return LoadPreferringDense(QStringLiteral(":/vexmo/bitmap/%1.png").arg(number));
}

QImage ApplicationIcon() {
    return Decode(QStringLiteral(":/vexmo/icon/128.png"));
}

}  // namespace vexmo::ui
