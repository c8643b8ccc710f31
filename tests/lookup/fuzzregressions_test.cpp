// Inputs the fuzz targets found, kept so the faults stay mended.
#include "lookup/floodfill.h"
#include "lookup/seeds.h"

#include <QBuffer>
#include <QImageReader>
#include <gtest/gtest.h>

using namespace radiane::lookup;

namespace {

struct CoordinateCase {
    const char* name;
    QString text;
    int expected;
};

class LongNumberTest : public testing::TestWithParam<CoordinateCase> {};

// Numbers too long for a double used to read as 0 instead of clamping.
TEST_P(LongNumberTest, ClampsOrReadsAsTheNumber) {
    EXPECT_EQ(readCoordinate(GetParam().text), GetParam().expected);
}

QString digits(qsizetype count, char16_t digit) {
    return QString(count, QChar(digit));
}

INSTANTIATE_TEST_SUITE_P(
    Fuzz, LongNumberTest,
    testing::Values(
        // The input found: 363 digits.
        CoordinateCase{"FoundByFuzzer",
                       digits(34, u'1') + u'5' + digits(65, u'1') + u'5' + digits(262, u'1'),
                       32767},
        CoordinateCase{"HugeNegative", u'-' + digits(400, u'9'), -32768},
        CoordinateCase{"HugeWithPoint", digits(320, u'7') + QStringLiteral(".5"), 32767},
        CoordinateCase{"TinyFraction", QStringLiteral("0.") + digits(400, u'0') + u'1', 0},
        CoordinateCase{"ManyLeadingZeros", digits(400, u'0') + QStringLiteral("12"), 12},
        CoordinateCase{"ZerosWithPoint", digits(400, u'0') + u'.' + digits(400, u'0'), 0}),
    [](const auto& info) { return std::string(info.param.name); });

// 32-bit pixels whose unused top byte is not 0xff: pixel() reads them as
// opaque, the fill compared them raw, so nothing was painted.
TEST(FloodFillFuzz, FillsRgb32PixelsWhateverTheirTopByte) {
    QImage image(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            reinterpret_cast<QRgb*>(image.scanLine(y))[x] = x == 2 ? 0x00000000u : 0x00ffffffu;
    PictureSurface surface{image};
    EXPECT_EQ(FloodFillAt(surface, 0, 0, qRgb(255, 0, 0)), 6); // columns 0 and 1
    EXPECT_EQ(surface.image.pixel(1, 2), qRgb(255, 0, 0));
    EXPECT_EQ(surface.image.pixel(2, 0) & 0x00ffffffu, 0u);
    EXPECT_EQ(surface.image.pixel(3, 0) & 0x00ffffffu, 0x00ffffffu);
}

// The input found: a 24-bit bitmap 45828 x 4 with only 48 bytes of pixels,
// which the reader leaves unset; a fill from the top corner must paint at
// least the pixel under it.
TEST(FloodFillFuzz, FillsAShortBitmap) {
    static const unsigned char kBitmap[] = {
        0x42, 0x4d, 0x66, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x36, 0x00, 0x00, 0x00, 0x28,
        0x00, 0x00, 0x00, 0x04, 0xb3, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x01, 0x00, 0x18, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x30, 0x00, 0x00, 0x00, 0x13, 0x0b, 0x00, 0x00, 0x13, 0x0b, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0xff, 0xff,
        0xff, 0xff, 0xff, 0x00, 0x00, 0x00, 0xff, 0xff, 0xff, 0x00, 0x00, 0x00, 0xff, 0xff, 0xff,
        0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x00, 0x00, 0x00, 0xff, 0xff, 0xff,
        0x00, 0x00, 0x00, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x00, 0x00, 0x00};
    QByteArray bytes(reinterpret_cast<const char*>(kBitmap), sizeof kBitmap);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "BMP");
    PictureSurface surface{reader.read()};
    ASSERT_FALSE(surface.image.isNull());
    ASSERT_EQ(surface.image.size(), QSize(45828, 4));
    const bool alreadyRed = surface.image.pixel(0, 0) == qRgb(255, 0, 0);
    const int painted = FloodFillAt(surface, 0, 0, qRgb(255, 0, 0));
    EXPECT_EQ(surface.image.pixel(0, 0), qRgb(255, 0, 0));
    if (!alreadyRed) {
        EXPECT_GT(painted, 0);
    }
}

} // namespace
