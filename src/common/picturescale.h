#pragma once

#include <QImage>
#include <QString>

namespace radiane {

// Every picture of the program folder also exists at twice the resolution, named
// "<name>@2x.png" ("bmp/a.bmp" -> "bmp/a@2x.png"), for high-density screens.
inline constexpr int kHighDensityScale = 2;

// The picture resolution a window of the given device pixel ratio loads: 1, or 2
// for any ratio above 1.
int pictureScale(double devicePixelRatio);

// The file name of the picture name at a scale.
QString scaledPictureName(const QString& name, int scale);

// A picture as a window of the given device pixel ratio shows it: one made for
// that ratio as it is, any other smoothly scaled to the device pixels of its
// logical size.
QImage pictureForRatio(const QImage& picture, double devicePixelRatio);

} // namespace radiane
