#include "common/picturescale.h"

#include <gtest/gtest.h>

using namespace radiane;

TEST(PictureScale, TwiceTheResolutionAboveRatioOne) {
    const struct {
        double ratio;
        int scale;
    } cases[] = {{1.0, 1}, {1.25, 2}, {1.5, 2}, {1.75, 2}, {2.0, 2}, {3.0, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(pictureScale(c.ratio), c.scale) << c.ratio;
}

TEST(PictureScale, ScaledNames) {
    const struct {
        const char* name;
        int scale;
        const char* file;
    } cases[] = {
        {"bmp/a01.bmp", 1, "bmp/a01.bmp"},
        {"bmp/a01.bmp", 2, "bmp/a01@2x.png"},
        {"keyboard.png", 2, "keyboard@2x.png"},
        {"bmp.d/x", 2, "bmp.d/x@2x.png"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scaledPictureName(QString::fromUtf8(c.name), c.scale), QString::fromUtf8(c.file));
}

// A picture of another ratio is scaled to the device pixels of its logical size.
TEST(PictureScale, ShownAtTheWindowsRatio) {
    QImage picture(224, 226, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setDevicePixelRatio(2);
    const struct {
        double ratio;
        QSize size;
    } cases[] = {{2.0, {224, 226}}, {1.5, {168, 170}}, {1.25, {140, 141}}, {3.0, {336, 339}}};
    for (const auto& c : cases) {
        const QImage shown = pictureForRatio(picture, c.ratio);
        EXPECT_EQ(shown.size(), c.size) << c.ratio;
        EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), c.ratio);
    }
    // A palette picture (the chart) is scaled in full colour, not dithered to its palette.
    QImage stripes(224, 226, QImage::Format_Indexed8);
    stripes.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < stripes.height(); ++y)
        for (int x = 0; x < stripes.width(); ++x)
            stripes.setPixel(x, y, uint(x % 2));
    stripes.setDevicePixelRatio(2);
    const QImage shown = pictureForRatio(stripes, 1.5);
    const int grey = qRed(shown.pixel(51, 60));
    EXPECT_TRUE(grey > 40 && grey < 215) << grey;
}
