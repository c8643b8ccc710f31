#pragma once

#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <optional>

namespace datagen {

// One character of hanzi-writer-data, in a 1024 × 1024 box with the y axis pointing DOWN
// (0 at the top). The package itself draws with y up, the box running from y = -124 at the
// bottom to 900 at the top; the loader flips it (y' = 900 - y) so that the data fits Qt's
// painting coordinates directly.
struct CharStrokes {
    QString character;
    QList<QPainterPath> strokes;   // outline of each stroke, in writing order
    QList<QList<QPointF>> medians; // centre line of each stroke, in writing order
    QList<int> radStrokes;         // strokes the package marks as the main radical

    int count() const { return int(strokes.size()); }
    // Union of strokes first..last (0-based, inclusive).
    QPainterPath outline(int first, int last) const;
    QPainterPath outline() const { return outline(0, count() - 1); }
};

inline constexpr double kStrokeBox = 1024.0;

// Converts the package's SVG path text (M, L, Q, C, Z in absolute coordinates) to a path in
// the flipped box. Unknown commands end the parse.
QPainterPath parseStrokePath(const QString& svg);

// Reads the stroke data of the package folder. The folder defaults to $RADIANE_STROKES.
class StrokeData {
public:
    explicit StrokeData(QString folder = {});

    const QString& folder() const { return folder_; }
    bool isValid() const;
    // The strokes of one character (one code point); empty when the package lacks it.
    std::optional<CharStrokes> load(const QString& character) const;

private:
    QString folder_;
};

} // namespace datagen
