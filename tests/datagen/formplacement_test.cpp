// Which chart form a part of a character is, for look-alike forms of one key.
#include "formplacement.h"
#include "radicalshapes.h"
#include "support/tempprogramfolder.h"

#include <gtest/gtest.h>

using namespace datagen;

namespace {

QString strokeFolder() {
    const QString env = qEnvironmentVariable("RADIANE_STROKES");
    return env.isEmpty() ? radiane::test::sourceDir() +
                               QStringLiteral("/tools/datagen/node_modules/hanzi-writer-data")
                         : env;
}

TEST(FormPlacement, LookAlikeFormsAreToldApart) {
    const StrokeData strokes(strokeFolder());
    if (!strokes.isValid())
        GTEST_SKIP() << "no stroke data (run npm ci in tools/datagen)";
    const auto table = loadRadicalTable(radiane::test::sourceDir() +
                                        QStringLiteral("/tools/datagen/radicals.tsv"));
    const FormPlacer placer(table, radicalShapes(table, strokes), strokes);
    const struct {
        const char* name;
        const char* character;
        int first; // strokes, 1-based, inclusive
        int last;
        char key;
        const char* form;
    } cases[] = {
        {"王旁, narrow on the left of 现", "现", 1, 4, 'g', "g02"},
        {"青头 on top of 青", "青", 1, 4, 'g', "g03"},
        {"王 on the right of 狂", "狂", 4, 7, 'g', "g01"},
        {"王 on the right of 琴, not 青头", "琴", 5, 8, 'g', "g01"},
        {"提手旁 of 接, not the left of 物", "接", 1, 3, 'r', "r03"},
        {"the left of 特 is that of 物", "特", 2, 4, 'r', "r09"},
        {"土 as the left of 地, not 士", "地", 1, 3, 'f', "f01"},
        {"士 on top of 声", "声", 1, 3, 'f', "f02"},
        {"十 of 真 has no hook: not 才", "真", 1, 2, 'f', "f05"},
        {"日 as the left of 时, not 曰", "时", 1, 4, 'j', "j01"},
        {"木 at the bottom of 采, not 朩", "采", 5, 8, 's', "s01"},
        {"古 of 乱, not 石", "乱", 2, 6, 'd', "d06"},
        {"⺊ on top of 点, not 卜", "点", 1, 2, 'h', "h07"},
        {"卜 of 外", "外", 4, 5, 'h', "h06"},
        {"龙头 of 布, not 丆", "布", 1, 2, 'd', "d09"},
        {"儿 of 兄, not the bottom of 无", "兄", 4, 5, 'q', "q08"},
        {"the 捺 of 入 is ㇏", "入", 2, 2, 'y', "y08"},
        {"the 捺 of 尺 is ㇏", "尺", 4, 4, 'y', "y08"},
        {"the long dot of 压 is 丶", "压", 6, 6, 'y', "y07"},
        {"the dot of 宝's 玉 is 丶", "宝", 8, 8, 'y', "y07"},
        {"the dot of 的 is 丶", "的", 8, 8, 'y', "y07"},
        {"横折钩 of 司 is 𠃌", "司", 1, 1, 'n', "n12"},
        {"竖折 of 以 is 𠃊", "以", 1, 1, 'n', "n13"},
        {"横钩 of 买 is 乛", "买", 1, 1, 'n', "n11"},
        {"竖弯钩 of 尤 is 乚", "尤", 3, 3, 'n', "n14"},
        {"the frame of 追 is コ", "追", 3, 4, 'n', "n09"},
        {"the top of 决 is 取自夬", "决", 3, 4, 'n', "n16"},
    };
    for (const auto& c : cases) {
        const auto character = strokes.load(QString::fromUtf8(c.character));
        ASSERT_TRUE(character) << c.name;
        QList<int> part;
        for (int s = c.first; s <= c.last; ++s)
            part.append(s - 1);
        EXPECT_EQ(placer.place(*character, part, QLatin1Char(c.key)), QLatin1String(c.form))
            << c.name;
    }
}

} // namespace
