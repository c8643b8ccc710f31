#pragma once

#include "codes/itemorder.h"
#include "practice/attempt.h"
#include "practice/scheduler.h"

#include <QHash>
#include <deque>
#include <memory>
#include <optional>

namespace radiane::codes {

// The id a key of the code drill is kept under for the scheduler: its level,
// character and part ("4的2"); keys whose level is not known get none.
QString codeKeyId(drill::DrillKind drill, const QString& character, const QString& part);

// The code drill's judged keys as the answers the practice scheduler learns
// from: the keys typed while one character was shown make one answer, right
// when none of them was wrong, as slow as its slowest key. The answer of the
// character shown now is given once close() says it is done.
class CharacterAnswers final : public practice::AttemptHistory {
public:
    // keys: the code drill's judged keys (codeKeyId), not owned; only those of
    // level count.
    CharacterAnswers(const practice::AttemptHistory& keys, Level level);

    void close();
    std::vector<practice::Attempt> attemptsFrom(qsizetype from) const override;

private:
    void read() const;

    const practice::AttemptHistory& keys_;
    QString level_; // the ids' first letter
    mutable qsizetype keysRead_ = 0;
    mutable std::vector<practice::Attempt> answers_;
    mutable std::optional<practice::Attempt> open_;
};

// The practice scheduler's rule for whole characters of one level: a missed
// character comes back in the next group of five, new ones enter in the level's
// order, and the learner's keys of earlier runs count as well as this run's.
// Never the same character twice in a row while the level has another.
class ScheduledOrder final : public CodeItemOrder {
public:
    // keys: the code drill's judged keys (codeKeyId), this run's and earlier
    // ones; not owned.
    ScheduledOrder(const practice::AttemptHistory& keys, practice::Scheduler::Clock clock);
    ~ScheduledOrder() override;

    void reset(Level level, const std::vector<const CodeItem*>& items) override;
    std::size_t next() override;
    void finished(std::size_t index, bool missed) override;

private:
    const practice::AttemptHistory& keys_;
    practice::Scheduler::Clock clock_;
    std::unique_ptr<CharacterAnswers> answers_;
    std::unique_ptr<practice::Scheduler> scheduler_;
    QHash<QString, std::size_t> index_; // character -> item index
    std::deque<std::size_t> queue_;
    std::optional<std::size_t> last_;
};

} // namespace radiane::codes
