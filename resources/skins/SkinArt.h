// One generated image (its file name, design size and painter) and the drawing helpers the image
// families share, so every skin is built from the same few shapes.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <functional>
#include <vector>

#include "SkinPalette.h"

namespace vexmo::skins {

// Where an image is written: the skins folder beside the program, or the resource folder that is
// compiled into the program.
enum class Root { Skins, Resources };

// What a painter function gets: a painter already scaled so that one unit is one design pixel,
// the design size and the scale (1 or 2) for code that works on device pixels.
struct Canvas {
    QPainter& p;
    QSize size;
    int scale;
};

using Painter = std::function<void(Canvas&)>;

struct Art {
    Root root;
    QString path;  // relative, '/' separated, e.g. "mouse/number1.png"
    QSize size;    // design size (the 1x file)
    Painter paint;
    bool twin = true;  // also write "name@2x.ext", drawn natively at twice the size
};

using Catalogue = std::vector<Art>;

// The three looks of a control: "_nr", "_ov" and "_dn" (or "_check") in the file names.
enum class State { Normal, Hover, Pressed };
const Surface& surfaceFor(State s);

// Adds one file per state: stem + "_" + suffix + ".png", all of one size, drawn by one function.
struct StateFile {
    const char* suffix;
    State state;
};
void addStates(Catalogue& c, const QString& stem, QSize size,
               std::initializer_list<StateFile> files,
               const std::function<void(Canvas&, State)>& paint);

// The image families; each appends its images to the catalogue.
void addControlSkins(Catalogue& c);
void addIndicatorSkins(Catalogue& c);
void addMouseSkins(Catalogue& c);
void addFrameSkins(Catalogue& c);
void addMacroSkins(Catalogue& c);
void addResourceImages(Catalogue& c);

// Every image the program uses, in a fixed order.
Catalogue buildCatalogue();

// Draws one image at the given scale (1 or 2). BMP images come out opaque.
QImage render(const Art& art, int scale);
// "dir/name.png" for scale 1, "dir/name@2x.png" for scale 2.
QString scaledPath(const QString& path, int scale);
// The loaded-image twin of the toolkit's nearest-neighbour stretch, for the review sheets.
void stretch(QPainter& p, const QRectF& dst, const QImage& img, const QRectF& src = {});

// ---- shared shapes -------------------------------------------------------------------------

QFont artFont(int pixelSize, int weight = QFont::Normal);
// A rectangle inset by half a unit, so a one-unit pen covers whole pixels at every scale.
QRectF hairlineRect(const QRectF& r);
QPainterPath roundedPath(const QRectF& r, qreal radius);
// A raised surface: vertical gradient, one-unit border and a faint top highlight.
void drawSurface(QPainter& p, const QRectF& r, const Surface& s, qreal radius);
// A recessed well: dark fill with a darker top edge and a border.
void drawWell(QPainter& p, const QRectF& r, qreal radius, const QColor& fill = kWell);
void fillVertical(QPainter& p, const QPainterPath& shape, const QRectF& span, const QColor& top,
                  const QColor& bottom);
void drawTextCentred(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
                     const QColor& colour);
QPainterPath triangle(QPointF a, QPointF b, QPointF c);
// A chevron (open arrow) pointing down inside r, stroked with the given width.
void drawChevronDown(QPainter& p, const QRectF& r, const QColor& colour, qreal width);
void drawTick(QPainter& p, const QRectF& r, const QColor& colour, qreal width);
// A soft glow: the shape's outline blurred by stacking wide translucent strokes.
void drawGlow(QPainter& p, const QPainterPath& shape, const QColor& colour, qreal reach);
// The red "V" light of the product: a glowing stroke from left down to the apex and up to right.
// Returns the path so a caller can draw more over it.
QPainterPath drawRedVee(QPainter& p, QPointF left, QPointF apex, QPointF right, int glowAlpha,
                        qreal glowReach, qreal width);

}  // namespace vexmo::skins
