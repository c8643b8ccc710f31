#pragma once

#include "progress/keyrecord.h"

#include <QDate>
#include <array>
#include <optional>
#include <vector>

namespace radiane::progress {

// Speed everywhere is right keys per minute of answering: a slot's time runs
// from the moment it became current to its right key, so pauses between runs
// and a slot left unanswered do not count.

// This run's figures.
struct SessionFigures {
    int keys = 0;
    int right = 0;
    double accuracy = 0;      // 0..1; 0 without keys
    double keysPerMinute = 0; // right keys; 0 while no slot has been answered
    int medianAnswerMs = 0;   // over every judged key
};

SessionFigures sessionFigures(const std::vector<KeyRecord>& keys);

// One of the 25 keys, as the expected key.
struct KeyFigures {
    QChar key;
    int count = 0;
    int right = 0;
    int meanAnswerMs = 0; // of the right answers
    std::optional<double> accuracy() const;
};

// A key typed in place of the expected one.
struct Confusion {
    QChar typed;
    int count = 0;
};

// One radical or character (with its part) of one drill kind; of a code drill,
// a character as a whole (no part, no expected key).
struct ItemFigures {
    drill::DrillKind drill = drill::DrillKind::SingleRadicals;
    QString item;
    QString part;
    QChar expected;
    int count = 0;
    int right = 0;
    std::vector<Confusion> confusions; // most often first
    double accuracy() const { return count ? double(right) / count : 0; }
};

struct DayFigures {
    QDate day;
    int keys = 0;
    int right = 0;
    double accuracy = 0;
    double keysPerMinute = 0;
};

// One drill kind over every day.
struct DrillFigures {
    drill::DrillKind drill = drill::DrillKind::SingleRadicals;
    int keys = 0;
    int right = 0;
    double accuracy = 0;
    double keysPerMinute = 0;
};

struct ProgressSummary {
    int keys = 0;
    std::vector<DrillFigures> drills;  // each kind with keys, whatever the choice
    std::array<KeyFigures, 25> perKey; // a..y
    std::vector<ItemFigures> weakest;  // most wrong keys first
    std::vector<DayFigures> days;      // oldest first
};

inline constexpr int kWeakestShown = 8;
inline constexpr int kConfusionsShown = 3;

// The summary of the totals of one drill kind, or of all.
ProgressSummary summarize(const ProgressTotals& totals,
                          std::optional<drill::DrillKind> only = std::nullopt);

// Records counted as the store counts them (for records it could not keep).
ProgressTotals totalsOf(const std::vector<KeyRecord>& keys);

} // namespace radiane::progress
