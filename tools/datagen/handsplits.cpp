#include "handsplits.h"

#include <QStringList>

namespace datagen {

namespace {

struct Row {
    const char* character;
    const char* code;
    int radicalCount;
    const char* parts; // parts separated by '|', strokes 1-based: "1,2,8|3-6|7"
};

// Stroke numbers follow the stroke order of hanzi-writer-data.
const Row kRows[] = {
    {"国", "lgyi", 3, "1,2,8|3-6|7"},    // 囗 王 丶
    {"回", "lkd", 2, "1,2,6|3-5"},       // 囗 口
    {"因", "ldi", 2, "1,2,6|3-5"},       // 囗 大
    {"图", "ltui", 3, "1,2,8|3-5|6,7"},  // 囗 夂 ⺀
    {"团", "lfte", 3, "1,2,6|3,4|5"},    // 囗 十 丿
    {"园", "lfqv", 3, "1,2,7|3,4|5,6"},  // 囗 二 儿
    {"困", "lsi", 2, "1,2,7|3-6"},       // 囗 木
    {"围", "lfnh", 4, "1,2,7|3,4|5|6"},  // 囗 二 乙 丨
    {"固", "ldd", 2, "1,2,8|3-7"},       // 囗 古
    {"圆", "lkmi", 3, "1,2,10|3-5|6-9"}, // 囗 口 贝
    {"区", "aqi", 2, "1,4|2,3"},         // 匚 乂
    {"医", "atdi", 3, "1,7|2,3|4-6"},    // 匚 𠂉 大
};

QList<int> strokes(const QString& text) {
    QList<int> out;
    for (const QString& piece : text.split(QLatin1Char(','))) {
        const QStringList range = piece.split(QLatin1Char('-'));
        const int first = range[0].toInt();
        const int last = range.value(1, range[0]).toInt();
        for (int s = first; s <= last; ++s)
            out.append(s - 1);
    }
    return out;
}

} // namespace

std::optional<HandSplit> handSplit(const QString& character) {
    for (const Row& row : kRows) {
        if (character != QString::fromUtf8(row.character))
            continue;
        HandSplit h;
        h.character = character;
        h.code = QString::fromLatin1(row.code);
        h.radicalCount = row.radicalCount;
        for (const QString& part : QString::fromLatin1(row.parts).split(QLatin1Char('|')))
            h.parts.append(strokes(part));
        return h;
    }
    return std::nullopt;
}

} // namespace datagen
