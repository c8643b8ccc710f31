#include "common/picturescale.h"

#include <gtest/gtest.h>

using namespace radiane;

// A 2x palette picture (the chart) at ratio 1.5: device size, smooth, not dithered to its palette.
TEST(PictureScale, ShownSmoothlyAtAFractionalRatio) {
    QImage stripes(224, 226, QImage::Format_Indexed8);
    stripes.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int x = 0; x < stripes.width(); ++x)
        for (int y = 0; y < stripes.height(); ++y)
            stripes.setPixel(x, y, uint(x % 2));
    stripes.setDevicePixelRatio(2);
    const QImage shown = pictureForRatio(stripes, 1.5);
    EXPECT_EQ(shown.size(), QSize(168, 170));
    EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), 1.5);
    EXPECT_NEAR(qRed(shown.pixel(51, 60)), 128, 90);
}
