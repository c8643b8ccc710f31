#pragma once

#include "drill/itemsource.h"
#include "practice/attempt.h"
#include "practice/itempool.h"

#include <QHash>
#include <QRandomGenerator>
#include <array>
#include <functional>
#include <vector>

namespace radiane::practice {

// The rule (README "Targeted practice" has the reasoning):
// - An answer is good when it is right, the first key for its slot, and comes
//   within kFastMs. Good answers in a row make an item's streak; anything else
//   sets it to 0.
// - Learning (streak below kKnownStreak): a miss or a slow answer brings the
//   item back in the next group resp. the one after; a streak of 1 or 2 in
//   2 resp. 4 groups.
// - Known (streak of kKnownStreak or more): due again after kKnownIntervalDays
//   by its streak; answered well before it is due it keeps its date (as a
//   Leitner card only moves up when reviewed on time).
// - A group takes, in this order: learning items due, known items due, up to
//   kNewPerGroup new items while fewer than kLearningLimit are learning, other
//   learning items (soonest first), any new item, known items (longest unseen
//   first).
inline constexpr qint64 kFastMs = 1500;
inline constexpr int kKnownStreak = 3;
inline constexpr int kNewPerGroup = 3;
inline constexpr int kLearningLimit = 8;
inline constexpr int kMissedAfterGroups = 1;
inline constexpr int kSlowAfterGroups = 2;
inline constexpr std::array<int, kKnownStreak - 1> kLearningAfterGroups{2, 4}; // streak 1, 2
inline constexpr std::array<int, 6> kKnownIntervalDays{1, 3, 7, 16, 35, 75};   // streak 3, 4, ...

// Picks each group of a practice from the pool and the learner's history.
// Same pool, history, clock readings and seed: same groups.
class Scheduler final : public drill::ItemSource {
public:
    using Clock = std::function<qint64()>; // milliseconds since the epoch

    // Reads the history so far; later attempts are read at each group. An empty
    // pool gives empty groups.
    Scheduler(ItemPool pool, const AttemptHistory& history, Clock clock, quint32 seed);

    drill::DrillGroup nextGroup() override;
    // The next group's ids as picked, most wanted first and new items in pool
    // order, for a drill that asks for one item at a time.
    std::vector<QString> nextIds();

    struct Mastery {
        int radicalsKnown = 0;
        int radicals = 0;
        int charactersKnown = 0;
        int characters = 0;
    };
    // Items known now, after the attempts read so far (call catchUp first for
    // the newest).
    Mastery mastery() const;
    void catchUp();

    // The ids of the last group given, slot by slot.
    const std::array<QString, drill::kSlotCount>& lastGroup() const { return lastIds_; }

private:
    struct State {
        bool seen = false;
        int streak = 0;
        int dueGroup = 0;        // learning: the group it is due in
        qint64 dueMs = 0;        // known: when it is due
        qint64 lastAttempt = -1; // index of its latest attempt
        bool lastRight = false;
    };
    bool known(const State& s) const { return s.streak >= kKnownStreak; }
    void learn(const Attempt& attempt, qint64 index);
    // Candidates, most wanted first, at most perClass of each kind.
    std::vector<int> ranked(qint64 now, std::size_t perClass) const;
    std::size_t keySlot(int item) const; // 0..25 by key letter
    std::vector<int> pick(const std::vector<int>& ranked) const;
    std::vector<int> pickNext(); // the next group's items, not yet arranged
    std::vector<int> arrange(const std::vector<int>& picked);

    ItemPool pool_;
    const AttemptHistory& history_;
    Clock clock_;
    QRandomGenerator random_;
    QHash<QString, int> index_; // id -> pool position
    std::vector<State> states_;
    qsizetype read_ = 0; // attempts read from the history
    int group_ = 0;      // groups given so far
    int keyCount_ = 0;   // keys the pool has items on
    std::array<QString, drill::kSlotCount> lastIds_;
};

} // namespace radiane::practice
