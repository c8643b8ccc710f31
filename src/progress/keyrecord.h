#pragma once

#include "drill/judgedkey.h"

#include <QChar>
#include <QString>
#include <QtGlobal>
#include <optional>

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

// Keys that share everything but their time, counted: what statistics read.
struct KeyTally {
    qint64 day = 0; // local calendar day (Julian day number)
    drill::DrillKind drill = drill::DrillKind::SingleRadicals;
    QString item;
    QString part;
    QChar expected;
    QChar typed;
    bool right = false;
    int count = 0;
    qint64 answerMs = 0; // summed over the keys
};

// The local calendar day (Julian day number) of a moment, ms since the epoch.
qint64 localDay(qint64 when);

// The stored name of a drill kind, and back; names never change once shipped.
QString drillKindName(drill::DrillKind kind);
std::optional<drill::DrillKind> drillKindFromName(const QString& name);
// What the learner reads for it.
QString drillKindCaption(drill::DrillKind kind);

inline constexpr drill::DrillKind kAllDrillKinds[] = {
    drill::DrillKind::SingleRadicals, drill::DrillKind::RadicalsInCharacters,
    drill::DrillKind::Practice, drill::DrillKind::Codes};

} // namespace radiane::progress
