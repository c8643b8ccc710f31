#include "progress/keyrecorder.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace radiane::progress {

KeyRecorder::KeyRecorder(Clock clock, KeySink& sink) : clock_(std::move(clock)), sink_(sink) {
    slotSince_ = clock_();
}

void KeyRecorder::drillStarted(drill::DrillKind) {
    slotSince_ = clock_();
}

void KeyRecorder::keyJudged(const drill::JudgedKey& key) {
    const qint64 now = clock_();
    KeyRecord record;
    record.when = now;
    record.drill = key.drill;
    record.item = key.item;
    record.part = key.part;
    record.expected = key.expected;
    record.typed = key.typed;
    record.right = key.right;
    // A clock set back reads as no time, a long pause is capped to fit.
    record.answerMs =
        static_cast<int>(std::clamp<qint64>(now - slotSince_, 0, std::numeric_limits<int>::max()));
    if (key.right)
        slotSince_ = now;
    session_.push_back(record);
    sink_.keyRecorded(record);
}

void KeyRecorder::groupFinished() {
    sink_.groupFinished();
}

} // namespace radiane::progress
