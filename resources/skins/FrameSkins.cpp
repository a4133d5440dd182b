// Dialog backgrounds (the Frame_*.bmp pictures stretched over each dialog) and the panel picture
// that the main window stretches behind every group of controls.
#include "SkinArt.h"

namespace vexmo::skins {
namespace {

// The shared dialog look: dark body, a title band with a red key line, a thin outer border.
void dialogFrame(Canvas& cv, int band) {
    QPainter& p = cv.p;
    const QRectF r(QPointF(0, 0), cv.size);
    fillVertical(p, roundedPath(r, 0), r, QColor(27, 27, 30), QColor(13, 13, 15));
    const QRectF title(0, 0, r.width(), band);
    fillVertical(p, roundedPath(title, 0), title, QColor(38, 38, 42), QColor(27, 27, 30));
    p.fillRect(QRectF(0, band, r.width(), 1), QColor(8, 8, 9));
    p.fillRect(QRectF(0, band + 1, r.width(), 1), kHairline);
    p.fillRect(QRectF(1, 1, 3, band - 1), kRed);
    p.setPen(QPen(QColor(255, 255, 255, 12), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(hairlineRect(r.adjusted(1, 1, -1, -1)));
    p.setPen(QPen(QColor(76, 76, 82), 1));
    p.drawRect(hairlineRect(r));
}

// The progress window: the frame with a bar track at y 66 to 78; filled when drawn for the bar.
void progressFrame(Canvas& cv, bool filled) {
    dialogFrame(cv, 26);
    QPainter& p = cv.p;
    const QRectF track(24, 66, 381, 12);
    if (!filled) {
        drawWell(p, track, 3);
        return;
    }
    QLinearGradient g(track.topLeft(), track.bottomLeft());
    g.setColorAt(0, QColor(250, 70, 66));
    g.setColorAt(0.5, QColor(200, 20, 28));
    g.setColorAt(1, QColor(120, 0, 8));
    p.fillPath(roundedPath(track, 3), g);
    // Fine diagonal stripes give the bar some motion as it grows.
    p.save();
    p.setClipPath(roundedPath(track, 3));
    p.setPen(QPen(QColor(255, 255, 255, 26), 3));
    for (qreal x = track.left() - 12; x < track.right() + 12; x += 9)
        p.drawLine(QPointF(x, track.bottom()), QPointF(x + 12, track.top()));
    p.restore();
    p.setPen(QPen(kRedBright, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(roundedPath(hairlineRect(track), 2.5));
}

// The DPI value dialog: the frame with a recess behind the slider.
void dpiFrame(Canvas& cv) {
    dialogFrame(cv, 30);
    drawWell(cv.p, QRectF(64, 63, 300, 21), 5, QColor(16, 16, 18));
}

// The macro dialogs: the frame with one large recess holding the lists and the editing controls.
void macroFrame(Canvas& cv) {
    dialogFrame(cv, 26);
    drawWell(cv.p, QRectF(16, 31, 496, 298), 5, QColor(17, 17, 19));
}

// Panel behind each group of controls in the main window. It is stretched to many heights, so it
// has no horizontal detail but its edges; only the sides carry a border.
void panel(Canvas& cv) {
    QPainter& p = cv.p;
    const QRectF r(QPointF(0, 0), cv.size);
    fillVertical(p, roundedPath(r, 0), r, kPanelTop, kPanelBottom);
    p.fillRect(QRectF(0, 0, 1, r.height()), QColor(44, 44, 49));
    p.fillRect(QRectF(r.width() - 1, 0, 1, r.height()), QColor(36, 36, 40));
    p.fillRect(QRectF(0, r.height() - 1, r.width(), 1), QColor(36, 36, 40));
}

}  // namespace

void addFrameSkins(Catalogue& c) {
    c.push_back(
        {Root::Skins, "Frame_common.bmp", {429, 140}, [](Canvas& cv) { dialogFrame(cv, 30); }});
    c.push_back({Root::Skins, "Frame_DPI.bmp", {429, 140}, dpiFrame});
    c.push_back(
        {Root::Skins, "Frame_warning.bmp", {319, 102}, [](Canvas& cv) { dialogFrame(cv, 29); }});
    c.push_back({Root::Skins, "Frame_progress_nr.bmp", {429, 140}, [](Canvas& cv) {
                     progressFrame(cv, false);
                 }});
    c.push_back({Root::Skins, "Frame_progress_ov.bmp", {429, 140}, [](Canvas& cv) {
                     progressFrame(cv, true);
                 }});
    c.push_back({Root::Skins, "Frame_Macro_Manager.bmp", {528, 365}, macroFrame});
    c.push_back({Root::Skins, "Frame_Lighting_Setting.bmp", {230, 82}, panel});
}

}  // namespace vexmo::skins
