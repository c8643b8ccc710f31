#include "chart/placement.h"

#include "common/twips.h"

#include <cmath>

namespace radiane::chart {

float activationTop(int screenHeightTwips, int windowHeightTwips) {
    const float screen = static_cast<float>(screenHeightTwips);
    const float window = static_cast<float>(windowHeightTwips);
    return (screen - static_cast<float>(kBottomBandTwips) - window) / 2.0f;
}

int activationTopPx(int screenHeightPx, int windowHeightPx) {
    const float top = activationTop(twips(screenHeightPx), twips(windowHeightPx));
    return static_cast<int>(std::lround(top / static_cast<float>(kTwipsPerPixel)));
}

namespace {

constexpr int kTwipsPerInch = 1440;

int scaled(double value, double numerator, double denominator) {
    return static_cast<int>(std::lround(value * numerator / denominator));
}

} // namespace

PrintPlacement printPlacement(QSize imagePx, int dpiX, int dpiY) {
    // Width in hundredths of a millimetre (2540 to the inch), read as twips.
    const int sourceWidthTwips = scaled(imagePx.width(), 2540, kImageDotsPerInch);
    const QRect region(0, 0, scaled(sourceWidthTwips, 1, kTwipsPerPixel),
                       scaled(kPrintSourceHeightTwips, 1, kTwipsPerPixel));
    const QRect source = region.intersected(QRect(QPoint(0, 0), imagePx));

    const QRect target(scaled(kPrintLeftTwips, dpiX, kTwipsPerInch),
                       scaled(kPrintTopTwips, dpiY, kTwipsPerInch),
                       scaled(source.width(), dpiX, kImageDotsPerInch),
                       scaled(source.height(), dpiY, kImageDotsPerInch));
    return {source, target};
}

} // namespace radiane::chart
