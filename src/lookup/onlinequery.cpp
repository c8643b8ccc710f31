#include "lookup/onlinequery.h"

#include "common/gbk.h"

namespace radiane::lookup {

const QStringList& exampleCharacters() {
    static const QStringList characters = [] {
        QStringList list;
        for (QChar c : QStringView(u"拜凹凸曹带年尴尬尬藏养逃曳贯晓典兜嗤"))
            list.append(QString(c));
        return list;
    }();
    return characters;
}

QString queryCharacter(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    if (begin == end)
        return {};
    const bool pair =
        end - begin >= 2 && text[begin].isHighSurrogate() && text[begin + 1].isLowSurrogate();
    return text.mid(begin, pair ? 2 : 1);
}

std::optional<QUrl> onlineQueryAddress(const QString& text, const WebSettings& settings) {
    const QString character = queryCharacter(text);
    if (character.isEmpty())
        return std::nullopt;
    const std::optional<QByteArray> bytes = encodeGbk(character);
    if (!bytes || bytes->isEmpty())
        return std::nullopt;
    // Unreserved bytes (letters, digits, - . _ ~) stay as they are, as any URL
    // normalises them; every other byte becomes %XX with upper-case hex.
    const QString query = QString::fromLatin1(bytes->toPercentEncoding());
    return siteAddress(QStringLiteral("/wbcx/search.asp?page=1&type=title&searchtxt=") + query,
                       settings);
}

} // namespace radiane::lookup
