#include "practice/masterytext.h"

#include <QStringList>

namespace radiane::practice {

QString masteryText(const Scheduler::Mastery& m) {
    QStringList parts;
    if (m.radicals > 0)
        parts << QStringLiteral("%1 / %2 个字根").arg(m.radicalsKnown).arg(m.radicals);
    if (m.characters > 0)
        parts << QStringLiteral("%1 / %2 个汉字").arg(m.charactersKnown).arg(m.characters);
    return QStringLiteral("已掌握 ") + parts.join(QStringLiteral("，"));
}

} // namespace radiane::practice
