#include "lookup/seeds.h"

#include <QString>
#include <gtest/gtest.h>

#include <vector>

using namespace radiane::lookup;

namespace {

struct CoordinateCase {
    const char* name;
    const char* text;
    int value;
};

class Coordinate : public testing::TestWithParam<CoordinateCase> {};

TEST_P(Coordinate, Reads) {
    EXPECT_EQ(readCoordinate(QString::fromLatin1(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Seeds, Coordinate,
    testing::Values(
        CoordinateCase{"RightAligned", "  40", 40}, CoordinateCase{"FourDigits", "1680", 1680},
        CoordinateCase{"Empty", "", 0}, CoordinateCase{"AllSpaces", "    ", 0},
        CoordinateCase{"Negative", " -12", -12}, CoordinateCase{"Plus", " +7", 7},
        CoordinateCase{"SpaceAfterSign", " - 5", -5}, CoordinateCase{"InnerSpaces", "1 2 ", 12},
        CoordinateCase{"Decimal", "12.7", 13}, CoordinateCase{"DecimalDown", "12.4", 12},
        CoordinateCase{"HalfToEvenDown", " 2.5", 2}, CoordinateCase{"HalfToEvenUp", " 3.5", 4},
        CoordinateCase{"HalfOfZero", " 0.5", 0}, CoordinateCase{"NegativeHalf", "-2.5", -2},
        CoordinateCase{"LeadingPoint", " .6", 1}, CoordinateCase{"SecondPointStops", "1.2.9", 1},
        CoordinateCase{"LetterStops", "12a4", 12}, CoordinateCase{"LetterFirst", "a12", 0},
        CoordinateCase{"SignAloneIsZero", "  - ", 0}, CoordinateCase{"PointAloneIsZero", "  . ", 0},
        CoordinateCase{"SecondSignStops", "--5", 0},
        CoordinateCase{"SignAfterDigitsStops", "5-3", 5},
        CoordinateCase{"ClampedHigh", "40000", 32767},
        CoordinateCase{"ClampedLow", "-40000", -32768}),
    [](const testing::TestParamInfo<CoordinateCase>& info) { return info.param.name; });

struct ListCase {
    const char* name;
    const char* list;
    std::vector<QPoint> points;
};

class List : public testing::TestWithParam<ListCase> {};

TEST_P(List, GivesItsPoints) {
    EXPECT_EQ(parseSeeds(QString::fromLatin1(GetParam().list)), GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(
    Seeds, List,
    testing::Values(
        ListCase{"Empty", "", {}},
        ListCase{"AllSpaces",
                 "                                                                        ",
                 {}},
        ListCase{"OneEntry", "  40 120", {{40, 120}}},
        ListCase{"SixteenCharactersTwoPoints", "  40 120 960 300", {{40, 120}, {960, 300}}},
        ListCase{"TrailingSpacesRemoved",
                 "  40 120 960 300                                                        ",
                 {{40, 120}, {960, 300}}},
        // 12 / 8 = 1.5 -> 2: the second y is read from empty text.
        ListCase{"TwelveCharactersSecondYIsZero", "  40 120 960", {{40, 120}, {960, 0}}},
        // 20 / 8 = 2.5 -> 2.
        ListCase{"TwentyCharactersTwoPoints", "  40 120 960 300  15", {{40, 120}, {960, 300}}},
        // 28 / 8 = 3.5 -> 4: the fourth x is characters 25-28, its y empty.
        ListCase{"TwentyEightCharactersFourPoints",
                 "  40 120 960 300  15  30 777",
                 {{40, 120}, {960, 300}, {15, 30}, {777, 0}}},
        // 4 / 8 = 0.5 -> 0.
        ListCase{"FourCharactersNoPoint", "  40", {}},
        // Trimming takes the y's trailing spaces: 6 / 8 rounds to 1, y reads "1".
        ListCase{"ShortYAfterTrim", "  40 1  ", {{40, 1}}},
        ListCase{"SignsAndDecimals", " -15 2.5+7.5-0.5", {{-15, 2}, {8, 0}}},
        ListCase{
            "FullList",
            "   1   2   3   4   5   6   7   8   9  10  11  12  13  14  15  16  17  18",
            {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}, {11, 12}, {13, 14}, {15, 16}, {17, 18}}}),
    [](const testing::TestParamInfo<ListCase>& info) { return info.param.name; });

} // namespace
