// The colours of the Vexmo look, in one place: every skin and resource image draws with these.
#pragma once

#include <QColor>

namespace vexmo::skins {

// Window and panels: near-black, slightly cool.
inline const QColor kWindowTop{17, 17, 19};
inline const QColor kWindowBottom{9, 9, 10};
inline const QColor kTitleBand{22, 22, 25};
inline const QColor kPanelTop{25, 25, 28};
inline const QColor kPanelBottom{18, 18, 20};
inline const QColor kWell{11, 11, 12};  // recessed areas: lists, tracks, empty gauges
inline const QColor kHairline{40, 40, 44};
inline const QColor kBorder{58, 58, 63};
inline const QColor kBorderLight{88, 88, 95};

// Text and glyphs.
inline const QColor kTextGrey{180, 180, 180};
inline const QColor kGlyphDim{120, 120, 126};
inline const QColor kWhite{255, 255, 255};

// Red accents (selected profile 120,0,0; add row 73,0,0; active DPI label pure red).
inline const QColor kRedDeep{73, 0, 0};
inline const QColor kRedDark{120, 0, 0};
inline const QColor kRed{196, 22, 30};
inline const QColor kRedBright{238, 50, 54};

// Battery legend.
inline const QColor kGreen{64, 190, 92};
inline const QColor kOrange{236, 148, 32};
inline const QColor kLowRed{222, 44, 44};

// The colour palette picture's frame: a pick on it is ignored, so it must be exact.
inline const QColor kPaletteFrame{15, 15, 15};

// One raised surface in its three states: used by buttons, headers, combos, tiles, menu items.
struct Surface {
    QColor top;
    QColor bottom;
    QColor border;
    int highlightAlpha;  // white inner line along the top edge
};
inline const Surface kSurfaceNormal{{43, 43, 47}, {29, 29, 32}, {64, 64, 70}, 16};
inline const Surface kSurfaceHover{{66, 66, 72}, {44, 44, 49}, {168, 30, 38}, 26};
inline const Surface kSurfacePressed{{150, 16, 24}, {98, 0, 6}, {226, 58, 62}, 34};

}  // namespace vexmo::skins
