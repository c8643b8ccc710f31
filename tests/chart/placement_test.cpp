#include "chart/chartpage.h"
#include "chart/placement.h"
#include "common/fatalerror.h"
#include "support/tempprogramfolder.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <gtest/gtest.h>

using namespace radiane;
using namespace radiane::chart;

TEST(ActivationTop, CentresOnTheScreenLessTheBottomBand) {
    struct Case {
        const char* name;
        int screen, window;
        float top;
    };
    const Case cases[] = {
        {"768 px screen, chart window", 11520, 8610, 1275.0f},
        {"1080 px screen, chart window", 16200, 8610, 3615.0f},
        {"odd difference gives a half twip", 9001, 8160, 240.5f},
        {"window 360 twips shorter than the screen", 9000, 8640, 0.0f},
        {"window as tall as the screen", 9000, 9000, -180.0f},
        {"empty window", 9000, 0, 4320.0f},
    };
    for (const Case& c : cases) {
        const float top = activationTop(c.screen, c.window);
        EXPECT_EQ(top, c.top) << c.name;
        // The band above is 360 twips narrower than the band below.
        EXPECT_EQ(c.screen - (top + c.window) - top, 360.0f) << c.name;
    }
}

TEST(ActivationTop, IsComputedInSinglePrecision) {
    // 2^24 + 1 twips is not a float: the sum rounds the way a 32-bit float does.
    const int screen = (1 << 24) + 1;
    const float expected = (static_cast<float>(screen) - 360.0f - 0.0f) / 2.0f;
    EXPECT_EQ(activationTop(screen, 0), expected);
    EXPECT_NE(static_cast<double>(activationTop(screen, 0)), (screen - 360.0) / 2.0);
}

TEST(ActivationTop, InPixelsRoundsToTheNearestPixel) {
    EXPECT_EQ(activationTopPx(768, 574), 85);  // 1275 twips
    EXPECT_EQ(activationTopPx(600, 576), 0);   // exactly 360 twips shorter
    EXPECT_EQ(activationTopPx(600, 545), 16);  // 232.5 twips = 15.5 px, rounded up
    EXPECT_EQ(activationTopPx(600, 700), -62); // taller than the screen
}

TEST(PrintPlacement, NaturalSizeAtTheOffsetOfTheFirstPrintableDot) {
    struct Case {
        int dpi;
        QRect target;
    };
    // 600 twips = 5/12 inch, 200 twips = 5/36 inch; 651 x 523 px at 96 per inch.
    const Case cases[] = {
        {96, QRect(40, 13, 651, 523)},
        {300, QRect(125, 42, 2034, 1634)},
        {600, QRect(250, 83, 4069, 3269)},
        {1200, QRect(500, 167, 8138, 6538)},
    };
    for (const Case& c : cases) {
        const PrintPlacement placement = printPlacement(QSize(651, 523), c.dpi, c.dpi);
        EXPECT_EQ(placement.source, QRect(0, 0, 651, 523)) << c.dpi;
        EXPECT_EQ(placement.target, c.target) << c.dpi;
    }
}

TEST(PrintPlacement, SourceRegionCutsOnlyImagesBeyondIt) {
    // The region is 17224 by 16000 twips for a 651 px wide image: 1148 x 1067 px.
    EXPECT_EQ(printPlacement(QSize(651, 1200), 96, 96).source, QRect(0, 0, 651, 1067));
    // Its width follows the image (hundredths of a millimetre read as twips).
    EXPECT_EQ(printPlacement(QSize(2000, 100), 96, 96).source, QRect(0, 0, 2000, 100));
    EXPECT_EQ(printPlacement(QSize(651, 1200), 96, 96).target.size(), QSize(651, 1067));
}

TEST(ChartImage, LoadsFromTheProgramFolder) {
    test::TempProgramFolder folder;
    QImage image(651, 523, QImage::Format_Indexed8);
    image.setColorCount(16);
    for (int i = 0; i < 16; ++i)
        image.setColor(i, qRgb(i * 16, 255 - i * 16, 128));
    image.fill(3);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "PNG"));
    folder.write(QStringLiteral("chart.png"), png);

    const QImage loaded = loadChartImage(folder.folder());
    EXPECT_EQ(loaded.size(), QSize(651, 523));
    EXPECT_EQ(loaded.pixel(10, 10), qRgb(48, 207, 128));
}

TEST(ChartImage, MissingOrBrokenFileEndsWithAMessage) {
    test::TempProgramFolder folder;
    try {
        loadChartImage(folder.folder());
        FAIL() << "no error for a missing chart";
    } catch (const FatalError& e) {
        EXPECT_TRUE(e.file().endsWith(QStringLiteral("/chart.png")));
        EXPECT_TRUE(e.message().contains(QStringLiteral("找不到"))) << e.what();
    }
    folder.write(QStringLiteral("chart.png"), "not a picture");
    EXPECT_THROW(loadChartImage(folder.folder()), FatalError);
}

TEST(ChartImage, ShippedChartHasTheWindowSize) {
    const ProgramFolder built(test::builtProgramDir());
    if (!QFileInfo::exists(built.file(QStringLiteral("chart.png"))))
        GTEST_SKIP() << "no chart.png in the built program folder yet";
    // The picture box is laid out for exactly this size (plus its 2 px edge).
    EXPECT_EQ(loadChartImage(built).size(), QSize(651, 523));
}
