// Hand-made splits against the stroke data: every row of the table fits, and named wrong splits of
// the same characters are refused.
#include "handsplits.h"
#include "radicalshapes.h"
#include "support/tempprogramfolder.h"

#include <gtest/gtest.h>

using namespace datagen;

namespace {

struct Case {
    const char* name;
    const char* character;
    const char* code;
    int radicalCount;
    const char* parts;
    bool fits;
};

const Case kCases[] = {
    {"我: 丿 扌 乙 丿, the dot of 戈 not coded", "我", "trnt", 5, "1|2-4|5|6", true},
    {"我: four radicals leave no stroke out", "我", "trnt", 4, "1|2-4|5|6", false},
    {"成: 厂 cut to its 横", "成", "dnnt", 5, "1|2-3|4|5", false},
    {"越: the 横 of 戉 alone as 七", "越", "fhat", 6, "1-3|4-7|8|11", false},
    {"城: one stroke in two parts", "城", "fdnt", 6, "1-3|3-5|6|8", false},
    {"跳: the dots of 兆, then 儿", "跳", "khiq", 4, "1-3|4-7|9,10,12,13|8,11", true},
    {"跳: 儿 and the dots swapped", "跳", "khiq", 4, "1-3|4-7|8,11|9,10,12,13", false},
    {"龙: 𠂇 and the rest as one 匕", "龙", "dxv", 2, "1-2|3-5", true},
    {"官: 丨 and the first コ swapped", "官", "pnhn", 4, "1-3|4|5-6|7-8", false},
};

class HandSplitTest : public ::testing::TestWithParam<Case> {
protected:
    static void SetUpTestSuite() {
        QString folder = qEnvironmentVariable("RADIANE_STROKES");
        if (folder.isEmpty())
            folder = radiane::test::sourceDir() +
                     QStringLiteral("/tools/datagen/node_modules/hanzi-writer-data");
        strokes_ = new StrokeData(folder);
        if (strokes_->isValid())
            segmenter_ = new Segmenter(
                handSplitShapes(loadRadicalTable(radiane::test::sourceDir() +
                                                 QStringLiteral("/tools/datagen/radicals.tsv")),
                                *strokes_));
    }
    static void TearDownTestSuite() {
        delete segmenter_;
        delete strokes_;
        segmenter_ = nullptr;
    }
    static StrokeData* strokes_;
    static Segmenter* segmenter_;
};
StrokeData* HandSplitTest::strokes_ = nullptr;
Segmenter* HandSplitTest::segmenter_ = nullptr;

TEST_P(HandSplitTest, FitsOrIsRefused) {
    if (!segmenter_)
        GTEST_SKIP() << "no stroke data (run npm ci in tools/datagen)";
    const Case& c = GetParam();
    const auto chars = strokes_->load(QString::fromUtf8(c.character));
    ASSERT_TRUE(chars);
    EXPECT_EQ(segmenter_->checkExplicit(*chars, QString::fromLatin1(c.code),
                                        parseHandParts(QString::fromLatin1(c.parts)),
                                        c.radicalCount),
              c.fits)
        << c.name;
}

INSTANTIATE_TEST_SUITE_P(Splits, HandSplitTest, ::testing::ValuesIn(kCases));

// A row that does not fit is dropped without a word by the generator: none may.
TEST_F(HandSplitTest, EveryRowFits) {
    if (!segmenter_)
        GTEST_SKIP() << "no stroke data (run npm ci in tools/datagen)";
    for (const QString& c : handSplitCharacters()) {
        const HandSplit h = *handSplit(c);
        const auto chars = strokes_->load(c);
        if (h.parts.isEmpty()) // refused by hand
            continue;
        EXPECT_TRUE(chars && segmenter_->checkExplicit(*chars, h.code, h.parts, h.radicalCount))
            << c.toStdString();
    }
}

} // namespace
