#include "chart/chartpage.h"
#include "chart/placement.h"
#include "common/fatalerror.h"
#include "support/tempprogramfolder.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>
#include <sys/stat.h>

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
    for (const Case& c : cases)
        EXPECT_EQ(activationTop(c.screen, c.window), c.top) << c.name;
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

TEST(ChartImage, MissingOrBrokenFileEndsWithAMessage) {
    enum Change { Remove, Pipe, Garbage };
    const struct {
        const char* name;
        Change change;
        const char* reason;
    } cases[] = {
        {"missing", Remove, "找不到字根表图片"},
        {"a pipe, never read", Pipe, "这不是一个普通文件"},
        {"not a picture", Garbage, "图片无法读取"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempProgramFolder folder;
        const QString chart = folder.file(QStringLiteral("chart.png"));
        if (c.change == Pipe) {
            ASSERT_EQ(mkfifo(QFile::encodeName(chart).constData(), 0600), 0);
        }
        if (c.change == Garbage)
            folder.write(QStringLiteral("chart.png"), "not a picture");
        try {
            loadChartImage(folder.folder());
            ADD_FAILURE() << "no error";
        } catch (const FatalError& e) {
            EXPECT_EQ(e.file(), chart);
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.reason))) << e.what();
        }
    }
}
