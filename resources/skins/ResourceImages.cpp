// Images compiled into the program: the main window background, the colour palette, the popup
// frame, the scroll bar arrows and the application icon.
#include <QtMath>

#include "SkinArt.h"

namespace vexmo::skins {
namespace {

// ---- main window background (1127 by 740) -----------------------------------------------------

void wordmark(QPainter& p) {
    // A slanted red key mark, then the product name.
    QPainterPath mark(QPointF(40, 9));
    mark.lineTo(45, 9);
    mark.lineTo(41, 25);
    mark.lineTo(36, 25);
    mark.closeSubpath();
    drawGlow(p, mark, QColor(255, 30, 30, 90), 3);
    p.fillPath(mark, kRed);
    QFont f = artFont(19, QFont::Bold);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    p.setFont(f);
    p.setPen(QColor(232, 232, 236));
    p.drawText(QPointF(51, 24), QStringLiteral("Vexmo"));
}

void stage(QPainter& p) {
    // A faint red-tinged pool of light and two thin rings behind the mouse picture.
    const QPointF c(564, 368);
    QRadialGradient pool(c, 270);
    pool.setColorAt(0, QColor(70, 14, 16, 60));
    pool.setColorAt(0.55, QColor(40, 8, 10, 26));
    pool.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(280, 90, 570, 560), pool);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 10), 1));
    p.drawEllipse(c, 228, 228);
    p.setPen(QPen(QColor(255, 255, 255, 16), 1));
    for (int deg = 0; deg < 360; deg += 6) {
        const qreal a = qDegreesToRadians(qreal(deg));
        const qreal r0 = deg % 30 == 0 ? 238 : 241, r1 = 245;
        p.drawLine(QPointF(c.x() + r0 * qCos(a), c.y() + r0 * qSin(a)),
                   QPointF(c.x() + r1 * qCos(a), c.y() + r1 * qSin(a)));
    }
}

void windowBackground(Canvas& cv) {
    QPainter& p = cv.p;
    const QRectF r(QPointF(0, 0), cv.size);
    fillVertical(p, roundedPath(r, 0), r, kWindowTop, kWindowBottom);
    const QRectF title(0, 0, r.width(), 31);
    fillVertical(p, roundedPath(title, 0), title, QColor(26, 26, 29), QColor(17, 17, 19));
    p.fillRect(QRectF(0, 31, r.width(), 1), QColor(5, 5, 6));
    p.fillRect(QRectF(0, 32, r.width(), 1), QColor(30, 30, 33));
    // A red hairline under the title band, fading out to the right.
    QLinearGradient accent(QPointF(0, 0), QPointF(r.width(), 0));
    accent.setColorAt(0, kRed);
    accent.setColorAt(0.35, QColor(120, 0, 8, 120));
    accent.setColorAt(1, QColor(120, 0, 8, 0));
    p.fillRect(QRectF(0, 31, r.width(), 1), accent);
    wordmark(p);
    stage(p);
    // Footer band behind the profile button, the version and the restore button.
    const QRectF footer(0, 699, r.width(), r.height() - 699);
    fillVertical(p, roundedPath(footer, 0), footer, QColor(11, 11, 12), QColor(17, 17, 19));
    p.setPen(QPen(QColor(50, 50, 55), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(hairlineRect(r));
}

// ---- colour palette (500 by 291) ---------------------------------------------------------------

// Fills a pick area pixel by pixel at device resolution. No pixel may equal the frame colour.
void pickArea(Canvas& cv, const QRect& area,
              const std::function<QColor(qreal u, qreal v)>& colourAt) {
    const QRect dev(area.topLeft() * cv.scale, area.size() * cv.scale);
    QImage img(dev.size(), QImage::Format_RGB32);
    const QRgb frame = kPaletteFrame.rgb();
    for (int y = 0; y < dev.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < dev.width(); ++x) {
            QRgb c = colourAt((x + 0.5) / dev.width(), (y + 0.5) / dev.height()).rgb();
            if ((c & 0xFFFFFF) == (frame & 0xFFFFFF)) c = qRgb(16, 16, 16);
            line[x] = c;
        }
    }
    cv.p.drawImage(QRectF(area), img);
}

void palette(Canvas& cv) {
    QPainter& p = cv.p;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(QPointF(0, 0), cv.size), kPaletteFrame);
    // Left: every hue across, from white at the top through the pure colour to black.
    pickArea(cv, QRect(QPoint(18, 26), QPoint(221, 269)),
             [](qreal u, qreal v) { return QColor::fromHslF(u * 0.999, 1.0, 0.98 - v * 0.96); });
    // Right: every hue across, from full colour at the top to pale tints, then a grey ramp.
    const int tints = 130;
    pickArea(cv, QRect(QPoint(244, 26), QPoint(472, 26 + tints - 1)),
             [](qreal u, qreal v) { return QColor::fromHsvF(u * 0.999, 1.0 - v * 0.88, 1.0); });
    pickArea(cv, QRect(QPoint(244, 26 + tints), QPoint(472, 189)),
             [](qreal u, qreal) { return QColor::fromRgbF(u, u, u); });
}

