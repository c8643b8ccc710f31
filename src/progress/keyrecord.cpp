#include "progress/keyrecord.h"

#include <QDateTime>

namespace radiane::progress {

using drill::DrillKind;

qint64 localDay(qint64 when) {
    return QDateTime::fromMSecsSinceEpoch(when).date().toJulianDay();
}

QString drillKindName(DrillKind kind) {
    switch (kind) {
    case DrillKind::SingleRadicals:
        return QStringLiteral("single-radicals");
    case DrillKind::RadicalsInCharacters:
        return QStringLiteral("radicals-in-characters");
    case DrillKind::Practice:
        return QStringLiteral("practice");
    case DrillKind::Codes:
        return QStringLiteral("codes");
    case DrillKind::CodesOneKey:
        return QStringLiteral("codes-one-key");
    case DrillKind::CodesTwoKeys:
        return QStringLiteral("codes-two-keys");
    case DrillKind::CodesFull:
        return QStringLiteral("codes-full");
    }
    return {};
}

std::optional<DrillKind> drillKindFromName(const QString& name) {
    for (const DrillKind kind : kAllDrillKinds) {
        if (drillKindName(kind) == name)
            return kind;
    }
    return std::nullopt;
}

QString drillKindCaption(DrillKind kind) {
    switch (kind) {
    case DrillKind::SingleRadicals:
        return QStringLiteral("单个字根图");
    case DrillKind::RadicalsInCharacters:
        return QStringLiteral("汉字中的字根图");
    case DrillKind::Practice:
        return QStringLiteral("专项练习");
    case DrillKind::Codes:
        return QStringLiteral("编码练习");
    case DrillKind::CodesOneKey:
        return QStringLiteral("编码·一级简码");
    case DrillKind::CodesTwoKeys:
        return QStringLiteral("编码·二级简码");
    case DrillKind::CodesFull:
        return QStringLiteral("编码·常用字全码");
    }
    return {};
}

} // namespace radiane::progress
