// The shape checks of splits, on named good and bad splits of the stroke data, and the painting
// of a whole small stroke in its own radical's grey.
#include "charpicture.h"
#include "handsplits.h"
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
    s.explicitParts = parseHandParts(QString::fromLatin1(text));
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
    {"栗: 覀 over 木 is no 酉", "栗", "ssu", "1-6|7-10", ShapeCheck::Passed},
    {"雷: 雨 as a top, its dots drawn flat", "雷", "flf", "1-8|9-13", ShapeCheck::Passed},
    {"漂: 覀 over 示 is no 酉", "漂", "isfi", "1-3|4-9|10-11|12-14", ShapeCheck::Passed},
    {"酸: 西 closed by the bottom stroke", "酸", "sgct", "1-5,7|6|8-9|12-14", ShapeCheck::Passed},
    {"年: 丿一一, 丨, 十", "年", "rhfk", "1-3|4|5-6", ShapeCheck::Passed},
    {"国: 囗 王 丶", "国", "lgyi", "1,2,8|3-6|7", ShapeCheck::Passed},
    {"国: 王 cut after two strokes", "国", "lgyi", "1,2,8|3-4|5-7", ShapeCheck::StrokeCount},
    {"袖: the dots of 衤, the first read as 折", "袖", "pumg", "1-3|4-5|6-7|10",
     ShapeCheck::Passed},
    {"衬: the dots of 衤, the first read as 折", "衬", "pufy", "1-3|4-5|6-8", ShapeCheck::Passed},
    {"衬: ㇇ and 丨 of 衤 as its dots", "衬", "pufy", "1,4,5|2-3|6-8", ShapeCheck::Geometry},
    {"低: 𠂎 of 氐, its ㇙ read as 折", "低", "wqay", "1-2|3-4|5-6|7", ShapeCheck::Passed},
    {"低: 丿 and 一 of 氐 as 𠂎", "低", "wqay", "1-2|3,5|4,6|7", ShapeCheck::StrokeKinds},
};

class StrokeFixture : public ::testing::Test {
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
StrokeData* StrokeFixture::strokes_ = nullptr;
ShapeChecker* StrokeFixture::checker_ = nullptr;

class ShapeCheckTest : public StrokeFixture, public ::testing::WithParamInterface<Case> {};

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

struct ApartCase {
    const char* name;
    const char* character;
    const char* code;
    const char* parts; // the split chosen, "" for none
};

const ApartCase kApartCases[] = {
    {"国: 囗 closed after 王 丶", "国", "lgyi", "1-2,8|3-6|7"},
    {"区: 匚 closed after 乂", "区", "aqi", "1,4|2-3"},
    {"恩: 囗 closed after 大, then 心", "恩", "ldnu", "1-2,6|3-5|7-10"},
    {"醋: 西 of 酉 closed after its 一", "醋", "sgaj", "1-5,7|6|8-11|12-15"},
    {"优: ナ and its dot round 乚", "优", "wdnn", "1-2|3-4,6|5"},
    {"乘: 禾 round 北", "乘", "tuxv", "1-3,9-10|4-6|7-8"},
    {"城: the dot of 戈 coded before its 丿", "城", "fdnt", "1-3|4-5|6|8"},
    {"票: 西 whole, not taken apart round the 一 of 示; 示's squeezed 二", "票", "sfiu",
     "1-6|7-8|9-11"},
    {"所: 𠂆 is not closed by the 一 of 斤", "所", "rnrh", ""},
    {"芝: a final 之 is known by its 捺, drawn flat", "芝", "apu", "1-3|4-6"},
    {"链: 辶 round 车 only, known by its 捺", "链", "qlpy", "1-5|6-9|10-12"},
    {"边: 力 inside 辶 is known by its 折", "边", "lpv", "1-2|3-5"},
};

class ApartSplitTest : public StrokeFixture, public ::testing::WithParamInterface<ApartCase> {};

TEST_P(ApartSplitTest, ChosenSplit) {
    if (!checker_)
        GTEST_SKIP() << "no stroke data (run npm ci in tools/datagen)";
    const ApartCase& c = GetParam();
    const auto chars = strokes_->load(QString::fromUtf8(c.character));
    ASSERT_TRUE(chars);
    const auto table = loadRadicalTable(radiane::test::sourceDir() +
                                        QStringLiteral("/tools/datagen/radicals.tsv"));
    const Segmenter segmenter(radicalShapes(table, *strokes_));
    const QString code = QString::fromLatin1(c.code);
    const auto split = segmenter.split(*chars, code, [&](const Split& s) {
        return checker_->checkSplit(*chars, s, code).passed();
    });
    QStringList parts;
    for (int part = 1; split && part <= 4; ++part) {
        QStringList ranges;
        const QList<int> strokes = partStrokes(*split, part);
        for (qsizetype i = 0; i < strokes.size();) {
            qsizetype j = i;
            while (j + 1 < strokes.size() && strokes[j + 1] == strokes[j] + 1)
                ++j;
            ranges.append(j == i ? QString::number(strokes[i] + 1)
                                 : QStringLiteral("%1-%2").arg(strokes[i] + 1).arg(strokes[j] + 1));
            i = j + 1;
        }
        if (!ranges.isEmpty())
            parts.append(ranges.join(u','));
    }
    EXPECT_EQ(parts.join(u'|').toStdString(), std::string(c.parts)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Splits, ApartSplitTest, ::testing::ValuesIn(kApartCases));

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
