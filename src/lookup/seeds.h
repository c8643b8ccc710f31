#pragma once

#include <QPoint>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace radiane::lookup {

// Reads a coordinate of a fill-point list: leading and inner spaces ignored, an
// optional sign and one decimal point accepted, reading stops at the first
// character that cannot continue the number, no digits read as 0. The value is
// rounded to the nearest integer (a half to the even neighbour) and clamped to
// the signed 16-bit range.
std::int16_t readCoordinate(QStringView text);

// Points of a fill-point list: entries of 8 characters, x in the first 4 and y
// in the last 4, right-aligned. Trailing spaces are removed first; the number
// of entries is the trimmed length / 8 rounded to the nearest whole number (a
// half to the even neighbour). Characters past the end read as empty text.
std::vector<QPoint> parseSeeds(QStringView list);

} // namespace radiane::lookup