// ---- popup frame (65 by 65) and scroll bar arrows (three 18 by 20 slices) ---------------------

void popupFrame(Canvas& cv) {
    QPainter& p = cv.p;
    const QRectF r(0, 0, 65, 65);
    p.fillRect(r, QColor(18, 18, 20));
    p.setPen(QPen(QColor(84, 84, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(hairlineRect(r));
}

void scrollArrows(Canvas& cv, bool up) {
    QPainter& p = cv.p;
    const State states[] = {State::Normal, State::Hover, State::Pressed};
    for (int i = 0; i < 3; ++i) {
        const QRectF cell(18 * i, 0, 18, 20);
        drawSurface(p, cell, surfaceFor(states[i]), 2);
        const QColor glyph = i == 0 ? QColor(150, 150, 156) : kWhite;
        const qreal cx = cell.center().x();
        if (up)
            p.fillPath(triangle({cx - 4, 12}, {cx, 7.5}, {cx + 4, 12}), glyph);
        else
            p.fillPath(triangle({cx - 4, 8}, {cx, 12.5}, {cx + 4, 8}), glyph);
    }
}

// ---- application icon
// ----------------------------------------------------------------------------

void appIcon(Canvas& cv) {
    QPainter& p = cv.p;
    p.scale(cv.size.width() / 256.0, cv.size.height() / 256.0);
    const QRectF tile(8, 8, 240, 240);
    fillVertical(p, roundedPath(tile, 52), tile, QColor(46, 46, 51), QColor(12, 12, 14));
    p.setPen(QPen(QColor(255, 255, 255, 34), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(roundedPath(tile.adjusted(1.5, 1.5, -1.5, -1.5), 50));

    // A mouse seen from above, lit from the upper left.
    QPainterPath body;
    body.addRoundedRect(QRectF(76, 30, 104, 196), 52, 52);
    drawGlow(p, body.translated(0, 6), QColor(0, 0, 0, 220), 12);
    QLinearGradient shell(QPointF(76, 30), QPointF(180, 226));
    shell.setColorAt(0, QColor(84, 84, 92));
    shell.setColorAt(0.55, QColor(36, 36, 40));
    shell.setColorAt(1, QColor(18, 18, 20));
    p.setPen(QPen(QColor(150, 150, 160), 3.5));
    p.setBrush(shell);
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(QColor(8, 8, 10), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(128, 30), QPointF(128, 110));
    p.drawLine(QPointF(70, 112), QPointF(186, 112));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(8, 8, 10));
    p.drawRoundedRect(QRectF(116, 50, 24, 46), 12, 12);
    p.setBrush(QColor(214, 214, 220));
    p.drawRoundedRect(QRectF(121, 56, 14, 34), 7, 7);

    // The red "V" light on the palm.
    drawRedVee(p, {104, 146}, {128, 176}, {152, 146}, 200, 14, 10);
}

}  // namespace

void addResourceImages(Catalogue& c) {
    c.push_back({Root::Resources, "bitmap/364.png", {1127, 740}, windowBackground});
    c.push_back({Root::Resources, "bitmap/287.png", {500, 291}, palette});
    c.push_back({Root::Resources, "png/151.png", {65, 65}, popupFrame});
    c.push_back(
        {Root::Resources, "png/188.png", {54, 20}, [](Canvas& cv) { scrollArrows(cv, true); }});
    c.push_back(
        {Root::Resources, "png/187.png", {54, 20}, [](Canvas& cv) { scrollArrows(cv, false); }});
    for (const int size : {256, 48, 32})
        c.push_back({Root::Resources,
                     size == 256 ? QStringLiteral("icon/128.png")
                                 : QStringLiteral("icon/128_%1.png").arg(size),
                     {size, size},
                     appIcon,
                     false});
}

}  // namespace vexmo::skins
