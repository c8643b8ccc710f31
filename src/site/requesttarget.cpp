#include "site/requesttarget.h"

#include <QByteArray>
#include <QList>
#include <QStringDecoder>

namespace radiane::site {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Strict percent-decoding: every '%' starts two hex digits, no NUL in the result.
std::optional<QByteArray> percentDecode(QByteArrayView text, bool plusIsSpace) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '%') {
            const int high = i + 1 < text.size() ? hexValue(text[i + 1]) : -1;
            const int low = i + 2 < text.size() ? hexValue(text[i + 2]) : -1;
            if (high < 0 || low < 0)
                return std::nullopt;
            c = static_cast<char>(high * 16 + low);
            i += 2;
        } else if (c == '+' && plusIsSpace) {
            c = ' ';
        }
        if (c == '\0')
            return std::nullopt;
        out.append(c);
    }
    return out;
}

// Bytes that don't spell text in codec give nothing. Code points of the private
// use area count as no text: GBK maps its unassigned bytes (FF, ...) there.
std::optional<QString> decodeStrict(const char* codec, QByteArrayView bytes) {
    QStringDecoder decoder(codec, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError() || text.contains(QChar::ReplacementCharacter))
        return std::nullopt;
    for (QChar c : text)
        if (c.category() == QChar::Other_PrivateUse)
            return std::nullopt;
    return text;
}

// UTF-8 text made of two-byte sequences only (U+0080..U+07FF) is also GBK when
// the same bytes are a Chinese character there, e.g. C2 A1.
bool onlyTwoByteLetters(const QString& text) {
    for (QChar c : text)
        if (c.unicode() < 0x80 || c.unicode() >= 0x800)
            return false;
    return !text.isEmpty();
}

std::optional<QString> queryValue(QByteArrayView query, QByteArrayView name, bool& broken) {
    std::optional<QString> found;
    qsizetype start = 0;
    while (start <= query.size()) {
        qsizetype end = query.indexOf('&', start);
        if (end < 0)
            end = query.size();
        const QByteArrayView pair = query.sliced(start, end - start);
        const qsizetype eq = pair.indexOf('=');
        const QByteArrayView key = eq < 0 ? pair : pair.first(eq);
        const QByteArrayView value = eq < 0 ? QByteArrayView() : pair.sliced(eq + 1);
        if (key == name && !found) {
            found = decodeQueryValue(value);
            if (!found)
                broken = true;
        } else if (!percentDecode(pair, true)) {
            broken = true;
        }
        start = end + 1;
    }
    return found;
}

std::optional<QChar> keyOf(QStringView name) {
    if (name.size() != 1)
        return std::nullopt;
    const QChar c = name.front().toLower();
    if (c < u'a' || c > u'y')
        return std::nullopt;
    return c;
}

Request routeOf(const QString& path, QByteArrayView query) {
    Request request;
    const QString trimmed = path.size() > 1 && path.endsWith(u'/') ? path.chopped(1) : path;
    if (trimmed == u"/") {
        request.route = Route::Home;
    } else if (trimmed == u"/wb") {
        request.route = Route::Practice;
    } else if (trimmed == u"/wbcx") {
        request.route = Route::LookupForm;
    } else if (trimmed == u"/wbcx/search.asp") {
        bool broken = false;
        const std::optional<QString> text = queryValue(query, "searchtxt", broken);
        if (broken) {
            request.route = Route::BadRequest;
        } else {
            request.route = Route::LookupResult;
            request.text = text.value_or(QString()).trimmed();
            request.character = firstCharacter(request.text);
        }
    } else if (trimmed == u"/wbwz" || trimmed == u"/wbwz/86help.htm") {
        request.route = Route::Tutorial;
    } else if (trimmed == u"/chart") {
        request.route = Route::Chart;
    } else if (trimmed == u"/site.css") {
        request.route = Route::Style;
    } else if (trimmed.startsWith(u"/wbwz/") && trimmed.endsWith(u".htm")) {
        if (const std::optional<QChar> key = keyOf(QStringView(trimmed).sliced(6).chopped(4))) {
            request.route = Route::Key;
            request.key = *key;
        }
    } else if (trimmed.startsWith(u"/pic/") && trimmed.endsWith(u".png")) {
        // No picture name starts with a dot: "/pic/...png" would ask for "..".
        const QString name = trimmed.sliced(5).chopped(4);
        if (!name.isEmpty() && !name.startsWith(u'.') && !name.contains(u'/') &&
            !name.contains(u'\\')) {
            request.route = Route::Picture;
            request.picture = name;
        }
    }
    return request;
}

} // namespace

std::optional<QString> decodeQueryValue(QByteArrayView encoded) {
    const std::optional<QByteArray> bytes = percentDecode(encoded, true);
    if (!bytes)
        return std::nullopt;
    const std::optional<QString> utf8 = decodeStrict("UTF-8", *bytes);
    if (utf8 && !onlyTwoByteLetters(*utf8))
        return utf8;
    if (const std::optional<QString> gbk = decodeStrict("GBK", *bytes))
        return gbk;
    return utf8;
}

QString firstCharacter(const QString& text) {
    if (text.isEmpty())
        return {};
    const bool pair = text.size() >= 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate();
    return text.first(pair ? 2 : 1);
}

Request parseTarget(QByteArrayView target) {
    Request bad;
    bad.route = Route::BadRequest;
    if (target.size() > kMaxTargetLength) {
        bad.route = Route::TooLong;
        return bad;
    }
    if (target.isEmpty() || target.front() != '/')
        return bad;
    for (char c : target)
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7f)
            return bad;
    const qsizetype fragment = target.indexOf('#');
    if (fragment >= 0)
        target = target.first(fragment);
    const qsizetype mark = target.indexOf('?');
    const QByteArrayView rawPath = mark < 0 ? target : target.first(mark);
    const QByteArrayView query = mark < 0 ? QByteArrayView() : target.sliced(mark + 1);
    const std::optional<QByteArray> pathBytes = percentDecode(rawPath, false);
    if (!pathBytes)
        return bad;
    const std::optional<QString> path = decodeStrict("UTF-8", *pathBytes);
    if (!path || path->contains(u'\\'))
        return bad;
    for (QStringView segment : QStringView(*path).split(u'/'))
        if (segment == u".." || segment == u".")
            return bad;
    return routeOf(*path, query);
}

} // namespace radiane::site
