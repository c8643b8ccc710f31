#include "lookup/floodfill.h"

#include "support/tempprogramfolder.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <deque>
#include <random>

using namespace radiane::lookup;
using radiane::test::TempProgramFolder;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kNearGrey = qRgb(128, 128, 129);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);

// Twips of the centre of pixel (x, y) in a 96-dpi picture.
int tw(int pixel) {
    return pixel * 15 + 7;
}

// A slot-sized picture (1680 x 1695 twips) saved as a bitmap and loaded back, as
// the program loads its pictures: white, a grey bar on the left, a slightly
// different grey bar touching it on the right.
QImage slotPicture(const TempProgramFolder& folder) {
    QImage image(112, 113, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter painter(&image);
    painter.fillRect(QRect(20, 10, 30, 90), QColor::fromRgb(kGrey));
    painter.fillRect(QRect(50, 10, 30, 90), QColor::fromRgb(kNearGrey));
    painter.end();
    const QString path = folder.file("bmp/x.bmp");
    folder.write("bmp/x.bmp", {});
    EXPECT_TRUE(image.save(path, "BMP"));
    QImage loaded(path);
    EXPECT_FALSE(loaded.isNull());
    return loaded;
}

int countColour(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return n;
}

// Plain breadth-first fill, to check the scanline fill against.
QImage referenceFill(QImage image, QPoint start, QRgb paint) {
    const QRgb under = image.pixel(start);
    if (under == paint)
        return image;
    std::deque<QPoint> queue{start};
    image.setPixel(start, paint);
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + d;
            if (image.rect().contains(q) && image.pixel(q) == under) {
                image.setPixel(q, paint);
                queue.push_back(q);
            }
        }
    }
    return image;
}

} // namespace

TEST(FloodFill, PointOutsideThePicturePaintsNothing) {
    TempProgramFolder folder;
    const QImage original = slotPicture(folder);
    for (const QPoint twips : {QPoint(-8, 100), QPoint(100, -8), QPoint(1680, 100),
                               QPoint(100, 1695), QPoint(40000, 40000)}) {
        PictureSurface surface{original};
        EXPECT_EQ(FloodFillAt(surface, twips.x(), twips.y(), kBlack), 0);
        EXPECT_EQ(surface.image, original);
    }
    PictureSurface empty;
    EXPECT_EQ(FloodFillAt(empty, 0, 0, kBlack), 0);
}

TEST(FloodFill, TwipsRoundToTheNearestPixel) {
    QImage image(112, 113, QImage::Format_RGB32);
    EXPECT_EQ(twipsToPicturePixel(image, 7, 8), QPoint(0, 1));
    EXPECT_EQ(twipsToPicturePixel(image, 40, 120), QPoint(3, 8));
    EXPECT_EQ(twipsToPicturePixel(image, 1672, 1687), QPoint(111, 112));
    EXPECT_EQ(twipsToPicturePixel(image, -7, -8), QPoint(0, -1));
    image.setDevicePixelRatio(1.5);
    // 25 twips = 2.5 device pixels -> 2, 35 -> 3.5 -> 4: halves go to even.
    EXPECT_EQ(twipsToPicturePixel(image, 25, 35), QPoint(2, 4));
}

TEST(FloodFill, HighResolutionPictureScales) {
    // The same slot picture drawn at twice the resolution.
    QImage image(224, 226, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter painter(&image);
    painter.fillRect(QRect(40, 20, 60, 180), QColor::fromRgb(kGrey));
    painter.end();
    image.setDevicePixelRatio(2);
    PictureSurface surface{image};
    // (20, 20) logical pixels is (40, 40) on the picture: inside the bar's
    // top-left corner. At 1:1 it would be (20, 20), white background.
    FloodFillAt(surface, 20 * 15, 20 * 15, kBlack);
    EXPECT_EQ(countColour(surface.image, kBlack), 60 * 180);
    EXPECT_EQ(surface.image.devicePixelRatio(), 2.0);
}

TEST(FloodFill, BorderFillStopsAtTheBorderColourOnly) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter painter(&image);
    painter.setPen(QColor::fromRgb(kRed));
    painter.drawRect(QRect(5, 5, 20, 20)); // border from 5 to 25
    painter.fillRect(QRect(8, 8, 5, 5), QColor::fromRgb(kGrey));
    painter.fillRect(QRect(14, 14, 5, 5), QColor::fromRgb(kNearGrey));
    painter.end();
    PictureSurface surface{image};

    const int painted = FloodFillAt(surface, tw(10), tw(10), kBlack, kRed);
    EXPECT_EQ(painted, 19 * 19);
    EXPECT_EQ(countColour(surface.image, kBlack), 19 * 19);
    EXPECT_EQ(countColour(surface.image, kRed), 4 * 20);
    EXPECT_EQ(surface.image.pixel(30, 30), kWhite);

    // Starting on the border paints nothing; a fill colour equal to what is
    // inside still ends.
    PictureSurface again{image};
    EXPECT_EQ(FloodFillAt(again, tw(5), tw(5), kBlack, kRed), 0);
    EXPECT_EQ(FloodFillAt(again, tw(10), tw(10), kWhite, kRed), 19 * 19);
}

TEST(FloodFill, FillSettingsAreRestored) {
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(kWhite);
    PictureSurface surface{image, FillStyle::Transparent, kRed};
    FloodFillAt(surface, tw(1), tw(1), kBlack);
    EXPECT_EQ(surface.fillStyle, FillStyle::Transparent);
    EXPECT_EQ(surface.fillColor, kRed);
    // It painted with the given colour, not the surface's own.
    EXPECT_EQ(countColour(surface.image, kBlack), 100);
}

// Only the region of exactly the colour under the point: the slightly different
// grey bar beside it stays.
TEST(FloodFill, BitmapsOfAnyDepthTakeAnyColour) {
    TempProgramFolder folder;
    const QImage source = slotPicture(folder);
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_Indexed8, QImage::Format_RGB888}) {
        const QString path = folder.file("bmp/p.bmp");
        ASSERT_TRUE(source.convertToFormat(format).save(path, "BMP"));
        PictureSurface surface{QImage(path)};
        FloodFillAt(surface, tw(30), tw(50), kRed);
        EXPECT_EQ(countColour(surface.image, kRed), 30 * 90) << format;
    }
    QImage mono(16, 16, QImage::Format_Mono);
    mono.fill(0);
    PictureSurface surface{mono};
    FloodFillAt(surface, tw(3), tw(3), kRed);
    EXPECT_EQ(countColour(surface.image, kRed), 256);
}

TEST(FloodFill, MatchesAPlainFillOnRandomPictures) {
    std::mt19937 random(20240611);
    const QRgb colours[] = {kWhite, kGrey, kNearGrey};
    for (int round = 0; round < 200; ++round) {
        QImage image(23, 17, QImage::Format_RGB32);
        std::uniform_int_distribution<int> pick(0, round % 2 == 0 ? 1 : 2);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, colours[pick(random)]);
        const QPoint start(random() % 23, random() % 17);
        const QRgb paint = round % 5 == 0 ? kGrey : kBlack;

        PictureSurface surface{image};
        FloodFillAt(surface, tw(start.x()), tw(start.y()), paint);
        ASSERT_EQ(surface.image, referenceFill(image, start, paint)) << "round " << round;
    }
}
