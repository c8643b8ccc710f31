#pragma once

#include "drill/judgedkey.h"
#include "practice/attempt.h"

#include <functional>

namespace radiane::practice {

// Keeps every judged key of any drill as an attempt in a memory history, timed
// from the moment its slot became current (a drill start or the right key
// before it), under the id itemId gives (attemptItemId by default).
class AttemptRecorder final : public drill::JudgedKeyObserver {
public:
    using Clock = std::function<qint64()>; // milliseconds since the epoch
    using ItemId = std::function<QString(const drill::JudgedKey&)>;
    AttemptRecorder(MemoryHistory& history, Clock clock, ItemId itemId = {})
        : history_(history), clock_(std::move(clock)), itemId_(std::move(itemId)) {}

    void drillStarted(drill::DrillKind) override { slotSince_ = clock_(); }
    void keyJudged(const drill::JudgedKey& key) override {
        const qint64 now = clock_();
        history_.add({itemId_ ? itemId_(key) : attemptItemId(key.item, key.part), now, key.right,
                      now - slotSince_});
        if (key.right)
            slotSince_ = now;
    }

private:
    MemoryHistory& history_;
    Clock clock_;
    ItemId itemId_;
    qint64 slotSince_ = 0;
};

} // namespace radiane::practice
