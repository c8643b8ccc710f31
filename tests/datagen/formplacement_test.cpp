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
