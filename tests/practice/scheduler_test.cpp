#include "practice/scheduler.h"

#include "support/tempprogramfolder.h"

#include <QSet>
#include <gtest/gtest.h>
#include <random>

using namespace radiane::practice;

namespace {

constexpr qint64 kDay = 24LL * 60 * 60 * 1000;

ItemPool shippedPool(const QString& keys, Content content) {
    radiane::test::TempProgramFolder folder;
    for (const char* name : {"zg.txt", "zg2.txt", "radicals.tsv"})
        folder.copyFromProgram(QString::fromLatin1(name));
    auto pool = loadPool(folder.folder(), Scope{keys, content});
    if (const QString* problem = std::get_if<QString>(&pool))
        ADD_FAILURE() << problem->toStdString();
    return std::get<ItemPool>(std::move(pool));
}

// A learner drilled group by group: right and fast on every item, except the
// item ids of `misses`, typed wrong first. Each key takes a second.
struct Session {
    ItemPool pool;
    MemoryHistory history;
    qint64 now = 1'800'000'000'000;
    Scheduler scheduler;
    QSet<QString> misses;
    double missRate = 0;
    std::mt19937 rng{7};

    Session(ItemPool p, quint32 seed)
        : pool(p), scheduler(
                       std::move(p), history, [this] { return now; }, seed) {}

    std::vector<QString> group() {
        const radiane::drill::DrillGroup items = scheduler.nextGroup();
        std::vector<QString> ids(scheduler.lastGroup().begin(), scheduler.lastGroup().end());
        for (const QString& id : ids) {
            now += 1000;
            if (misses.contains(id) || std::uniform_real_distribution<>(0, 1)(rng) < missRate) {
                history.add({id, now, false, 1000});
                now += 1000;
                history.add({id, now, true, 2000});
            } else {
                history.add({id, now, true, 800});
            }
        }
        return ids;
    }
};

} // namespace

TEST(Scheduler, MissedItemKeepsComingBackWhileKnownOnesWaitForDays) {
    Session s(shippedPool(QStringLiteral("gfdsa"), Content::Both), 1);
    const QString missed = QStringLiteral("g04"); // 戋
    s.misses.insert(missed);
    const std::vector<QString> first = s.group();
    EXPECT_EQ(QSet<QString>(first.begin(), first.end()),
              (QSet<QString>{"g01", "f01", "d01", "s01", "a01"}));

    QHash<QString, int> goodAnswers; // a right, fast answer each time shown
    int lastMissedGroup = -1;
    QSet<QString> known;
    for (int g = 0; g < 200; ++g) {
        for (const QString& id : g == 0 ? first : s.group()) {
            EXPECT_FALSE(known.contains(id)) << id.toStdString() << " is back in group " << g;
            if (id == missed) {
                if (lastMissedGroup >= 0) {
                    EXPECT_LE(g - lastMissedGroup, 2) << "group " << g;
                }
                lastMissedGroup = g;
            } else if (++goodAnswers[id] == kKnownStreak) {
                known.insert(id);
            }
        }
    }
    EXPECT_GE(lastMissedGroup, 195);
    EXPECT_GT(known.size(), 150);
    s.scheduler.catchUp();
    EXPECT_EQ(s.scheduler.mastery().radicalsKnown + s.scheduler.mastery().charactersKnown,
              known.size());

    // A day later the known items are due again, and come first.
    s.now += kDay + 1;
    for (const QString& id : s.group())
        EXPECT_TRUE(id == missed || known.contains(id)) << id.toStdString();
}

TEST(Scheduler, SameHistoryAndSeedGiveSameGroups) {
    const ItemPool pool = shippedPool(QStringLiteral("hjklm"), Content::Both);
    const auto run = [&](quint32 seed) {
        Session s(pool, seed);
        s.missRate = 0.3;
        std::vector<QString> all;
        for (int g = 0; g < 40; ++g) {
            const std::vector<QString> ids = s.group();
            all.insert(all.end(), ids.begin(), ids.end());
        }
        return all;
    };
    EXPECT_EQ(run(5), run(5));
    EXPECT_NE(run(5), run(6));
}

struct RowCase {
    const char* name;
    const char* keys;
    Content content;
    bool itemsCanDiffer; // the pool holds five items or more
    bool keysCanDiffer;  // the scope holds two keys or more
};

class RowRule : public testing::TestWithParam<RowCase> {};

TEST_P(RowRule, NoItemTwiceAndNeighboursOnOtherKeys) {
    const RowCase& c = GetParam();
    Session s(shippedPool(QString::fromLatin1(c.keys), c.content), 3);
    s.missRate = 0.3;
    QHash<QString, QString> keyOf;
    for (const PoolItem& item : s.pool.items)
        keyOf.insert(item.id, item.item.key);
    int faults = 0;
    for (int g = 0; g < 60; ++g) {
        const std::vector<QString> ids = s.group();
        for (std::size_t i = 0; i < ids.size(); ++i) {
            for (std::size_t j = i + 1; j < ids.size(); ++j)
                faults += ids[i] == ids[j] && (c.itemsCanDiffer || j == i + 1);
            if (i > 0)
                faults += c.keysCanDiffer && keyOf[ids[i]] == keyOf[ids[i - 1]];
        }
    }
    EXPECT_EQ(faults, 0);
}

const RowCase kRows[] = {
    {"FiveKeysRadicals", "gfdsa", Content::Radicals, true, true},
    {"TwoKeysOneWithThreeRadicals", "gk", Content::Radicals, true, true},
    {"TwoKeysBoth", "os", Content::Both, true, true},
    {"OneKeyCharacters", "o", Content::Characters, true, false},
    {"OneKeyOfThreeRadicals", "k", Content::Radicals, false, false},
};
INSTANTIATE_TEST_SUITE_P(Cases, RowRule, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });
