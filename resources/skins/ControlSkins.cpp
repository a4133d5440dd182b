// Buttons, section headers, combo fields, menu items, check and radio boxes, small arrow and title
// buttons: the clickable controls of every window.
#include "SkinArt.h"

namespace vexmo::skins {
namespace {

constexpr StateFile kNr{"nr", State::Normal};
constexpr StateFile kOv{"ov", State::Hover};
constexpr StateFile kDn{"dn", State::Pressed};
constexpr StateFile kCheck{"check", State::Pressed};

QColor glyphColour(State s) {
    return s == State::Normal ? QColor(150, 150, 156) : kWhite;
}

// Close, minimise and add: a glyph alone, on a small plate when hovered.
void titleButton(Canvas& cv, State s, const QColor& hoverPlate,
                 const std::function<void(QPainter&, const QColor&)>& glyph) {
    QPainter& p = cv.p;
    if (s != State::Normal) p.fillPath(roundedPath(QRectF(0, 0, 15, 15), 3), hoverPlate);
    glyph(p, glyphColour(s));
}

void exitGlyph(QPainter& p, const QColor& c) {
    p.setPen(QPen(c, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4.5, 4.5), QPointF(10.5, 10.5));
    p.drawLine(QPointF(10.5, 4.5), QPointF(4.5, 10.5));
}

void minGlyph(QPainter& p, const QColor& c) {
    p.fillRect(QRectF(4, 9, 7, 2), c);
}

void addGlyph(QPainter& p, const QColor& c) {
    p.fillRect(QRectF(4, 7, 7, 1.5), c);
    p.fillRect(QRectF(6.75, 4.25, 1.5, 7), c);
}

// Plain push buttons: the text is drawn over them by the toolkit.
void pushButton(Canvas& cv, State s) {
    drawSurface(cv.p, QRectF(QPointF(0, 0), cv.size), surfaceFor(s), 3);
}

// Section headers: a bar with a red key line on the left and a chevron on the right.
void header(Canvas& cv, State s) {
    QPainter& p = cv.p;
    const QRectF r(QPointF(0, 0), cv.size);
    const bool hot = s != State::Normal;
    fillVertical(p, roundedPath(r, 0), r, hot ? QColor(52, 52, 57) : QColor(36, 36, 40),
                 hot ? QColor(34, 34, 38) : QColor(25, 25, 28));
    p.fillRect(QRectF(0, 0, r.width(), 1), QColor(255, 255, 255, hot ? 26 : 14));
    p.fillRect(QRectF(0, r.height() - 1, r.width(), 1), hot ? kRed : kHairline);
    p.fillRect(QRectF(0, 0, 3, r.height()), hot ? kRedBright : kRed);
    drawChevronDown(p, QRectF(r.width() - 17, 10.5, 7, 4), hot ? kWhite : kGlyphDim, 1.5);
}

// Drop-down fields: a dark field, a divider and a chevron in the right-hand cell.
void comboField(Canvas& cv, State s) {
    QPainter& p = cv.p;
    const QRectF r(QPointF(0, 0), cv.size);
    const bool hot = s != State::Normal;
    const Surface field{hot ? QColor(40, 40, 44) : QColor(28, 28, 31),
                        hot ? QColor(30, 30, 33) : QColor(20, 20, 22),
                        hot ? kSurfaceHover.border : kSurfaceNormal.border, hot ? 20 : 10};
    drawSurface(p, r, field, 2);
    const qreal cell = r.height() >= 20 ? 20 : 14;
    p.fillRect(QRectF(r.width() - cell, 3, 1, r.height() - 6),
               hot ? QColor(90, 32, 36) : kHairline);
    const qreal w = r.height() >= 20 ? 7 : 5, h = r.height() >= 20 ? 4 : 3;
    const QPointF c(r.width() - cell / 2 + 0.5, r.height() / 2);
    drawChevronDown(p, QRectF(c.x() - w / 2, c.y() - h / 2, w, h), hot ? kWhite : kGlyphDim,
                    r.height() >= 20 ? 1.5 : 1.25);
}

// Popup menu items (190 by 22, stretched to the popup's width): flat rows, red when hovered.
void menuItem(Canvas& cv, State s, bool submenu) {
    QPainter& p = cv.p;
    const QRectF r(QPointF(0, 0), cv.size);
    if (s == State::Normal) {
        p.fillRect(r, QColor(26, 26, 29));
        p.fillRect(QRectF(0, r.height() - 1, r.width(), 1), QColor(36, 36, 40));
    } else {
        fillVertical(p, roundedPath(r, 0), r, QColor(142, 12, 20), QColor(96, 0, 6));
        p.fillRect(QRectF(0, 0, r.width(), 1), QColor(255, 255, 255, 30));
        p.fillRect(QRectF(0, 0, 3, r.height()), kRedBright);
    }
    if (submenu)
        p.fillPath(triangle({r.width() - 13, 7}, {r.width() - 8, 11}, {r.width() - 13, 15}),
                   glyphColour(s));
}

// Check boxes: a dark well; hover lights the border, ticked fills it red with a white tick.
void checkBox(Canvas& cv, State s) {
    QPainter& p = cv.p;
    const QRectF r(QPointF(0, 0), cv.size);
    const qreal radius = r.width() > 12 ? 3 : 2;
    if (s == State::Pressed) {
        drawSurface(p, r, kSurfacePressed, radius);
        const qreal m = r.width() > 12 ? 3.5 : 2.5;
        drawTick(p, r.adjusted(m, m + 0.5, -m, -m), kWhite, r.width() > 12 ? 1.75 : 1.4);
        return;
    }
    drawWell(p, r, radius, s == State::Hover ? QColor(30, 30, 34) : QColor(14, 14, 16));
    p.setPen(QPen(s == State::Hover ? QColor(205, 205, 210) : QColor(100, 100, 107), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(roundedPath(hairlineRect(r), radius - 0.5));
}

void radio(Canvas& cv, State s) {
    QPainter& p = cv.p;
    const QRectF outer = hairlineRect(QRectF(0, 0, 15, 15));
    p.setBrush(s == State::Hover ? QColor(30, 30, 34) : QColor(14, 14, 16));
    p.setPen(QPen(s == State::Normal  ? QColor(100, 100, 107)
                  : s == State::Hover ? QColor(205, 205, 210)
                                      : kRedBright,
                  1));
    p.drawEllipse(outer);
    if (s == State::Pressed) {
        QPainterPath dot;
        dot.addEllipse(QPointF(7.5, 7.5), 3.5, 3.5);
        drawGlow(p, dot, QColor(255, 40, 40, 200), 2);
        QRadialGradient g(QPointF(6.5, 6.5), 4);
        g.setColorAt(0, QColor(255, 120, 110));
        g.setColorAt(1, kRed);
        p.fillPath(dot, g);
    }
}

// Small square arrow buttons (spin buttons): up or down triangle on a surface.
void arrowButton(Canvas& cv, State s, bool up) {
    QPainter& p = cv.p;
    drawSurface(p, QRectF(0, 0, 15, 15), surfaceFor(s), 2);
    const QColor c = glyphColour(s);
    if (up)
        p.fillPath(triangle({4, 9.5}, {7.5, 5.5}, {11, 9.5}), c);
    else
        p.fillPath(triangle({4, 5.5}, {7.5, 9.5}, {11, 5.5}), c);
}

// Profile rows: the profile menu's colours (31 plain, 55 hovered, 120,0,0 current).
void profileSlot(Canvas& cv, bool hover, bool current) {
    QPainter& p = cv.p;
    const QRectF r(QPointF(0, 0), cv.size);
    if (current) {
        fillVertical(p, roundedPath(r, 0), r, hover ? QColor(150, 10, 18) : kRedDark,
                     hover ? QColor(118, 0, 6) : QColor(96, 0, 0));
        p.fillRect(QRectF(0, 0, 3, r.height()), kRedBright);
    } else {
        p.fillRect(r, hover ? QColor(55, 55, 55) : QColor(31, 31, 31));
        if (hover) p.fillRect(QRectF(0, 0, 3, r.height()), kRed);
    }
    p.fillRect(QRectF(0, r.height() - 1, r.width(), 1), QColor(0, 0, 0, 90));
}

// A frame around a colour swatch; the swatch itself shows through the middle.
void colourSelect(Canvas& cv, bool checked) {
    QPainter& p = cv.p;
    const QRectF r(QPointF(0, 0), cv.size);
    p.setBrush(Qt::NoBrush);
    if (checked) {
        p.setPen(QPen(kWhite, 1));
        p.drawRect(hairlineRect(r));
        p.setPen(QPen(QColor(0, 0, 0, 160), 1));
        p.drawRect(hairlineRect(r.adjusted(1, 1, -1, -1)));
    } else {
        p.setPen(QPen(kBorderLight, 1));
        p.drawRect(hairlineRect(r));
    }
}

}  // namespace

void addControlSkins(Catalogue& c) {
    addStates(c, "exit", {15, 15}, {kNr, kOv},
              [](Canvas& cv, State s) { titleButton(cv, s, kRed, exitGlyph); });
    addStates(c, "min", {15, 15}, {kNr, kOv},
              [](Canvas& cv, State s) { titleButton(cv, s, QColor(70, 70, 76), minGlyph); });
    addStates(c, "add", {15, 15}, {kNr, kOv},
              [](Canvas& cv, State s) { titleButton(cv, s, QColor(70, 70, 76), addGlyph); });

    addStates(c, "button1", {230, 25}, {kNr, kOv}, pushButton);
    addStates(c, "button2", {69, 20}, {kNr, kOv}, pushButton);
    addStates(c, "button4", {215, 45}, {kNr}, pushButton);

    addStates(c, "header", {262, 25}, {kNr, kOv}, header);
    addStates(c, "header2", {230, 25}, {kNr, kOv}, header);

    addStates(c, "combo2", {162, 21}, {kNr, kOv}, comboField);
    addStates(c, "combo3", {117, 14}, {kNr, kOv}, comboField);

    addStates(c, "menu", {190, 22}, {kNr, kOv},
              [](Canvas& cv, State s) { menuItem(cv, s, false); });
    addStates(c, "menusub", {190, 22}, {kNr, kOv},
              [](Canvas& cv, State s) { menuItem(cv, s, true); });

    addStates(c, "check", {15, 15}, {kNr, kOv, kDn}, checkBox);
    addStates(c, "check_button_dpi", {11, 11}, {kNr, kOv, kDn}, checkBox);
    addStates(c, "radio", {15, 15}, {kNr, kOv, kDn}, radio);

    addStates(c, "up", {15, 15}, {kNr, kOv, kCheck},
              [](Canvas& cv, State s) { arrowButton(cv, s, true); });
    addStates(c, "down", {15, 15}, {kNr, kOv, kCheck},
              [](Canvas& cv, State s) { arrowButton(cv, s, false); });

    const QSize slot(230, 25);
    c.push_back({Root::Skins, "profile_slot_nr.png", slot,
                 [](Canvas& cv) { profileSlot(cv, false, false); }});
    c.push_back({Root::Skins, "profile_slot_ov.png", slot,
                 [](Canvas& cv) { profileSlot(cv, true, false); }});
    c.push_back({Root::Skins, "profile_slot_nr2.png", slot,
                 [](Canvas& cv) { profileSlot(cv, false, true); }});
    c.push_back({Root::Skins, "profile_slot_ov2.png", slot,
                 [](Canvas& cv) { profileSlot(cv, true, true); }});

    c.push_back({Root::Skins, "color_select_nr.png", {26, 12}, [](Canvas& cv) {
                     colourSelect(cv, false);
                 }});
    c.push_back({Root::Skins, "color_select_check.png", {26, 12}, [](Canvas& cv) {
                     colourSelect(cv, true);
                 }});
}

}  // namespace vexmo::skins
