#pragma once

#include "drill/judgedkey.h"

#include <vector>

namespace radiane::drill {

// Tells several observers of the same keys, in the order they were added.
class ObserverList final : public JudgedKeyObserver {
public:
    // Not owned; each must outlive the list.
    void add(JudgedKeyObserver& observer) { observers_.push_back(&observer); }

    void drillStarted(DrillKind drill) override {
        for (JudgedKeyObserver* observer : observers_)
            observer->drillStarted(drill);
    }
    void keyJudged(const JudgedKey& key) override {
        for (JudgedKeyObserver* observer : observers_)
            observer->keyJudged(key);
    }
    void groupFinished() override {
        for (JudgedKeyObserver* observer : observers_)
            observer->groupFinished();
    }

private:
    std::vector<JudgedKeyObserver*> observers_;
};

} // namespace radiane::drill
