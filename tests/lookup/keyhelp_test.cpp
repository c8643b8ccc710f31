#include "lookup/keyhelp.h"

#include <QRect>
#include <gtest/gtest.h>

namespace radiane::lookup {
namespace {

const WebSettings kSettings{u"http://keys.example"_qs, u"http://other.example"_qs,
                            u"me@keys.example"_qs};

TEST(KeyHelp, EachAreaOpensThePageOfItsLetter) {
    struct Case {
        int index;
        const char* address;
    };
    const Case cases[] = {
        {0, "http://keys.example/wbwz/a.htm"},  {1, "http://keys.example/wbwz/b.htm"},
        {12, "http://keys.example/wbwz/m.htm"}, {23, "http://keys.example/wbwz/x.htm"},
        {24, "http://keys.example/wbwz/y.htm"},
    };
    for (const Case& c : cases) {
        const std::optional<QUrl> address = keyPageAddress(c.index, kSettings);
        ASSERT_TRUE(address) << c.index;
        EXPECT_EQ(address->toString(), QString::fromLatin1(c.address)) << c.index;
    }
}

TEST(KeyHelp, IndexOutsideTheAreasOpensNothing) {
    for (int index : {-1, 25, 26, 32767, -32768})
        EXPECT_FALSE(keyPageAddress(index, kSettings)) << index;
}

TEST(KeyHelp, HintLineOpensThePageOfA) {
    EXPECT_EQ(hintLineAddress(kSettings).toString(), u"http://keys.example/wbwz/a.htm");
    EXPECT_EQ(hintLineAddress(), *keyPageAddress(0));
}

TEST(KeyHelp, OnlyTheMAreaHasTheHintAsTooltip) {
    for (int i = 0; i < kKeyAreaCount; ++i)
        EXPECT_EQ(keyAreaToolTip(i), i == 12 ? kKeyHelpHint.toString() : QString()) << i;
}

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
