#pragma once

#include "segmentation.h"
#include "strokedata.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <optional>

namespace datagen {

// Character pictures: 112 × 113 px (1680 × 1695 twips), strokes drawn without anti-aliasing in
// a mid grey on white, each radical in its own grey one unit apart from the others, so that an
// exact-colour 4-connected fill from a point inside one radical colours exactly that radical.
inline constexpr int kPictureWidth = 112;
inline constexpr int kPictureHeight = 113;
inline constexpr int kMaxSeeds = 9;

// Grey level of each radical group: parts 1, 2, 3, the last radical (part 4) and the middle
// radicals of a long character.
inline constexpr int kGreyBase = 128;
int partGrey(int group); // group 0..4 -> grey level

struct CharPicture {
    QImage image;           // Format_Indexed8, white background
    QList<QPoint> seeds[4]; // pixel points, one inside each piece of parts 1..4
};

// Draws the character and finds its fill points. Empty when some part would need more than
// kMaxSeeds points. A render scale of 2 draws the same picture at twice the resolution.
std::optional<CharPicture> drawCharacter(const CharStrokes& strokes, const Split& split,
                                         int renderScale = 1);

// Makes a picture drawn at renderScale paint like the 1× one: its fill points become the 1×
// points scaled up, and a piece those points do not reach takes the colour it touches most.
// False when a scaled point misses its radical or an unreached piece stands alone.
bool fitToSeeds(CharPicture& scaled, const CharPicture& base, int renderScale);

// The 1× picture enlarged pixel by pixel, with its fill points scaled: the fallback when
// fitToSeeds fails.
CharPicture enlarged(const CharPicture& base, int renderScale);

// Exact-colour 4-connected flood fill of the image (any format) from a pixel; returns the
// number of pixels changed. Used to check and to paint the review sheet.
int floodFill4(QImage& image, QPoint seed, QRgb fill);

} // namespace datagen
