#include "progress/statistics.h"

#include <QDateTime>
#include <gtest/gtest.h>

using namespace radiane::progress;
using radiane::drill::DrillKind;

namespace {

const auto byName = [](const auto& p) { return std::string(p.param.name); };

constexpr qint64 kDay1 = 1'765'180'800'000; // a moment; days below are whole days later
constexpr qint64 kDayMs = 24 * 3600 * 1000;

// "g>g 800" : expected g, typed g, 800 ms; "n>b" wrong. Item: its picture name.
struct Key {
    const char* item;
    const char* keys;
    int answerMs;
    int day = 0;
    DrillKind drill = DrillKind::SingleRadicals;
};

std::vector<KeyRecord> records(const std::vector<Key>& keys) {
    std::vector<KeyRecord> out;
    for (const Key& k : keys) {
        KeyRecord r;
        r.when = kDay1 + k.day * kDayMs;
        r.drill = k.drill;
        r.item = QString::fromUtf8(k.item);
        r.expected = QLatin1Char(k.keys[0]);
        r.typed = QLatin1Char(k.keys[2]);
        r.right = r.expected == r.typed;
        r.answerMs = k.answerMs;
        out.push_back(r);
    }
    return out;
}

// Everything the window shows, in one line, so each case is one check.
std::string describe(const std::vector<KeyRecord>& keys, std::optional<DrillKind> only) {
    const SessionFigures s = sessionFigures(keys);
    const ProgressSummary p = summarize(totalsOf(keys), only);
    QString text = QStringLiteral("session %1/%2 %3/min median %4")
                       .arg(s.right)
                       .arg(s.keys)
                       .arg(s.keysPerMinute, 0, 'f', 1)
                       .arg(s.medianAnswerMs);
    text += QStringLiteral(" | keys");
    for (const KeyFigures& k : p.perKey) {
        if (k.count)
            text += QStringLiteral(" %1 %2/%3 %4ms")
                        .arg(k.key)
                        .arg(k.right)
                        .arg(k.count)
                        .arg(k.meanAnswerMs);
    }
    text += QStringLiteral(" | weak");
    for (const ItemFigures& i : p.weakest) {
        text += QStringLiteral(" %1 %2/%3").arg(i.item).arg(i.right).arg(i.count);
        for (const Confusion& c : i.confusions)
            text += QStringLiteral(" %1x%2").arg(c.typed).arg(c.count);
    }
    text += QStringLiteral(" | days");
    for (const DayFigures& d : p.days)
        text += QStringLiteral(" +%1 %2/%3 %4/min")
                    .arg(QDateTime::fromMSecsSinceEpoch(kDay1).date().daysTo(d.day))
                    .arg(d.right)
                    .arg(d.keys)
                    .arg(d.keysPerMinute, 0, 'f', 1);
    return text.toStdString();
}

struct StatisticsCase {
    const char* name;
    std::vector<Key> keys;
    std::optional<DrillKind> only;
    const char* expected;
};

class StatisticsTest : public testing::TestWithParam<StatisticsCase> {};

} // namespace

