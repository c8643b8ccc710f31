#include "codes/codedrill.h"
#include "codes/scheduledorder.h"
#include "practice/attemptrecorder.h"

#include <gtest/gtest.h>

using namespace radiane::codes;
using radiane::drill::DrillKind;

namespace {

// Most frequent first; full codes of two radicals and an identification key.
const CodeSet kSet([] {
    std::vector<CodeItem> items;
    for (const QString& c :
         QStringLiteral("的rqy 地fbn 有def 为yli 如vkg 经xcg 在dhd 要svf").split(u' '))
        items.push_back({c.left(1), c.mid(1), {}, {true, true, false, false}, {}, false});
    return items;
}());

struct Case {
    const char* name;
    const char16_t* earlier; // character, then + right, - a wrong key, 1 the same at one key
    const char16_t* answers; // this run, by showing: + or -; + for the rest
    const char16_t* shown;
};

// The characters shown while the answers are typed through the drill.
QString shown(const Case& c) {
    qint64 now = 1'700'000'000'000;
    const auto clock = [&now] { return now; };
    radiane::practice::MemoryHistory keys;
    const QString earlier = QString::fromUtf16(c.earlier);
    for (qsizetype i = 0; i + 1 < earlier.size(); i += 2) {
        const QChar mark = earlier[i + 1];
        const auto id = [&](const char16_t* part) {
            return codeKeyId(mark == u'1' ? DrillKind::CodesOneKey : DrillKind::CodesFull,
                             earlier[i], QString::fromUtf16(part));
        };
        if (mark == u'-' || mark == u'1')
            keys.add({id(u"1"), now += 500, false, 500});
        keys.add({id(u"1"), now += 500, true, 500});
        keys.add({id(u"2"), now += 500, true, 500});
    }
    radiane::practice::AttemptRecorder recorder(
        keys, clock, [](const auto& k) { return codeKeyId(k.drill, k.item, k.part); });
    ScheduledOrder order(keys, clock);
    CodeDrill drill(kSet, order);
    drill.setObserver(&recorder);
    drill.start(Level::FullCodes);
    const QString answers = QString::fromUtf16(c.answers);
    QString out;
    for (int k = 0; k < QString::fromUtf16(c.shown).size(); ++k) {
        out += drill.view().character;
        const QChar answer = k < answers.size() ? answers[k] : u'+';
        if (answer == u'-')
            drill.type(u'z');
        for (; drill.view().charactersDone == k; now += 500)
            drill.type(drill.view().expected);
    }
    return out;
}

TEST(ScheduledOrder, BringsTheCharactersTheHistoryCallsFor) {
    const Case cases[] = {
        {"new characters enter in frequency order", u"", u"", u"的地有为如经在要的地"},
        {"a miss comes back in the next group", u"", u"-", u"的地有为如的经在要地"},
        {"a miss that ended a group is not shown twice running", u"", u"++++-",
         u"的地有为如经如在要的"},
        {"one wrong key misses the whole character", u"", u"+-", u"的地有为如地经在要的"},
        {"a miss of an earlier run comes first", u"有-", u"", u"有的地为如"},
        {"a miss at another level does not count", u"有1", u"", u"的地有为如"},
        {"characters known from earlier runs wait for their day", u"的+地+的+地+的+地+", u"",
         u"有为如经在"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shown(c).toStdString(), QString::fromUtf16(c.shown).toStdString()) << c.name;
}

} // namespace
