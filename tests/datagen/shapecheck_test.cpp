// The shape checks of splits, on named good and bad splits of the stroke data, and the painting
// of a whole small stroke in its own radical's grey.
#include "charpicture.h"
#include "radicalshapes.h"
#include "shapecheck.h"
#include "support/tempprogramfolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace datagen;

namespace {

QString strokeFolder() {
    const QString env = qEnvironmentVariable("RADIANE_STROKES");
    return env.isEmpty() ? radiane::test::sourceDir() +
                               QStringLiteral("/tools/datagen/node_modules/hanzi-writer-data")
                         : env;
}

// Parts as in the hand-split table: "1-5,7|6|8-10", strokes 1-based.
Split parseSplit(const char* text, int strokeCount) {
    Split s;
    s.strokeCount = strokeCount;
    for (const QString& part : QString::fromLatin1(text).split(u'|')) {
        QList<int> strokes;
        for (const QString& piece : part.split(u',')) {
            const QStringList range = piece.split(u'-');
            for (int k = range[0].toInt(); k <= range.value(1, range[0]).toInt(); ++k)
                strokes.append(k - 1);
        }
        s.explicitParts.append(strokes);
    }
    return s;
}

struct Case {
    const char* name;
    const char* character;
    const char* code;
    const char* parts;
    ShapeCheck failed;
};

const Case kCases[] = {
    {"燕: 一丨 of 廿 as a radical of a", "燕", "auko", "1-2|3-4|5-7|13-16",
     ShapeCheck::StrokeKinds},
    {"恩: 囗 with 一丿㇏ of 大 as l, 心 cut", "恩", "ldnu", "1-5|6-7|8|9-10", ShapeCheck::Geometry},
    {"视: 礻 without its dot, the dot alone", "视", "pymq", "1-3|4|5-6|7-8", ShapeCheck::Passed},
    {"书: 丨 with the 丶 as one radical of h", "书", "nnhy", "1|2|3-4", ShapeCheck::Geometry},
    {"书: 乛 乚 丨 丶", "书", "nnhy", "1|2|3|4", ShapeCheck::Passed},
    {"配: the inner 一 of 酉 as 西's last", "配", "sgnn", "1-6|7|8-10", ShapeCheck::Geometry},
    {"酒: the inner 一 of 酉 as 西's last", "酒", "isgg", "1-3|4-9|10", ShapeCheck::Geometry},
    {"配: 西 closed by the bottom stroke", "配", "sgnn", "1-5,7|6|8-10", ShapeCheck::Passed},
    {"酸: 西 closed by the bottom stroke", "酸", "sgct", "1-5,7|6|8-9|12-14", ShapeCheck::Passed},
    {"年: 丿一一, 丨, 十", "年", "rhfk", "1-3|4|5-6", ShapeCheck::Passed},
    {"国: 囗 王 丶", "国", "lgyi", "1,2,8|3-6|7", ShapeCheck::Passed},
    {"国: 王 cut after two strokes", "国", "lgyi", "1,2,8|3-4|5-7", ShapeCheck::StrokeCount},
};

class ShapeCheckTest : public ::testing::TestWithParam<Case> {
protected:
    static void SetUpTestSuite() {
        strokes_ = new StrokeData(strokeFolder());
        if (!strokes_->isValid())
            return;
        const auto table = loadRadicalTable(radiane::test::sourceDir() +
                                            QStringLiteral("/tools/datagen/radicals.tsv"));
        checker_ = new ShapeChecker(radicalShapes(table, *strokes_), closedUnits(*strokes_));
    }
    static void TearDownTestSuite() {
        delete checker_;
        delete strokes_;
        checker_ = nullptr;
    }
    static StrokeData* strokes_;
    static ShapeChecker* checker_;
};
StrokeData* ShapeCheckTest::strokes_ = nullptr;
ShapeChecker* ShapeCheckTest::checker_ = nullptr;

TEST_P(ShapeCheckTest, FirstFailingCheck) {
    if (!checker_)
        GTEST_SKIP() << "no stroke data (run npm ci in tools/datagen)";
    const Case& c = GetParam();
    const auto chars = strokes_->load(QString::fromUtf8(c.character));
    ASSERT_TRUE(chars);
    const ShapeVerdict v = checker_->checkSplit(*chars, parseSplit(c.parts, chars->count()),
                                                QString::fromLatin1(c.code));
    EXPECT_EQ(shapeCheckName(v.failed), std::string(shapeCheckName(c.failed)))
        << c.name << " (part " << v.part << ", overlap " << v.overlap << ")";
}

INSTANTIATE_TEST_SUITE_P(Splits, ShapeCheckTest, ::testing::ValuesIn(kCases));

// A small stroke touching another radical's stroke is still painted as its own radical.
TEST_F(ShapeCheckTest, WholeSmallStrokeKeepsItsRadicalsGrey) {
    if (!checker_)
        GTEST_SKIP() << "no stroke data (run npm ci in tools/datagen)";
    const auto shu = strokes_->load(QStringLiteral("书"));
    ASSERT_TRUE(shu);
    const auto picture = drawCharacter(*shu, parseSplit("1|2|3|4", shu->count()));
    ASSERT_TRUE(picture);
    ASSERT_FALSE(picture->seeds[3].isEmpty()) << "the 丶 of 书 has no fill point";
    EXPECT_EQ(picture->image.pixelIndex(picture->seeds[3].front()), 4);
}

} // namespace
