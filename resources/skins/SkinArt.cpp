#include "SkinArt.h"

#include <QLinearGradient>

#include <algorithm>

namespace vexmo::skins {

Catalogue buildCatalogue() {
    Catalogue c;
    addControlSkins(c);
    addIndicatorSkins(c);
    addMouseSkins(c);
    addFrameSkins(c);
    addMacroSkins(c);
    addResourceImages(c);
    return c;
}

const Surface& surfaceFor(State s) {
    switch (s) {
        case State::Hover:
            return kSurfaceHover;
        case State::Pressed:
            return kSurfacePressed;
        default:
            return kSurfaceNormal;
    }
}

void addStates(Catalogue& c, const QString& stem, QSize size,
               std::initializer_list<StateFile> files,
               const std::function<void(Canvas&, State)>& paint) {
    for (const StateFile& f : files) {
        const State state = f.state;
        c.push_back({Root::Skins, stem + u'_' + QLatin1String(f.suffix) + QLatin1String(".png"),
                     size, [paint, state](Canvas& cv) { paint(cv, state); }});
    }
}

namespace {

bool isOpaque(const QImage& img) {
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        if (!std::all_of(line, line + img.width(), [](QRgb c) { return qAlpha(c) == 255; }))
            return false;
    }
    return true;
}

}  // namespace

QImage render(const Art& art, int scale) {
    // BMP frames are opaque: they are drawn over black, as the toolkit composes them.
    const bool opaque = art.path.endsWith(QLatin1String(".bmp"));
    QImage img(art.size * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(opaque ? Qt::black : Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                         QPainter::SmoothPixmapTransform);
        p.scale(scale, scale);
        Canvas canvas{p, art.size, scale};
        art.paint(canvas);
    }
    // Fully opaque pictures are stored without an alpha channel.
    return isOpaque(img) ? img.convertToFormat(QImage::Format_RGB32) : img;
}

QString scaledPath(const QString& path, int scale) {
    if (scale == 1) return path;
    const int dot = path.lastIndexOf(u'.');
    return path.left(dot) + QStringLiteral("@%1x").arg(scale) + path.mid(dot);
}

void stretch(QPainter& p, const QRectF& dst, const QImage& img, const QRectF& src) {
    const bool smooth = p.testRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(dst, img, src.isNull() ? QRectF(img.rect()) : src);
    p.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

QFont artFont(int pixelSize, int weight) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setHintingPreference(QFont::PreferVerticalHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QRectF hairlineRect(const QRectF& r) {
    return r.adjusted(0.5, 0.5, -0.5, -0.5);
}

QPainterPath roundedPath(const QRectF& r, qreal radius) {
    QPainterPath path;
    if (radius <= 0)
        path.addRect(r);
    else
        path.addRoundedRect(r, radius, radius);
    return path;
}

void fillVertical(QPainter& p, const QPainterPath& shape, const QRectF& span, const QColor& top,
                  const QColor& bottom) {
    QLinearGradient g(span.topLeft(), span.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillPath(shape, g);
}

void drawSurface(QPainter& p, const QRectF& r, const Surface& s, qreal radius) {
    const QRectF line = hairlineRect(r);
    fillVertical(p, roundedPath(r, radius), r, s.top, s.bottom);
    // Faint highlight one unit inside the top edge.
    p.save();
    p.setClipPath(roundedPath(r.adjusted(1, 1, -1, -1), qMax<qreal>(0, radius - 1)));
    p.fillRect(QRectF(r.left() + 1, r.top() + 1, r.width() - 2, 1),
               QColor(255, 255, 255, s.highlightAlpha));
    p.restore();
    p.setPen(QPen(s.border, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(roundedPath(line, qMax<qreal>(0, radius - 0.5)));
}

void drawWell(QPainter& p, const QRectF& r, qreal radius, const QColor& fill) {
    p.fillPath(roundedPath(r, radius), fill);
    p.save();
    p.setClipPath(roundedPath(r, radius));
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 1), QColor(0, 0, 0, 150));
    p.restore();
    p.setPen(QPen(kBorder, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(roundedPath(hairlineRect(r), qMax<qreal>(0, radius - 0.5)));
}

void drawTextCentred(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
                     const QColor& colour) {
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
}

QPainterPath triangle(QPointF a, QPointF b, QPointF c) {
    QPainterPath path(a);
    path.lineTo(b);
    path.lineTo(c);
    path.closeSubpath();
    return path;
}

void drawChevronDown(QPainter& p, const QRectF& r, const QColor& colour, qreal width) {
    QPainterPath path(QPointF(r.left(), r.top()));
    path.lineTo(r.center().x(), r.bottom());
    path.lineTo(r.right(), r.top());
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void drawTick(QPainter& p, const QRectF& r, const QColor& colour, qreal width) {
    QPainterPath path(QPointF(r.left(), r.top() + r.height() * 0.55));
    path.lineTo(r.left() + r.width() * 0.38, r.bottom());
    path.lineTo(r.right(), r.top());
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void drawGlow(QPainter& p, const QPainterPath& shape, const QColor& colour, qreal reach) {
    p.save();
    p.setBrush(Qt::NoBrush);
    const int steps = 6;
    for (int i = steps; i >= 1; --i) {
        QColor c = colour;
        c.setAlphaF(colour.alphaF() * 0.22 * (steps - i + 1) / steps);
        p.setPen(QPen(c, reach * 2 * i / steps, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(shape);
    }
    p.restore();
}

QPainterPath drawRedVee(QPainter& p, QPointF left, QPointF apex, QPointF right, int glowAlpha,
                        qreal glowReach, qreal width) {
    QPainterPath vee(left);
    vee.lineTo(apex);
    vee.lineTo(right);
    drawGlow(p, vee, QColor(255, 30, 30, glowAlpha), glowReach);
    p.setPen(QPen(kRedBright, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(vee);
    return vee;
}

}  // namespace vexmo::skins
