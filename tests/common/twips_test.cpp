#include "common/twips.h"

#include <gtest/gtest.h>

using namespace radiane;

TEST(Twips, RoundToTheNearestPixel) {
    const std::pair<int, int> cases[] = {{0, 0}, {15, 1},  {1790, 119}, {1092, 73},  {7, 0},
                                         {8, 1}, {-8, -1}, {-270, -18}, {11970, 798}};
    for (const auto& [tw, pixels] : cases)
        EXPECT_EQ(px(tw), pixels) << tw;
    EXPECT_EQ(twips(808), 12120);
    EXPECT_EQ(pxRect(180, 2940, 11610, 3510), QRect(12, 196, 774, 234));
}
