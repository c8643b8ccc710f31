#include "codes/keymeaning.h"

namespace radiane::codes {

namespace {

// The identification keys by last stroke (rows) and shape (columns: 左右, 上下, 杂合).
struct StrokeRow {
    char16_t stroke;
    const char16_t* keys;
};
constexpr StrokeRow kIdentificationKeys[] = {
    {u'一', u"gfd"}, {u'丨', u"hjk"}, {u'丿', u"tre"}, {u'丶', u"yui"}, {u'乙', u"nbv"}};
constexpr const char16_t* kShapes[] = {u"左右型", u"上下型", u"杂合型"};

} // namespace

QString identificationNote(QChar key) {
    const QChar letter = key.toLower();
    for (const StrokeRow& row : kIdentificationKeys) {
        const int shape = QString::fromUtf16(row.keys).indexOf(letter);
        if (shape >= 0)
            return QStringLiteral("%1：末笔%2，%3")
                .arg(letter.toUpper(), QChar(row.stroke), QString::fromUtf16(kShapes[shape]));
    }
    return {};
}

KeyMeaning meaningOf(const CodeItem& item, const QString& code, int index) {
    if (index < 0 || index >= code.size() || index >= kMaxCodeKeys)
        return {};
    const QChar key = code[index];
    const QString& full = item.fullCode;
    // A radical that is a character: its key, then its strokes or its key again.
    if (item.wholeRadical)
        return {index == 0 && key == full.front() ? 1 : 0, false};
    if (index < full.size() && full[index] == key) {
        if (item.radicals[index])
            return {index + 1, false};
        return {0, !identificationNote(key).isEmpty()};
    }
    // A one-key short code need not be the first key of the full code (有 is E,
    // DEF in full): it then codes the radical whose key it is.
    for (int k = 0; k < full.size() && k < kMaxCodeKeys; ++k) {
        if (full[k] == key && item.radicals[k])
            return {k + 1, false};
    }
    return {};
}

QString wholeRadicalNote(const CodeItem& item, const QString& code, int index) {
    const QChar key = code[index];
    const QString& full = item.fullCode;
    const QString letter = key.toUpper();
    if (full.count(full.front()) == full.size())
        return QStringLiteral("%1：键名字，连打四下").arg(letter);
    for (const StrokeRow& row : kIdentificationKeys) {
        if (row.keys[0] != key)
            continue;
        // Key, first stroke, second stroke, last stroke; the last key of the full code is the last
        // stroke.
        const QString which = index == 1                      ? QStringLiteral("首笔")
                              : index == int(full.size()) - 1 ? QStringLiteral("末笔")
                                                              : QStringLiteral("次笔");
        return QStringLiteral("%1：%2%3").arg(letter, which, QChar(row.stroke));
    }
    return QStringLiteral("%1：单笔画，补足四码").arg(letter);
}

QString keyNote(const CodeItem& item, const QString& code, int index) {
    if (item.wholeRadical && index > 0 && index < code.size())
        return wholeRadicalNote(item, code, index);
    const KeyMeaning meaning = meaningOf(item, code, index);
    if (meaning.identification)
        return identificationNote(code[index]);
    if (meaning.part == 0 && index < code.size())
        return QStringLiteral("%1：简码键，不是“%2”的字根")
            .arg(code[index].toUpper(), item.character);
    return {};
}

} // namespace radiane::codes
