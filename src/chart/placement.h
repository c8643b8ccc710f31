#pragma once

#include <QRect>
#include <QSize>

namespace radiane::chart {

// Band at the bottom of the screen, in twips, kept out of the vertical centring
// (room for the task bar).
inline constexpr int kBottomBandTwips = 360;

// Top edge, in twips, for a window of the given outer height on a screen of the
// given height: centred on the screen less the bottom band. Computed in 32-bit
// float; a window taller than the screen less the band gets a negative top.
float activationTop(int screenHeightTwips, int windowHeightTwips);

// The same in logical pixels (15 twips each), rounded to the nearest pixel.
int activationTopPx(int screenHeightPx, int windowHeightPx);

// Where the chart goes on the printed page, from the printable area's top left.
inline constexpr int kPrintLeftTwips = 600;
inline constexpr int kPrintTopTwips = 200;
// The source region handed to the print: the image's width in hundredths of a
// millimetre taken as twips, by 16000 twips. Both exceed any image up to about
// 1066 px high, so the whole picture prints and the rest of the region is blank.
inline constexpr int kPrintSourceHeightTwips = 16000;

// Image pixels are 1/96 inch on paper, as on a standard screen.
inline constexpr int kImageDotsPerInch = 96;

struct PrintPlacement {
    QRect source; // image pixels actually printed
    QRect target; // device pixels, relative to the printable area
};

// The placement of an image on a printer page of the given resolution (dots per
// inch), natural size, top left at (600, 200) twips.
PrintPlacement printPlacement(QSize imagePx, int dpiX, int dpiY);

} // namespace radiane::chart
