// Icons of the macro dialogs' lists (delay, key press and release, folders) and the record button.
// List rows are grey (75) or blue when selected, so every icon carries a dark outline.
#include "SkinArt.h"

namespace vexmo::skins {
namespace {

const QSize kIcon(16, 16);
const QColor kOutline(10, 10, 12, 220);

void outlined(QPainter& p, const QPainterPath& shape, const QBrush& fill) {
    p.setPen(QPen(kOutline, 1.25, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(shape);
}

void clockIcon(Canvas& cv) {
    QPainter& p = cv.p;
    QPainterPath face;
    face.addEllipse(QPointF(8, 8), 6.5, 6.5);
    QRadialGradient g(QPointF(6.5, 6), 8);
    g.setColorAt(0, QColor(250, 250, 252));
    g.setColorAt(1, QColor(196, 196, 202));
    outlined(p, face, g);
    p.setPen(QPen(QColor(30, 30, 34), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(8, 4));
    p.setPen(QPen(kRed, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(10.75, 9.75));
}

// Key and button actions: an arrow down for a press (red) and up for a release (light grey).
void keyArrow(Canvas& cv, bool up) {
    QPainter& p = cv.p;
    // Drawn pointing up; a press is the same arrow mirrored top to bottom.
    QPainterPath arrow;
    arrow.moveTo(8, 1.5);
    arrow.lineTo(14, 8);
    arrow.lineTo(10.25, 8);
    arrow.lineTo(10.25, 14.5);
    arrow.lineTo(5.75, 14.5);
    arrow.lineTo(5.75, 8);
    arrow.lineTo(2, 8);
    arrow.closeSubpath();
    if (!up) arrow = QTransform(1, 0, 0, -1, 0, 16).map(arrow);
    QLinearGradient g(0, 1, 0, 15);
    g.setColorAt(0, up ? QColor(244, 244, 246) : kRedBright);
    g.setColorAt(1, up ? QColor(176, 176, 182) : QColor(160, 8, 16));
    outlined(p, arrow, g);
}

void folderIcon(Canvas& cv, bool open) {
    QPainter& p = cv.p;
    QPainterPath back(QPointF(1.5, 3.5));
    back.lineTo(6, 3.5);
    back.lineTo(7.5, 5);
    back.lineTo(14.5, 5);
    back.lineTo(14.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    outlined(p, back, QColor(128, 128, 136));
    QPainterPath front;
    if (open) {
        front.moveTo(3.5, 7.5);
        front.lineTo(15.5, 7.5);
        front.lineTo(13.5, 13.5);
        front.lineTo(1.5, 13.5);
    } else {
        front.addRect(QRectF(1.5, 6.5, 13, 7));
    }
    front.closeSubpath();
    QLinearGradient g(0, 6, 0, 14);
    g.setColorAt(0, QColor(226, 226, 232));
    g.setColorAt(1, QColor(172, 172, 180));
    outlined(p, front, g);
    p.fillRect(QRectF(2, 3.75, 3.5, 1.25), kRed);
}

// The record switch (90 by 18): a red dot on a button; while recording the button glows red.
void recordButton(Canvas& cv, bool recording) {
    QPainter& p = cv.p;
    drawSurface(p, QRectF(0, 0, 90, 18), recording ? kSurfacePressed : kSurfaceNormal, 3);
    QPainterPath dot;
    dot.addEllipse(QPointF(10, 9), 3.5, 3.5);
    if (recording) drawGlow(p, dot, QColor(255, 255, 255, 110), 2);
    p.setPen(QPen(recording ? kWhite : QColor(0, 0, 0, 160), 1));
    p.setBrush(recording ? kRedBright : kRed);
    p.drawPath(dot);
}

}  // namespace

void addMacroSkins(Catalogue& c) {
    c.push_back({Root::Skins, "macro_time.png", kIcon, clockIcon});
    c.push_back({Root::Skins, "macro_up.png", kIcon, [](Canvas& cv) { keyArrow(cv, true); }});
    c.push_back({Root::Skins, "macro_down.png", kIcon, [](Canvas& cv) { keyArrow(cv, false); }});
    c.push_back({Root::Skins, "foldr_close.png", kIcon, [](Canvas& cv) { folderIcon(cv, false); }});
    c.push_back({Root::Skins, "foldr_open.png", kIcon, [](Canvas& cv) { folderIcon(cv, true); }});
    c.push_back({Root::Skins, "macro_record_nr.png", {90, 18}, [](Canvas& cv) {
                     recordButton(cv, false);
                 }});
    c.push_back(
        {Root::Skins, "macro_record_dn.png", {90, 18}, [](Canvas& cv) { recordButton(cv, true); }});
}

}  // namespace vexmo::skins