TEST_P(StatisticsTest, Figures) {
    EXPECT_EQ(describe(records(GetParam().keys), GetParam().only), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StatisticsTest,
    testing::Values(
        StatisticsCase{
            "NothingYet", {}, std::nullopt, "session 0/0 0.0/min median 0 | keys | weak | days"},
        StatisticsCase{
            "OneRightKey",
            {{"g01", "g>g", 1500}},
            std::nullopt,
            "session 1/1 40.0/min median 1500 | keys g 1/1 1500ms | weak | days +0 1/1 40.0/min"},
        // Only right keys end a slot's time; the wrong key before one is part of it.
        StatisticsCase{"WrongThenRightOnOneSlot",
                       {{"n03", "n>b", 400}, {"n03", "n>n", 1000}, {"g01", "g>g", 500}},
                       std::nullopt,
                       "session 2/3 80.0/min median 500 | keys g 1/1 500ms n 1/2 1000ms"
                       " | weak n03 1/2 bx1 | days +0 2/3 80.0/min"},
        StatisticsCase{"SlotLeftUnansweredHasNoSpeed",
                       {{"n03", "n>b", 700}},
                       std::nullopt,
                       "session 0/1 0.0/min median 700 | keys n 0/1 0ms | weak n03 0/1 bx1"
                       " | days +0 0/1 0.0/min"},
        StatisticsCase{
            "EvenCountTakesTheMeanOfTheMiddleTwo",
            {{"g01", "g>g", 100}, {"g01", "g>g", 300}, {"g01", "g>g", 900}, {"g01", "g>g", 200}},
            std::nullopt,
            "session 4/4 160.0/min median 250 | keys g 4/4 375ms | weak | days +0 4/4 160.0/min"},
        // 己 on N typed as B three times and as M once; 五 typed as 王's G once.
        StatisticsCase{"WeakestFirstWithTheKeysTypedInstead",
                       {{"己", "n>b", 1},
                        {"己", "n>b", 1},
                        {"己", "n>m", 1},
                        {"己", "n>b", 1},
                        {"己", "n>n", 1},
                        {"五", "g>g", 1},
                        {"五", "g>x", 1}},
                       std::nullopt,
                       "session 2/7 60000.0/min median 1 | keys g 1/2 1ms n 1/5 1ms"
                       " | weak 己 1/5 bx3 mx1 五 1/2 xx1 | days +0 2/7 60000.0/min"},
        StatisticsCase{"ByDayOldestFirst",
                       {{"g01", "g>g", 2000, 3}, {"g01", "g>f", 1000, 0}, {"g01", "g>g", 3000, 0}},
                       std::nullopt,
                       "session 2/3 24.0/min median 2000 | keys g 2/3 2500ms | weak g01 2/3 fx1"
                       " | days +0 1/2 20.0/min +3 1/1 30.0/min"},
        StatisticsCase{
            "OneDrillKindOnly",
            {{"g01", "g>f", 1000, 0, DrillKind::SingleRadicals},
             {"五", "g>g", 1000, 0, DrillKind::Practice}},
            DrillKind::Practice,
            "session 1/2 60.0/min median 1000 | keys g 1/1 1000ms | weak | days +0 1/1 60.0/min"},
        StatisticsCase{"KeysOutsideAToYCountButColourNoKey",
                       {{"z", "z>z", 1000, 0, DrillKind::Codes}},
                       std::nullopt,
                       "session 1/1 60.0/min median 1000 | keys | weak | days +0 1/1 60.0/min"}),
    byName);

// Each drill kind's figures over all days, and a code drill's character as one
// item however many keys of its code were missed.
TEST(Statistics, CodeDrillLevelsAndCharacters) {
    std::vector<KeyRecord> keys = records({{"的", "r>r", 500, 0, DrillKind::CodesFull},
                                           {"的", "q>w", 700, 0, DrillKind::CodesFull},
                                           {"的", "q>q", 1000, 0, DrillKind::CodesFull},
                                           {"的", "y>u", 300, 1, DrillKind::CodesFull},
                                           {"的", "y>y", 500, 1, DrillKind::CodesFull},
                                           {"地", "f>f", 1000, 1, DrillKind::CodesOneKey}});
    keys[1].part = keys[2].part = QStringLiteral("2");
    const ProgressSummary p = summarize(totalsOf(keys), std::nullopt);
    QString text;
    for (const DrillFigures& d : p.drills)
        text += QStringLiteral("%1 %2/%3 %4/min; ")
                    .arg(drillKindName(d.drill), QString::number(d.right), QString::number(d.keys))
                    .arg(d.keysPerMinute, 0, 'f', 1);
    for (const ItemFigures& i : p.weakest)
        text += QStringLiteral("%1%2 %3/%4").arg(i.item, i.part).arg(i.right).arg(i.count);
    EXPECT_EQ(text.toStdString(), "codes-one-key 1/1 60.0/min; codes-full 3/5 90.0/min; 的 3/5");
}
