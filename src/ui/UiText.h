// Interface fonts (made from the language's face and pixel height, with fallbacks for faces the
// desktop lacks) and the toolkit's text drawing with the classic format flags.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>

#include "base/Colour.h"
#include "base/Text.h"

namespace vexmo::ui {

// Format flags of text drawing.
enum TextFormat : unsigned {
    kTextLeft = 0x0,
    kTextCenter = 0x1,
    kTextRight = 0x2,
    kTextVCenter = 0x4,
    kTextBottom = 0x8,
    kTextWordBreak = 0x10,
    kTextSingleLine = 0x20,
    kTextEndEllipsis = 0x8000,
    kTextWordEllipsis = 0x40000,
};

// A font of the face at a pixel height (character cell height) and weight (0 = normal,
// 100..900 as the desktop's weights). "宋体" and "Tahoma" fall back to installed fonts.
QFont MakeFont(const Text& face, int pixelHeight, int weight = 0);
// The control font: the interface font of the language.
QFont MakeControlFont();
// The dialog font: interface face, 10 points at the screen's vertical DPI, weight 600.
QFont MakeDialogFont(int logicalDpiY);

QColor ToQColor(Colour colour);
inline QString ToQString(const Text& text) {
    return QString::fromStdU16String(text);
}

// Draws text in rect with the format flags. Single-line text is elided at the end when it does
// not fit (word ellipsis); multi-line text (kTextWordBreak) wraps between words.
void DrawText(QPainter& painter, const QFont& font, const Text& text, const QRect& rect,
              Colour colour, unsigned format);

// Alignment value of the buttons (0 left, 1 centre, 2 right) as format flags, single line and
// vertically centred with word ellipsis.
unsigned ButtonTextFormat(int alignment);

}  // namespace vexmo::ui
