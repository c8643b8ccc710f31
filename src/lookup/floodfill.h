#pragma once

#include <QImage>
#include <QRgb>
#include <optional>

namespace radiane::lookup {

// How area fills paint on a picture surface.
enum class FillStyle { Solid, Transparent };

// The drawing surface of a picture area: the image it shows (the loaded bitmap
// with whatever was painted over it) and its fill settings. The window layer
// shows `image`; a new bitmap replaces it and with it all painting.
struct PictureSurface {
    QImage image;
    FillStyle fillStyle = FillStyle::Transparent;
    QRgb fillColor = qRgb(0, 0, 0);
};

// Device pixel of a point given in twips (15 twips to a logical pixel; a picture
// drawn at a higher device pixel ratio has proportionally more pixels), rounded
// to the nearest pixel, a half to the even neighbour.
QPoint twipsToPicturePixel(const QImage& image, int x, int y);

// Fills, on the surface, from the twips point (x, y) with fillColour:
// - without borderColour, the 4-connected region of pixels of exactly the colour
//   under the point;
// - with borderColour, the 4-connected region around the point bounded by pixels
//   of borderColour.
// The surface's fill style and colour are set for the fill and restored after.
// A point outside the picture paints nothing. Returns the number of pixels
// painted; a surface fill of a region that already has the fill colour changes
// nothing and returns 0.
int FloodFillAt(PictureSurface& surface, int x, int y, QRgb fillColour,
                std::optional<QRgb> borderColour = std::nullopt);

} // namespace radiane::lookup
