// The mouse seen from above (215 by 398) with its six programmable buttons, the overlays that
// highlight one button while its menu is open, and the numbered badges of the button list.
#include "SkinArt.h"

namespace vexmo::skins {
namespace {

const QSize kMouseSize(215, 398);

// The outline and the button areas of the mouse picture, in design units.
struct MouseShape {
    QPainterPath body, leftButton, rightButton, wheelSlot, wheel, dpiButton, forward, back, palm;
};

MouseShape mouseShape() {
    MouseShape m;
    QPainterPath& b = m.body;
    b.moveTo(112, 12);
    b.cubicTo(146, 12, 170, 30, 173, 80);
    b.cubicTo(176, 132, 177, 200, 180, 262);
    b.cubicTo(183, 330, 168, 389, 112, 389);
    b.cubicTo(56, 389, 41, 336, 44, 276);
    b.cubicTo(46, 246, 53, 226, 53, 198);
    b.cubicTo(53, 166, 47, 134, 50, 82);
    b.cubicTo(53, 32, 78, 12, 112, 12);
    b.closeSubpath();

    m.wheelSlot.addRoundedRect(QRectF(102, 44, 20, 62), 9, 9);
    m.wheel.addRoundedRect(QRectF(106, 50, 12, 50), 5.5, 5.5);
    m.dpiButton.addRoundedRect(QRectF(105, 113, 14, 19), 4.5, 4.5);
    m.forward.addRoundedRect(QRectF(43, 150, 13, 40), 5.5, 5.5);
    m.back.addRoundedRect(QRectF(44, 197, 13, 40), 5.5, 5.5);

    // The two main buttons: the front of the body above a shallow curve, split down the middle,
    // minus the wheel and DPI button wells.
    QPainterPath front(QPointF(0, 0));
    front.lineTo(215, 0);
    front.lineTo(215, 166);
    front.quadTo(107.5, 126, 0, 166);
    front.closeSubpath();
    QPainterPath cutouts;
    cutouts.addRoundedRect(QRectF(100.5, 42.5, 23, 65), 10, 10);
    cutouts.addRoundedRect(QRectF(103.5, 111.5, 17, 22), 6, 6);
    QPainterPath leftHalf, rightHalf;
    leftHalf.addRect(QRectF(0, 0, 111, 400));
    rightHalf.addRect(QRectF(113, 0, 102, 400));
    const QPainterPath buttons = b.intersected(front).subtracted(cutouts);
    m.leftButton = buttons.intersected(leftHalf);
    m.rightButton = buttons.intersected(rightHalf);
    m.palm = b.subtracted(front);
    return m;
}

// Where each numbered callout sits and the point on the button its leader line reaches.
struct Callout {
    QPointF badge;
    QPointF anchor;
};
const Callout kCallouts[6] = {
    {{16, 82}, {72, 82}},     // 1 left button
    {{199, 40}, {150, 40}},   // 2 right button
    {{199, 75}, {119, 75}},   // 3 wheel
    {{16, 170}, {47, 170}},   // 4 front side button
    {{16, 217}, {48, 217}},   // 5 rear side button
    {{199, 122}, {117, 122}}  // 6 DPI button
};

QPainterPath buttonArea(const MouseShape& m, int number) {
    switch (number) {
        case 1:
            return m.leftButton;
        case 2:
            return m.rightButton;
        case 3:
            return m.wheel;
        case 4:
            return m.forward;
        case 5:
            return m.back;
        case 6:
            return m.dpiButton;
        default:
            return {};
    }
}

void drawCallout(QPainter& p, int number, bool active) {
    const Callout& c = kCallouts[number - 1];
    const QColor line = active ? kRedBright : QColor(74, 74, 80);
    const qreal dir = c.anchor.x() > c.badge.x() ? 1 : -1;
    p.setPen(QPen(line, 1));
    p.drawLine(QPointF(c.badge.x() + dir * 7, c.badge.y() + 0.5),
               QPointF(c.anchor.x(), c.badge.y() + 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    p.drawEllipse(QPointF(c.anchor.x(), c.anchor.y() + 0.5), 1.75, 1.75);
    const QRectF disc(c.badge.x() - 7, c.badge.y() - 6.5, 14, 14);
    if (active) {
        QPainterPath halo;
        halo.addEllipse(disc);
        drawGlow(p, halo, QColor(255, 40, 40, 120), 4);
    }
    p.setPen(QPen(active ? kRedBright : QColor(92, 92, 99), 1));
    p.setBrush(active ? kRed : QColor(20, 20, 22));
    p.drawEllipse(hairlineRect(disc));
    drawTextCentred(p, disc.translated(0, 0.5), QString::number(number), artFont(9, QFont::Bold),
                    active ? kWhite : kTextGrey);
}

void shadeShape(QPainter& p, const QPainterPath& shape, const QColor& light, const QColor& dark) {
    const QRectF r = shape.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    p.fillPath(shape, g);
}

void mousePicture(Canvas& cv) {
    QPainter& p = cv.p;
    const MouseShape m = mouseShape();

    // Soft shadow under the body.
    drawGlow(p, m.body.translated(0, 3), QColor(0, 0, 0, 200), 7);
    shadeShape(p, m.body, QColor(30, 30, 33), QColor(12, 12, 13));

    // Palm: dark with a faint sheen along the spine.
    QLinearGradient sheen(QPointF(45, 0), QPointF(180, 0));
    sheen.setColorAt(0, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.42, QColor(255, 255, 255, 14));
    sheen.setColorAt(0.6, QColor(255, 255, 255, 4));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillPath(m.palm, sheen);

    // Main buttons: slightly lighter surfaces with a highlight towards the front.
    for (const QPainterPath* button : {&m.leftButton, &m.rightButton}) {
        shadeShape(p, *button, QColor(50, 50, 55), QColor(24, 24, 27));
        p.setPen(QPen(QColor(255, 255, 255, 18), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(*button);
    }

    // Wheel well, ridged wheel and DPI button.
    p.fillPath(m.wheelSlot, QColor(6, 6, 7));
    shadeShape(p, m.wheel, QColor(88, 88, 94), QColor(34, 34, 38));
    p.save();
    p.setClipPath(m.wheel);
    for (qreal y = 53; y < 100; y += 3.5)
        p.fillRect(QRectF(106, y, 12, 1), QColor(0, 0, 0, 110));
    p.restore();
    shadeShape(p, m.dpiButton, QColor(70, 70, 76), QColor(30, 30, 33));
    p.fillRect(QRectF(109, 119, 6, 1.5), kRedBright);

    // Seams between the buttons and around the palm.
    QPainterPath seams(QPointF(112, 12));
    seams.lineTo(112, 44);
    seams.moveTo(112, 132);
    seams.lineTo(112, 146);
    seams.moveTo(40, 166);
    seams.quadTo(107.5, 126, 185, 166);
    p.save();
    p.setClipPath(m.body);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 16), 1));
    p.drawPath(seams.translated(0.75, 1));
    p.setPen(QPen(QColor(4, 4, 5), 1.5));
    p.drawPath(seams);
    p.restore();

    // Light strip on the palm: a red "V".
    const QPainterPath vee = drawRedVee(p, {92, 296}, {112, 318}, {132, 296}, 150, 6, 2.5);
    p.setPen(QPen(QColor(255, 170, 160), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(vee);

    // Rim: a light edge on the upper left, dark on the lower right.
    QLinearGradient rim(QPointF(40, 10), QPointF(180, 390));
    rim.setColorAt(0, QColor(118, 118, 126));
    rim.setColorAt(0.5, QColor(70, 70, 76));
    rim.setColorAt(1, QColor(42, 42, 46));
    p.setPen(QPen(QBrush(rim), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(m.body);

    // Side buttons, standing out of the left flank.
    for (const QPainterPath* side : {&m.forward, &m.back}) {
        shadeShape(p, *side, QColor(64, 64, 70), QColor(26, 26, 29));
        p.setPen(QPen(QColor(0, 0, 0, 160), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(*side);
    }

    for (int n = 1; n <= 6; ++n)
        drawCallout(p, n, false);
}

// Button n lit in red, with its callout; numbers 7 to 9 name no button and stay empty.
void numberOverlay(Canvas& cv, int number) {
    if (number > 6) return;
    QPainter& p = cv.p;
    const QPainterPath area = buttonArea(mouseShape(), number);
    drawGlow(p, area, QColor(255, 30, 30, 150), 5);
    p.fillPath(area, QColor(214, 24, 32, 120));
    p.setPen(QPen(kRedBright, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(area);
    drawCallout(p, number, true);
}

// Numbered badge beside each button's assignment field (21 by 19).
void serialBadge(Canvas& cv, int number) {
    QPainter& p = cv.p;
    const QRectF r(0.5, 0.5, 20, 18);
    drawSurface(p, r.adjusted(-0.5, -0.5, 0.5, 0.5),
                {QColor(36, 36, 40), QColor(22, 22, 25), QColor(92, 92, 99), 14}, 4);
    drawTextCentred(p, QRectF(0, 0.5, 21, 19), QString::number(number), artFont(11, QFont::Bold),
                    kTextGrey);
}

}  // namespace

void addMouseSkins(Catalogue& c) {
    c.push_back({Root::Skins, "mouse/mouse_nr.png", kMouseSize, mousePicture});
    for (int n = 1; n <= 9; ++n) {
        c.push_back({Root::Skins, QStringLiteral("mouse/number%1.png").arg(n), kMouseSize,
                     [n](Canvas& cv) { numberOverlay(cv, n); }});
        c.push_back({Root::Skins,
                     QStringLiteral("mouse/serial_number%1.png").arg(n),
                     {21, 19},
                     [n](Canvas& cv) { serialBadge(cv, n); }});
    }
}

}  // namespace vexmo::skins
