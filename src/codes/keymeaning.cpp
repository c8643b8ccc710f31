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

QString keyNote(const CodeItem& item, const QString& code, int index) {
    const KeyMeaning meaning = meaningOf(item, code, index);
    if (meaning.identification)
        return identificationNote(code[index]);
    if (meaning.part == 0 && index < code.size())
        return QStringLiteral("%1：简码键，不是“%2”的字根")
            .arg(code[index].toUpper(), item.character);
    return {};
}

} // namespace radiane::codes
