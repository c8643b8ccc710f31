#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace radiane::site {

// What a request target asks the help site for.
enum class Route {
    Home,         // "/"
    Practice,     // "/wb": the practice guide
    LookupForm,   // "/wbcx"
    LookupResult, // "/wbcx/search.asp?...&searchtxt=<character>"
    Tutorial,     // "/wbwz/86help.htm" (and "/wbwz")
    Key,          // "/wbwz/<a..y>.htm"
    Chart,        // "/chart": the whole radical chart
    Style,        // "/site.css"
    Picture,      // "/pic/<name>.png"
    NotFound,     // a well-formed target that names no page: 404
    BadRequest,   // broken percent-encoding, NUL, "..", bad bytes: 400
    TooLong,      // longer than kMaxTargetLength: 414
};

inline constexpr qsizetype kMaxTargetLength = 2048;

struct Request {
    Route route = Route::NotFound;
    QChar key;         // Key: a..y
    QString character; // LookupResult: the first character asked for (may be empty)
    QString text;      // LookupResult: the whole query, trimmed (a word is looked up whole)
    QString picture;   // Picture: the name, e.g. "g01" or "夺-2"
};

// Reads an origin-form request target ("/path?query"). Never fails: what it
// cannot read becomes BadRequest, TooLong or NotFound.
Request parseTarget(QByteArrayView target);

// Percent-decodes a query value ('+' is a space) and reads the bytes as UTF-8,
// or as GBK when they are not UTF-8 or only spell Latin and Greek letters that
// GBK reads as one Chinese character (GBK is what the lookup dialog sends).
// Nothing for broken escapes, NUL, or bytes that are neither.
std::optional<QString> decodeQueryValue(QByteArrayView encoded);

// The first character of text (a surrogate pair counts as one).
QString firstCharacter(const QString& text);

} // namespace radiane::site
