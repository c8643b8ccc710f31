#pragma once

#include "radicaltable.h"
#include "strokedata.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QRectF>
#include <QString>
#include <vector>

namespace datagen {

// Colours shared by the keyboard picture and the chart.
inline const QColor kCaseColour(0x3b, 0x42, 0x50);
inline const QColor kPlainKeyFace(0xd9, 0xdc, 0xe1);
inline const QColor kLetterColour(0x1f, 0x29, 0x33);
inline const QColor kInk(Qt::black);

// Zone of a key letter: 1 (g f d s a), 2 (h j k l m), 3 (t r e w q), 4 (y u i o p), 5 (n b v c x);
// 0 for anything else.
int zoneOf(const QString& key);
// Zone-and-position number of a key, e.g. "11" for g, "35" for q; empty for z.
QString zoneNumber(const QString& key);
// A light tint per zone for key faces.
QColor zoneFace(const QString& key);

// Cells for count radicals in area, row by row: as many columns as make the cells largest, each
// cell at most maxSize; of equal sizes, the layout with fewer rows.
std::vector<QRectF> gridCells(const QRectF& area, int count, QSizeF maxSize);

// The click areas over the letter keys, in pixels of the keyboard picture, a..y.
QList<QRect> keyClickAreas();

// renderScale 2 draws the same picture at twice the resolution.
QImage keyboardPicture(const std::vector<Radical>& table, const StrokeData& strokes,
                       int renderScale = 1);

} // namespace datagen
