#include "practice/scope.h"

namespace radiane::practice {

namespace {

// Zone by zone, each key by its number in the zone.
constexpr char16_t kKeyboardOrder[] = u"gfdsahjklmtrewqyuiopnbvcx";

} // namespace

const std::array<Zone, 5>& zones() {
    static const std::array<Zone, 5> table{{
        {u"横区", u"gfdsa"},
        {u"竖区", u"hjklm"},
        {u"撇区", u"trewq"},
        {u"捺区", u"yuiop"},
        {u"折区", u"nbvcx"},
    }};
    return table;
}

std::optional<QString> parseKeys(QStringView text) {
    const QString wanted = text.toString().toLower();
    if (wanted.isEmpty())
        return std::nullopt;
    for (QChar c : wanted) {
        if (c < u'a' || c > u'y')
            return std::nullopt;
    }
    QString keys;
    for (QChar key : QStringView(kKeyboardOrder)) {
        if (wanted.contains(key))
            keys.append(key);
    }
    return keys;
}

bool includesRadicals(Content content) {
    return content != Content::Characters;
}

bool includesCharacters(Content content) {
    return content != Content::Radicals;
}

} // namespace radiane::practice
