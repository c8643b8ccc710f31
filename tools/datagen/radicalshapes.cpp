#include "radicalshapes.h"

#include <QFile>
#include <algorithm>
#include <initializer_list>

namespace datagen {

namespace {

// Strokes for radicals of the chart whose glyph the stroke package lacks: the same form taken
// from a character where it stands as consecutive strokes (1-based, inclusive; checked by hand).
struct ExtraSource {
    const char* radical;
    const char* character;
    int first;
    int last;
};
const ExtraSource kExtraSources[] = {
    {"⺩", "理", 1, 4}, // 王 as a left side
    {"⻗", "雪", 1, 8}, // 雨 as a top
    {"𠂇", "左", 1, 2}, // top of 左 and 右
    {"丆", "石", 1, 2}, // top of 石
    {"𠂉", "每", 1, 2}, // top of 每 and 年
    {"𠆢", "会", 1, 2}, // 人 as a roof
    {"龵", "看", 1, 4}, // 手 as a top
    {"𠂆", "后", 1, 2}, // top of 后
    {"⺇", "朵", 1, 2}, // 几 without its hook
    {"𠤎", "化", 3, 4}, // right side of 化
    {"龰", "走", 4, 7}, // bottom of 走
    {"𧘇", "衣", 3, 6}, // 衣 without its top
    {"⺢", "录", 4, 8}, // 水 as a bottom
    {"龴", "通", 1, 2}, // top of 通 and 勇
    {"朩", "杀", 3, 6}, // bottom of 杀
    {"龷", "共", 1, 4}, // top of 共
    {"⺆", "周", 1, 2}, // frame of 周
    {"𠂊", "久", 1, 2}, // top of 久
    {"䒑", "前", 1, 3}, // top of 前
    {"⺕", "录", 1, 3}, // top of 录
};

// Forms as they stand in an example, taken from its strokes (1-based), for matching beside the
// chart's own drawing: forms whose strokes are never consecutive, because another radical is
// written between them, and forms a component squeezes past the drawing's likeness.
struct ApartForm {
    char key;
    const char* text;
    const char* character;
    std::initializer_list<int> strokes;
};
const ApartForm kApartForms[] = {
    {'s', "丁", "可", {1, 5}},             // 丁 of 可, its vertical at the right, around 口
    {'u', "丷", "母", {3, 5}},             // the two dots of 母, either side of its 一
    {'l', "力", "为", {2, 3}},             // 力 of 为, its 丿 written first
    {'d', "尤", "尤", {1, 2, 4}},          // ナ with a dot, around the 乚 of 尤
    {'s', "西", "酉", {1, 2, 3, 4, 5, 7}}, // 西 of 酉, closed after its inner 一
    {'f', "二", "示", {1, 2}},             // 二 of 示: a short 一 over a long one (票 祭)
    {'f', "⻗", "雷", {1, 2, 3, 4, 5, 6, 7, 8}}, // 雨 as a top with flat dots (雷 露 霄)
};

// Forms as they stand in characters split by hand, too far from the chart's glyph (or, for 兆,
// apart) for the matching: they check those splits and name their parts, and the matching never
// sees them, so no automatic split changes.
const ApartForm kHandSplitForms[] = {
    {'i', "氺", "兆", {2, 3, 5, 6}},  // the four dots of 兆, either side of its 儿
    {'c', "又", "树", {5, 6}},        // 又 squeezed between two sides, its 捺 a dot
    {'j', "日", "象", {3, 4, 5}},     // the middle of 象, closed by the first stroke below
    {'x', "匕", "龙", {3, 4, 5}},     // 龙 after 𠂇: 乚 丿 and the dot
    {'e', "𧘇", "派", {6, 7, 8, 9}},  // 𧘇 narrowed under 𠂆, in 派 and 旅
    {'x', "母", "互", {2, 3}},        // 母无心 flattened between two 一
    {'g', "王", "盖", {3, 4, 5, 6}},  // 王 under 丷, its 丨 written last
    {'d', "三", "段", {3, 4, 5}},     // 三 against a 丨, its last stroke rising
    {'w', "人", "替", {3, 4}},        // 人 of a squeezed 夫
    {'w', "人", "领", {1, 2}},        // 人 of 令 as a left side
    {'w', "𠆢", "舒", {1, 2}},        // 𠆢 of 舍 as a left side
    {'r', "扌", "娥", {5, 6, 7}},     // 扌 of 我 as a right side
    {'u', "六", "衮", {1, 2, 3, 4}},  // 六 of 衮, the dot of its 八 before the 丿
    {'u', "䒑", "圈", {3, 4, 5}},     // 䒑 narrowed inside 囗
    {'o', "业", "兼", {7, 8, 9, 10}}, // 业头 under 彐, its 丿 before the dot
    {'f', "二", "票", {7, 8}},        // 二 of 示 as a bottom, its first 横 short
};

RadicalShape apartShape(const ApartForm& f, const std::vector<Radical>& table,
                        const CharStrokes& ch) {
    RadicalShape s;
    s.key = QLatin1Char(f.key);
    s.text = QString::fromUtf8(f.text);
    for (const Radical& r : table)
        if (r.key == QString(s.key) && r.text == s.text)
            s.name = r.name;
    for (const int stroke : f.strokes)
        if (stroke >= 1 && stroke <= ch.count()) {
            s.medians.append(ch.medians[stroke - 1]);
            s.outlines.append(ch.strokes[stroke - 1]);
        }
    s.strokeCount = int(s.medians.size());
    const auto [low, high] = std::minmax(f.strokes);
    if (high - low + 1 > qsizetype(f.strokes.size()))
        s.span = ch.medians.mid(low - 1, high - low + 1);
    return s;
}

} // namespace

QList<RadicalShape> radicalShapes(const std::vector<Radical>& table, const StrokeData& strokes) {
    QList<RadicalShape> out;
    for (const Radical& r : table) {
        QString from = r.fromGlyph() ? r.glyph : r.exampleChar;
        int first = 0;
        int last = -1;
        if (r.fromStrokes()) {
            first = r.firstStroke;
            last = r.lastStroke;
        }
        if (r.fromGlyph() &&
            !QFile::exists(strokes.folder() + QLatin1Char('/') + from + QStringLiteral(".json"))) {
            for (const ExtraSource& e : kExtraSources)
                if (r.glyph == QString::fromUtf8(e.radical)) {
                    from = QString::fromUtf8(e.character);
                    first = e.first - 1;
                    last = e.last - 1;
                }
        }
        const auto ch = strokes.load(from);
        if (!ch)
            continue;
        if (last < 0)
            last = ch->count() - 1;
        if (first < 0 || last >= ch->count() || last < first)
            continue;
        RadicalShape s;
        s.key = r.key.at(0);
        s.text = r.text;
        s.name = r.name;
        s.medians = ch->medians.mid(first, last - first + 1);
        s.outlines = ch->strokes.mid(first, last - first + 1);
        s.strokeCount = r.strokeCount;
        out.append(s);
    }
    for (const ApartForm& f : kApartForms)
        if (const auto ch = strokes.load(QString::fromUtf8(f.character)))
            out.append(apartShape(f, table, *ch));
    return out;
}

QList<RadicalShape> handSplitShapes(const std::vector<Radical>& table, const StrokeData& strokes) {
    QList<RadicalShape> out = radicalShapes(table, strokes);
    for (const ApartForm& f : kHandSplitForms)
        if (const auto ch = strokes.load(QString::fromUtf8(f.character)))
            out.append(apartShape(f, table, *ch));
    return out;
}

QSet<QString> radicalCharacters(const std::vector<Radical>& table) {
    QSet<QString> out;
    for (const Radical& r : table)
        if (r.fromGlyph())
            out.insert(r.glyph);
    return out;
}

} // namespace datagen
