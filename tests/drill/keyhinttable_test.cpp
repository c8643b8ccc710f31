#include "drill/keyhinttable.h"

#include <gtest/gtest.h>

using radiane::drill::findKeyHint;
using radiane::drill::hintText;
using radiane::drill::KeyHintRow;
using radiane::drill::keyHintTable;
using radiane::drill::MarkGeometry;

namespace {

using Geometry = std::array<int, 4>; // left, top, width, height

struct ExpectedRow {
    const char* key;
    const char* caption; // UTF-8
    const char* verse;   // UTF-8, punctuation as the learner knows it
    int markIndex;
    Geometry red;
    Geometry white;
};

// The table as the learner's keyboard and verses have it, in lookup order.
const ExpectedRow kExpected[] = {
    {"g", "G 键： ", "王旁青头戋（兼）五一", 13, {5325, 1230, 990, 1005}, {5280, 1170, 1065, 1095}},
    {"f", "F 键： ", "土士二干十寸雨", 12, {4215, 1230, 990, 1005}, {4170, 1170, 1065, 1095}},
    {"d", "D 键： ", "大犬三羊古石厂", 11, {3120, 1245, 990, 975}, {3075, 1200, 1065, 1050}},
    {"s", "S 键： ", "木丁西", 10, {2010, 1230, 990, 1005}, {1965, 1170, 1065, 1095}},
    {"a", "A 键： ", "工戈草头右框七", 9, {930, 1230, 990, 1005}, {885, 1170, 1065, 1095}},
    {"h", "H 键： ", "目具上止卜虎皮", 14, {6420, 1215, 990, 1005}, {6375, 1155, 1065, 1095}},
    {"j", "J 键： ", "日早两竖与虫依", 15, {7515, 1215, 990, 1005}, {7470, 1155, 1065, 1095}},
    {"k", "K 键： ", "口与川,字根稀", 16, {8610, 1215, 990, 1005}, {8565, 1155, 1065, 1095}},
    {"l", "L 键： ", "田甲方框四车力", 17, {9705, 1215, 990, 1005}, {9660, 1155, 1065, 1095}},
    {"m", "M 键： ", "山由贝,下框几", 23, {8025, 2325, 990, 975}, {7980, 2265, 1065, 1080}},
    {"t",
     "T 键： ",
     "禾竹一撇双人立,反文条头共三一",
     4,
     {4740, 150, 990, 1005},
     {4665, 90, 1065, 1095}},
    {"r", "R 键： ", "白手看头三二斤", 3, {3600, 165, 990, 975}, {3555, 105, 1065, 1065}},
    {"e", "E 键： ", "月彡(衫)乃用家衣底", 2, {2535, 150, 990, 1005}, {2475, 90, 1095, 1095}},
    {"w", "W 键： ", "人和八，三四里", 1, {1425, 150, 990, 1005}, {1380, 90, 1065, 1095}},
    {"q",
     "Q 键： ",
     "金勺缺点无尾鱼,犭旁留乂儿一点夕，氏无七",
     0,
     {330, 150, 1005, 1005},
     {285, 105, 1080, 1080}},
    {"y",
     "Y 键： ",
     "言文方广在四一,高头一捺谁人去",
     5,
     {5790, 150, 990, 1005},
     {5745, 105, 1065, 1095}},
    {"u", "U 键： ", "立辛两点六门疒", 6, {6885, 150, 990, 1005}, {6840, 90, 1065, 1095}},
    {"i", "I 键： ", "水旁兴头小倒立", 7, {7995, 150, 990, 1005}, {7935, 90, 1095, 1095}},
    {"o", "O 键： ", "火业头，四点米", 8, {9090, 150, 990, 1005}, {9045, 90, 1065, 1095}},
    {"p", "P 键： ", "之宝盖，摘示衣", 24, {10170, 165, 990, 975}, {10125, 105, 1065, 1065}},
    {"n",
     "N 键： ",
     "已半巳满不出己,左框折尸心和羽",
     22,
     {6915, 2310, 1020, 1005},
     {6870, 2265, 1095, 1095}},
    {"b", "B 键： ", "子耳了也框向上", 21, {5835, 2310, 990, 1005}, {5790, 2250, 1080, 1095}},
    {"v", "V 键： ", "女刀九臼山朝西", 20, {4755, 2310, 990, 1005}, {4710, 2250, 1080, 1095}},
    {"c", "C 键： ", "又巴马，丢矢矣", 19, {3630, 2325, 1005, 975}, {3585, 2265, 1080, 1080}},
    {"x",
     "X 键： ",
     "慈母无心弓和匕,幼无力",
     18,
     {2550, 2310, 1005, 1005},
     {2505, 2265, 1080, 1095}},
};

Geometry box(const MarkGeometry& g) {
    return {g.left, g.top, g.width, g.height};
}

TEST(KeyHintTable, EveryRowMatchesInOrder) {
    const auto& table = keyHintTable();
    ASSERT_EQ(std::size(kExpected), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const KeyHintRow& row = table[i];
        const ExpectedRow& want = kExpected[i];
        SCOPED_TRACE(want.key);
        EXPECT_EQ(row.key.toUtf8(), QByteArray(want.key));
        EXPECT_EQ(row.caption.toUtf8(), QByteArray(want.caption));
        EXPECT_EQ(row.verse.toUtf8(), QByteArray(want.verse));
        EXPECT_EQ(row.markIndex, want.markIndex);
        EXPECT_EQ(box(row.red), want.red);
        EXPECT_EQ(box(row.white), want.white);
    }
}

TEST(KeyHintTable, FindIsExactAndCaseSensitive) {
    const char* misses[] = {"G", "z", "Z", "", " g", "gg", "\xef\xbd\x87" /* full-width g */};
    for (const char* key : misses)
        EXPECT_EQ(findKeyHint(QString::fromUtf8(key)), nullptr) << key;
    for (const KeyHintRow& row : keyHintTable())
        EXPECT_EQ(findKeyHint(row.key), &row);
}

TEST(KeyHintTable, HintTextJoinsPrefixCaptionAndVerse) {
    EXPECT_EQ(hintText(*findKeyHint(QStringLiteral("g"))).toUtf8(),
              QByteArray("提示：G 键： 王旁青头戋（兼）五一"));
    EXPECT_EQ(hintText(*findKeyHint(QStringLiteral("e"))).toUtf8(),
              QByteArray("提示：E 键： 月彡(衫)乃用家衣底"));
}

} // namespace
