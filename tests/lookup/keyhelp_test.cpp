#include "lookup/keyhelp.h"

#include <QRect>
#include <gtest/gtest.h>

namespace radiane::lookup {
namespace {

QRect areaRect(const KeyArea& area) {
    return {area.left, area.top, kKeyAreaWidth, kKeyAreaHeight};
}

TEST(KeyHelp, AreasLieInKeyboardOrderInsideThePictureWithoutOverlap) {
    const QRect picture(0, 0, 11610, 3510); // Picture5
    const auto& areas = keyAreas();
    for (int i = 0; i < kKeyAreaCount; ++i) {
        EXPECT_EQ(areas[i].letter, QChar(u'a' + i));
        EXPECT_TRUE(picture.contains(areaRect(areas[i]))) << i;
        for (int j = i + 1; j < kKeyAreaCount; ++j)
            EXPECT_FALSE(areaRect(areas[i]).intersects(areaRect(areas[j]))) << i << " " << j;
    }
    // Along each keyboard row the areas run left to right at about the same height.
    for (const char* row : {"qwertyuiop", "asdfghjkl", "xcvbnm"}) {
        for (const char* key = row + 1; *key; ++key) {
            const KeyArea& left = areas[key[-1] - 'a'];
            const KeyArea& right = areas[*key - 'a'];
            EXPECT_LT(left.left, right.left) << key[-1] << *key;
            EXPECT_LE(std::abs(left.top - right.top), 60) << key[-1] << *key;
        }
    }
}

} // namespace
} // namespace radiane::lookup
