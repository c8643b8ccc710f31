#pragma once

#include "drill/judgedkey.h"

#include <QChar>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace radiane::progress {

// One judged key as it is kept.
struct KeyRecord {
    qint64 when = 0; // ms since the epoch
    drill::DrillKind drill = drill::DrillKind::SingleRadicals;
    QString item;
    QString part;
    QChar expected;
    QChar typed;
    bool right = false;
    int answerMs = 0; // since the slot became current
};

// Counts of the recorded keys, kept up to date beside them so that reading
// them costs the same at 100 or 100,000 keys. Times are of right keys.
struct KeyTotal { // by expected key
    drill::DrillKind drill = drill::DrillKind::SingleRadicals;
    QChar expected;
    int keys = 0;
    int right = 0;
    qint64 rightMs = 0;
};
struct DayTotal { // by local calendar day
    drill::DrillKind drill = drill::DrillKind::SingleRadicals;
    qint64 day = 0; // Julian day number
    int keys = 0;
    int right = 0;
    qint64 rightMs = 0;
};
struct ItemTotal { // by radical, or character and part
    drill::DrillKind drill = drill::DrillKind::SingleRadicals;
    QString item;
    QString part;
    QChar expected;
    int keys = 0;
    int right = 0;
};
struct ConfusionTotal { // wrong keys by item and key typed
    drill::DrillKind drill = drill::DrillKind::SingleRadicals;
    QString item;
    QString part;
    QChar typed;
    int keys = 0;
};

struct ProgressTotals {
    std::vector<KeyTotal> keys;
    std::vector<DayTotal> days;
    std::vector<ItemTotal> items;
    std::vector<ConfusionTotal> confusions;
};

// The local calendar day (Julian day number) of a moment, ms since the epoch.
qint64 localDay(qint64 when);

// The stored name of a drill kind, and back; names never change once shipped.
QString drillKindName(drill::DrillKind kind);
std::optional<drill::DrillKind> drillKindFromName(const QString& name);
// What the learner reads for it.
QString drillKindCaption(drill::DrillKind kind);

// In the order the learner sees them; Codes last: only keys of earlier versions have it.
inline constexpr drill::DrillKind kAllDrillKinds[] = {
    drill::DrillKind::SingleRadicals, drill::DrillKind::RadicalsInCharacters,
    drill::DrillKind::Practice,       drill::DrillKind::CodesOneKey,
    drill::DrillKind::CodesTwoKeys,   drill::DrillKind::CodesFull,
    drill::DrillKind::Codes};

} // namespace radiane::progress
