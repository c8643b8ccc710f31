#pragma once

#include "drill/judgedkey.h"

#include <QString>
#include <QtGlobal>
#include <iterator>
#include <vector>

namespace radiane::practice {

// One judged key as the scheduler learns from it.
struct Attempt {
    QString item;      // attemptItemId of what was asked
    qint64 whenMs = 0; // milliseconds since the epoch
    bool right = false;
    qint64 answerMs = 0; // since the slot became current
};

// A radical by its picture name ("g01"), a character by itself and the part
// number painted in it ("形2").
inline QString attemptItemId(const QString& item, const QString& part) {
    return item + part;
}

// The learner's past attempts, oldest first.
class AttemptHistory {
public:
    virtual ~AttemptHistory() = default;
    // The attempts from index `from` on; earlier ones never change.
    virtual std::vector<Attempt> attemptsFrom(qsizetype from) const = 0;
};

// A history kept in memory for the run.
class MemoryHistory final : public AttemptHistory {
public:
    void add(Attempt attempt) { attempts_.push_back(std::move(attempt)); }
    // Attempts of earlier runs, before this run's; only while no scheduler reads.
    void prepend(std::vector<Attempt> earlier) {
        attempts_.insert(attempts_.begin(), std::make_move_iterator(earlier.begin()),
                         std::make_move_iterator(earlier.end()));
    }
    std::vector<Attempt> attemptsFrom(qsizetype from) const override {
        if (from >= static_cast<qsizetype>(attempts_.size()))
            return {};
        return {attempts_.begin() + from, attempts_.end()};
    }
    qsizetype size() const { return static_cast<qsizetype>(attempts_.size()); }

private:
    std::vector<Attempt> attempts_;
};

} // namespace radiane::practice
