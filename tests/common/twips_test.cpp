#include "common/twips.h"

#include <gtest/gtest.h>

using namespace radiane;

TEST(Twips, FifteenTwipsMakeOnePixel) {
    EXPECT_EQ(px(0), 0);
    EXPECT_EQ(px(15), 1);
    EXPECT_EQ(px(1155), 77);
    EXPECT_EQ(px(1980), 132);
    EXPECT_EQ(px(11970), 798);
    EXPECT_EQ(px(-270), -18);
    EXPECT_EQ(twips(808), 12120);
}

TEST(Twips, RoundsToTheNearestPixel) {
    EXPECT_EQ(px(1790), 119); // 119.33
    EXPECT_EQ(px(1092), 73);  // 72.8
    EXPECT_EQ(px(7), 0);
    EXPECT_EQ(px(8), 1);
    EXPECT_EQ(px(-8), -1);
}

TEST(Twips, RectangleConverted) {
    EXPECT_EQ(pxRect(180, 2940, 11610, 3510), QRect(12, 196, 774, 234));
}
