#pragma once

#include "radicaltable.h"
#include "strokedata.h"

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <vector>

class QPainter;

namespace datagen {

// The outline of one radical, in the units of its own em square: a font glyph in pixels of the
// font's size, a stroke form in the 1024 box of the stroke data.
struct RadicalArt {
    QPainterPath path;
    QPainterPath faint; // strokes drawn around the radical that are not part of it
    double em = 1.0;
};

// The Song face used for all Chinese text drawn into pictures.
QFont songFont(double pixelSize, bool bold = false);

// Throws std::runtime_error when the font lacks the glyph or the stroke data lacks the example
// character or the stroke range.
RadicalArt radicalArt(const Radical& radical, const StrokeData& strokes);

// How a radical is fitted into a box: drawn at emPx pixels to the em, then scaled so that the
// longer side of its ink lies between minInk and maxInk pixels, centred on the box's centre.
struct Fit {
    double emPx;
    double minInk;
    double maxInk;
    double bolden = 0; // extra outline width in pixels, to strengthen thin strokes when small
};
QTransform fitTransform(const RadicalArt& art, const QRectF& box, const Fit& fit);
void drawRadical(QPainter& painter, const RadicalArt& art, const QRectF& box, const Fit& fit,
                 const QColor& colour);

// Table rows of one key, in table order.
std::vector<Radical> radicalsOfKey(const std::vector<Radical>& table, const QString& key);

} // namespace datagen
