// Indicators and value pickers: battery, legend dots, sleep-time dial, polling-rate dial, slider,
// DPI gauges and DPI level labels.
#include <QtMath>

#include "SkinArt.h"

namespace vexmo::skins {
namespace {

// ---- battery (30 by 61; the charge cell is 50 units high and starts 7 units below the top) -----

const QRectF kBatteryCell(7, 7, 16, 50);

void batteryShell(QPainter& p) {
    p.fillPath(roundedPath(QRectF(11, 1, 8, 4), 1.5), QColor(120, 120, 126));
    p.fillRect(QRectF(11, 3.5, 8, 1.5), QColor(120, 120, 126));
    p.setBrush(QColor(14, 14, 16));
    p.setPen(QPen(QColor(130, 130, 136), 1));
    p.drawPath(roundedPath(hairlineRect(QRectF(4, 4, 22, 56)), 3));
}

void batteryCell(QPainter& p, const QColor& dark, const QColor& light) {
    QLinearGradient g(kBatteryCell.topLeft(), kBatteryCell.topRight());
    g.setColorAt(0, dark);
    g.setColorAt(0.45, light);
    g.setColorAt(1, dark);
    p.fillPath(roundedPath(kBatteryCell, 1.5), g);
    // Five cells, so a part charge reads as steps.
    for (int i = 1; i < 5; ++i)
        p.fillRect(
            QRectF(kBatteryCell.left(), kBatteryCell.top() + i * 10 - 0.5, kBatteryCell.width(), 1),
            QColor(0, 0, 0, 110));
}

void lightning(QPainter& p) {
    QPainterPath bolt;
    bolt.moveTo(18, 15);
    bolt.lineTo(9.5, 34);
    bolt.lineTo(14.5, 34);
    bolt.lineTo(12, 49);
    bolt.lineTo(21, 28.5);
    bolt.lineTo(15.75, 28.5);
    bolt.closeSubpath();
    p.setPen(QPen(QColor(0, 0, 0, 190), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kWhite);
    p.drawPath(bolt);
}

void legendDot(Canvas& cv, const QColor& c) {
    QPainter& p = cv.p;
    QRadialGradient g(QPointF(3.2, 3), 4.5);
    g.setColorAt(0, c.lighter(150));
    g.setColorAt(1, c);
    p.setPen(QPen(c.darker(180), 0.75));
    p.setBrush(g);
    p.drawEllipse(QRectF(0.5, 0.5, 7, 7));
}

// ---- shared ring geometry
// ------------------------------------------------------------------------

// An annular sector (angles in degrees, counter-clockwise from 3 o'clock, y up), with its side
// edges pulled in by half a gap so neighbouring sectors keep a constant gap.
QPainterPath ringSector(QPointF c, qreal r0, qreal r1, qreal a0, qreal a1, qreal gap) {
    const qreal rad = M_PI / 180;
    auto at = [&](qreal r, qreal a, qreal side) {
        // Point at radius r on the ray a, shifted sideways (perpendicular) by side units.
        return QPointF(c.x() + r * qCos(a * rad) - side * qSin(a * rad),
                       c.y() - r * qSin(a * rad) - side * qCos(a * rad));
    };
    const qreal h = gap / 2;
    auto angleAt = [&](qreal r, qreal a, qreal side) {
        return a + qRadiansToDegrees(qAsin(side / r));
    };
    QPainterPath path(at(r1, a0, h));
    const qreal o0 = angleAt(r1, a0, h), o1 = angleAt(r1, a1, -h);
    path.arcTo(QRectF(c.x() - r1, c.y() - r1, 2 * r1, 2 * r1), o0, o1 - o0);
    path.lineTo(at(r0, a1, -h));
    const qreal i0 = angleAt(r0, a0, h), i1 = angleAt(r0, a1, -h);
    path.arcTo(QRectF(c.x() - r0, c.y() - r0, 2 * r0, 2 * r0), i1, i0 - i1);
    path.closeSubpath();
    return path;
}

void litSector(QPainter& p, const QPainterPath& shape, QPointF centre, qreal r0, qreal r1,
               qreal heat) {
    drawGlow(p, shape, QColor(255, 30, 30, 90), 2.5);
    QRadialGradient g(centre, r1);
    const QColor inner = QColor::fromRgbF(0.45 + 0.25 * heat, 0.0, 0.03);
    const QColor outer = QColor::fromRgbF(0.75 + 0.2 * heat, 0.08 + 0.12 * heat, 0.10 + 0.1 * heat);
    g.setColorAt(r0 / r1, inner);
    g.setColorAt(1, outer);
    p.setPen(QPen(kRedBright, 1));
    p.setBrush(g);
    p.drawPath(shape);
}

void darkSector(QPainter& p, const QPainterPath& shape, QPointF centre, qreal r0, qreal r1) {
    QRadialGradient g(centre, r1);
    g.setColorAt(r0 / r1, QColor(24, 24, 27));
    g.setColorAt(1, QColor(40, 40, 44));
    p.setPen(QPen(kSurfaceNormal.border, 1));
    p.setBrush(g);
    p.drawPath(shape);
}

// ---- sleep time dial (140 by 84): eight sectors between the hit-test rays of the selector ----

const QPointF kDialApex(70, 71);
const QPointF kDialRays[] = {{3, 71},   {7, 51},   {17, 32},  {40, 13}, {70, 5},
                             {100, 14}, {121, 31}, {131, 51}, {134, 71}};

qreal rayAngle(QPointF pt) {
    return qRadiansToDegrees(qAtan2(kDialApex.y() - pt.y(), pt.x() - kDialApex.x()));
}

void sleepDial(Canvas& cv, int minutes) {
    QPainter& p = cv.p;
    const qreal r0 = 43, r1 = 64;
    for (int k = 0; k < 8; ++k) {
        // Sector k lies between rays k and k + 1 and stands for k + 3 minutes.
        const qreal a0 = rayAngle(kDialRays[k + 1]), a1 = rayAngle(kDialRays[k]);
        const QPainterPath shape = ringSector(kDialApex, r0, r1, a0, a1, 3);
        if (k + 3 <= minutes)
            litSector(p, shape, kDialApex, r0, r1, k / 7.0);
        else
            darkSector(p, shape, kDialApex, r0, r1);
    }
    drawTextCentred(p, QRectF(40, 44, 60, 30), QString::number(minutes), artFont(24, QFont::Bold),
                    kWhite);
    const QFont small = artFont(9);
    drawTextCentred(p, QRectF(6, 73, 20, 11), "3", small, kGlyphDim);
    drawTextCentred(p, QRectF(114, 73, 20, 11), "10", small, kGlyphDim);
}

// ---- polling rate dial: four 72 by 72 quarter rings around a hollow centre for the rate label ---

void rateTile(Canvas& cv, int rate, QPointF centre, qreal fromAngle, bool selected) {
    QPainter& p = cv.p;
    const qreal r0 = 37, r1 = 70;
    const QPainterPath shape = ringSector(centre, r0, r1, fromAngle, fromAngle + 90, 4);
    if (selected)
        litSector(p, shape, centre, r0, r1, 0.8);
    else
        darkSector(p, shape, centre, r0, r1);
    const qreal mid = qDegreesToRadians(fromAngle + 45), rm = (r0 + r1) / 2;
    const QPointF at(centre.x() + rm * qCos(mid), centre.y() - rm * qSin(mid));
    drawTextCentred(p, QRectF(at.x() - 24, at.y() - 9, 48, 18), QString::number(rate),
                    artFont(rate >= 1000 ? 12 : 13, QFont::Bold), selected ? kWhite : kTextGrey);
}

// ---- slider (track 290 by 3, thumb 13 by 13) ------------------------------------------------

void sliderTrack(Canvas& cv, bool filled) {
    QPainter& p = cv.p;
    const qreal w = cv.size.width();
    p.fillRect(QRectF(0, 0, w, 1), filled ? QColor(120, 0, 8) : QColor(22, 22, 25));
    p.fillRect(QRectF(0, 1, w, 1), filled ? QColor(220, 36, 40) : QColor(62, 62, 68));
    p.fillRect(QRectF(0, 2, w, 1), filled ? QColor(150, 10, 18) : QColor(46, 46, 51));
}

void sliderThumb(Canvas& cv) {
    QPainter& p = cv.p;
    QPainterPath disc;
    disc.addEllipse(QRectF(0.5, 0.5, 12, 12));
    QRadialGradient g(QPointF(5, 4.5), 8);
    g.setColorAt(0, QColor(246, 246, 248));
    g.setColorAt(1, QColor(168, 168, 174));
    p.setPen(QPen(QColor(8, 8, 10), 1));
    p.setBrush(g);
    p.drawPath(disc);
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(6.5, 6.5), 2.5, 2.5);
}

// ---- DPI gauge (7 by 132): segmented column, dim when empty, red when filled -------------------

void dpiGauge(Canvas& cv, bool filled) {
    QPainter& p = cv.p;
    const QRectF r(0, 0, 7, 132);
    p.fillPath(roundedPath(r, 2), filled ? QColor(40, 0, 4) : kWell);
    const QRectF inner = r.adjusted(1.5, 2, -1.5, -2);
    QLinearGradient g(inner.topLeft(), inner.bottomLeft());
    g.setColorAt(0, filled ? QColor(255, 74, 70) : QColor(30, 30, 34));
    g.setColorAt(1, filled ? QColor(168, 8, 18) : QColor(24, 24, 27));
    for (qreal y = inner.top(); y < inner.bottom(); y += 4)
        p.fillRect(QRectF(inner.left(), y, inner.width(), qMin<qreal>(3, inner.bottom() - y)), g);
    p.setPen(QPen(filled ? QColor(150, 24, 30) : kBorder, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(roundedPath(hairlineRect(r), 1.5));
}

// ---- DPI level label strip (three 26 by 11 slices: normal, hover, selected) -----------------

void dpiValueStrip(Canvas& cv) {
    QPainter& p = cv.p;
    const Surface looks[] = {{QColor(30, 30, 33), QColor(22, 22, 25), QColor(48, 48, 53), 8},
                             {QColor(58, 58, 64), QColor(42, 42, 47), QColor(110, 110, 118), 20},
                             {QColor(40, 40, 44), QColor(28, 28, 31), kRed, 14}};
    for (int i = 0; i < 3; ++i)
        drawSurface(p, QRectF(26 * i, 0, 26, 11), looks[i], 2);
}

}  // namespace

void addIndicatorSkins(Catalogue& c) {
    const QSize battery(30, 61);
    c.push_back(
        {Root::Skins, "battery_empty.png", battery, [](Canvas& cv) { batteryShell(cv.p); }});
    c.push_back({Root::Skins, "battery_full.png", battery, [](Canvas& cv) {
                     batteryShell(cv.p);
                     batteryCell(cv.p, QColor(36, 132, 60), QColor(96, 222, 118));
                 }});
    c.push_back({Root::Skins, "battery_charging.png", battery, [](Canvas& cv) {
                     batteryShell(cv.p);
                     batteryCell(cv.p, QColor(176, 96, 10), QColor(250, 186, 72));
                 }});
    c.push_back(
        {Root::Skins, "battery_lighting.png", battery, [](Canvas& cv) { lightning(cv.p); }});
    c.push_back(
        {Root::Skins, "battery_green.png", {8, 8}, [](Canvas& cv) { legendDot(cv, kGreen); }});
    c.push_back(
        {Root::Skins, "battery_orange.png", {8, 8}, [](Canvas& cv) { legendDot(cv, kOrange); }});
    c.push_back(
        {Root::Skins, "battery_red.png", {8, 8}, [](Canvas& cv) { legendDot(cv, kLowRed); }});

    for (int minutes = 3; minutes <= 10; ++minutes)
        c.push_back({Root::Skins,
                     QStringLiteral("power_manage_%1min.png").arg(minutes),
                     {140, 84},
                     [minutes](Canvas& cv) { sleepDial(cv, minutes); }});

    // The four tiles sit as a 2 by 2 block: 125 top left, 1000 top right, 500 bottom right,
    // 250 bottom left; each ring is centred on the block's centre.
    struct Tile {
        int rate;
        QPointF centre;
        qreal from;
    };
    for (const Tile t : {Tile{125, {72, 72}, 90}, Tile{1000, {0, 72}, 0}, Tile{500, {0, 0}, 270},
                         Tile{250, {72, 0}, 180}}) {
        for (const bool selected : {false, true})
            c.push_back(
                {Root::Skins,
                 QStringLiteral("%1hz_%2.png").arg(t.rate).arg(selected ? "dn" : "nr"),
                 {72, 72},
                 [t, selected](Canvas& cv) { rateTile(cv, t.rate, t.centre, t.from, selected); }});
    }

    c.push_back(
        {Root::Skins, "Slider_bar.png", {290, 3}, [](Canvas& cv) { sliderTrack(cv, false); }});
    c.push_back(
        {Root::Skins, "Slider_bar2.png", {290, 3}, [](Canvas& cv) { sliderTrack(cv, true); }});
    c.push_back({Root::Skins, "Slider_Circle.png", {13, 13}, sliderThumb});

    c.push_back(
        {Root::Skins, "mouse/dpi_bar_1.png", {7, 132}, [](Canvas& cv) { dpiGauge(cv, false); }});
    c.push_back(
        {Root::Skins, "mouse/dpi_bar_2.png", {7, 132}, [](Canvas& cv) { dpiGauge(cv, true); }});
    c.push_back({Root::Skins, "dpi_value.png", {78, 11}, dpiValueStrip});
}

}  // namespace vexmo::skins
