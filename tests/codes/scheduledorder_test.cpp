#include "codes/codedrill.h"
#include "codes/scheduledorder.h"
#include "practice/attemptrecorder.h"

#include <gtest/gtest.h>

using namespace radiane::codes;
using radiane::drill::DrillKind;
using radiane::practice::MemoryHistory;

namespace {

CodeItem item(const char16_t* character, const char16_t* full) {
    CodeItem i;
    i.character = QString::fromUtf16(character);
    i.fullCode = QString::fromUtf16(full);
    i.radicals = {true, true, false, false};
    return i;
}

// Most frequent first; full codes of two radicals and an identification key.
const CodeSet kSet({item(u"的", u"rqy"), item(u"地", u"fbn"), item(u"有", u"def"),
                    item(u"为", u"yli"), item(u"如", u"vkg"), item(u"经", u"xcg"),
                    item(u"在", u"dhd"), item(u"要", u"svf")});

struct Case {
    const char* name;
    // Showings of earlier runs: a character, then + right, - one wrong key, ~ slow;
    // 1 one wrong key at the one-key level.
    const char16_t* earlier;
    const char16_t* answers; // this run, by showing; + for the rest
    const char16_t* shown;
};

const Case kCases[] = {
    {"new characters enter in frequency order", u"", u"", u"的地有为如经在要的地"},
    {"a miss comes back in the next group", u"", u"-", u"的地有为如的经在要地"},
    {"a miss that ended a group is not shown twice running", u"", u"++++-",
     u"的地有为如经如在要的"},
    {"one wrong key misses the whole character", u"", u"+-", u"的地有为如地经在要的"},
    {"a slow answer waits a group longer than a miss", u"", u"~-", u"的地有为如地经在要的"},
    {"a miss of an earlier run comes first", u"有-", u"", u"有的地为如"},
    {"a miss at another level does not count", u"有1", u"", u"的地有为如"},
    {"characters known from earlier runs wait for their day", u"的+地+的+地+的+地+", u"",
     u"有为如经在"},
};

QString shown(const Case& c) {
    qint64 now = 1'700'000'000'000;
    const auto clock = [&now] { return now; };
    MemoryHistory keys;
    const QString earlier = QString::fromUtf16(c.earlier);
    for (qsizetype i = 0; i + 1 < earlier.size(); i += 2) {
        const auto id = [&](const char16_t* part) {
            const auto level =
                earlier[i + 1] == u'1' ? DrillKind::CodesOneKey : DrillKind::CodesFull;
            return codeKeyId(level, earlier[i], QString::fromUtf16(part));
        };
        if (earlier[i + 1] == u'-' || earlier[i + 1] == u'1')
            keys.add({id(u"1"), now += 500, false, 500});
        keys.add({id(u"1"), now += 500, true, earlier[i + 1] == u'~' ? 2000 : 500});
        keys.add({id(u"2"), now += 500, true, 500});
    }
    radiane::practice::AttemptRecorder recorder(
        keys, clock,
        [](const radiane::drill::JudgedKey& k) { return codeKeyId(k.drill, k.item, k.part); });
    ScheduledOrder order(keys, clock);
    CodeDrill drill(kSet, order);
    drill.setObserver(&recorder);
    drill.start(Level::FullCodes);
    const QString answers = QString::fromUtf16(c.answers);
    const qsizetype count = QString::fromUtf16(c.shown).size();
    QString out;
    for (int k = 0; k < count; ++k) {
        out += drill.view().character;
        const QChar answer = k < answers.size() ? answers[k] : u'+';
        now += answer == u'~' ? 2000 : 500;
        if (answer == u'-')
            drill.type(u'z');
        while (drill.view().charactersDone == k) {
            drill.type(drill.view().expected);
            now += 500;
        }
    }
    return out;
}

class Histories : public testing::TestWithParam<Case> {};

TEST_P(Histories, BringTheExpectedCharacters) {
    EXPECT_EQ(shown(GetParam()).toStdString(), QString::fromUtf16(GetParam().shown).toStdString());
}

INSTANTIATE_TEST_SUITE_P(ScheduledOrder, Histories, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

} // namespace
