#pragma once

#include "drill/judgedkey.h"
#include "progress/keyrecord.h"

#include <QtGlobal>
#include <functional>
#include <vector>

namespace radiane::progress {

// Where recorded keys go.
class KeySink {
public:
    virtual ~KeySink() = default;
    virtual void keyRecorded(const KeyRecord& key) = 0;
    virtual void groupFinished() = 0;
};

// Turns the drill's judged keys into records: stamps each with the clock and
// with its answer time, measured from the moment its slot became current (the
// start of a drill, or the right key before it). Keeps this run's keys.
class KeyRecorder final : public drill::JudgedKeyObserver {
public:
    using Clock = std::function<qint64()>; // ms since the epoch

    KeyRecorder(Clock clock, KeySink& sink);

    void drillStarted(drill::DrillKind drill) override;
    void keyJudged(const drill::JudgedKey& key) override;
    void groupFinished() override;

    // The keys of this run, oldest first.
    const std::vector<KeyRecord>& session() const { return session_; }

private:
    Clock clock_;
    KeySink& sink_;
    qint64 slotSince_ = 0;
    std::vector<KeyRecord> session_;
};

} // namespace radiane::progress
