#include "progress/keyrecorder.h"

#include <gtest/gtest.h>

using namespace radiane::progress;
using radiane::drill::DrillKind;
using radiane::drill::JudgedKey;

namespace {

const auto byName = [](const auto& p) { return std::string(p.param.name); };

class Keys final : public KeySink {
public:
    QString log;
    void keyRecorded(const KeyRecord& key) override {
        log += QStringLiteral("%1%2@%3+%4 ")
                   .arg(key.typed)
                   .arg(key.right ? "" : "!")
                   .arg(key.when)
                   .arg(key.answerMs);
    }
    void groupFinished() override { log += QStringLiteral("| "); }
};

// Steps: "s" drill started, "g" right key g, "x" wrong key, "|" group
// finished; digits before a step advance the clock by that many ms.
struct RecorderCase {
    const char* name;
    const char* steps;
    const char* expected;
};

class KeyRecorderTest : public testing::TestWithParam<RecorderCase> {};

} // namespace

TEST_P(KeyRecorderTest, AnswerTimesRunFromTheSlotBecomingCurrent) {
    qint64 now = 1000;
    Keys sink;
    KeyRecorder recorder([&] { return now; }, sink);
    int wait = 0;
    for (const char step : std::string(GetParam().steps)) {
        if (step >= '0' && step <= '9') {
            wait = wait * 10 + (step - '0');
            continue;
        }
        now += wait;
        wait = 0;
        if (step == 's')
            recorder.drillStarted(DrillKind::SingleRadicals);
        else if (step == '|')
            recorder.groupFinished();
        else if (step == '<')
            now -= 5000; // the clock set back
        else
            recorder.keyJudged(JudgedKey{DrillKind::SingleRadicals,
                                         QStringLiteral("g01"),
                                         {},
                                         u'g',
                                         QLatin1Char(step),
                                         step == 'g'});
    }
    EXPECT_EQ(sink.log.trimmed().toStdString(), GetParam().expected);
    EXPECT_EQ(recorder.session().size(), size_t(sink.log.count(u'@')));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyRecorderTest,
    testing::Values(RecorderCase{"FromTheDrillStart", "50s300g", "g@1350+300"},
                    RecorderCase{"WrongKeysKeepTheSlotsStart", "s100x200x300g",
                                 "x!@1100+100 x!@1300+300 g@1600+600"},
                    RecorderCase{"NextSlotFromTheRightKey", "s100g250g", "g@1100+100 g@1350+250"},
                    RecorderCase{"ARestartResetsTheSlot", "s100x900s40g", "x!@1100+100 g@2040+40"},
                    RecorderCase{"GroupsArePassedOn", "s10g|", "g@1010+10 |"},
                    RecorderCase{"AClockSetBackIsNoTime", "s100<g", "g@-3900+0"}),
    byName);
