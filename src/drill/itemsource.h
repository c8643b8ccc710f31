#pragma once

#include <QString>
#include <array>

namespace radiane::drill {

inline constexpr int kSlotCount = 5;

// One thing the learner is asked for: a radical picture, or a character with
// one of its radicals painted.
struct DrillItem {
    enum class Kind { Radical, Character };
    Kind kind = Kind::Radical;
    QString key;       // the key letter asked for
    QString picture;   // radical: its picture name
    QString character; // character: the character
    QString part;      // character: which of its radicals ("1".."4")
};

using DrillGroup = std::array<DrillItem, kSlotCount>;

// Where the drill takes the items of its next group from.
class ItemSource {
public:
    virtual ~ItemSource() = default;
    virtual DrillGroup nextGroup() = 0;
};

} // namespace radiane::drill
