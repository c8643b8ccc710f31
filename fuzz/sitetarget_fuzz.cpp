// The help site's request-target and query decoding over arbitrary bytes.
#include "fuzzsupport.h"
#include "site/requesttarget.h"

using namespace radiane;
using namespace radiane::site;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const Request request = parseTarget(bytes);
    if (bytes.size() > kMaxTargetLength)
        fuzz::check(request.route == Route::TooLong, "an over-long target was read");
    if (bytes.contains('\0'))
        fuzz::check(request.route == Route::BadRequest || request.route == Route::TooLong,
                    "a target with NUL was read");
    if (request.route == Route::Picture)
        fuzz::check(!request.picture.isEmpty() && !request.picture.contains(u'/') &&
                        !request.picture.contains(u'\\') && !request.picture.contains(QChar()) &&
                        request.picture != u"..",
                    "a picture name that could lead out of the picture table");
    if (request.route == Route::Key)
        fuzz::check(request.key >= u'a' && request.key <= u'y', "a key outside a..y");
    if (request.route == Route::LookupResult)
        fuzz::check(request.character.size() <= 2 && !request.character.contains(QChar()),
                    "more than one character asked for");

    if (const std::optional<QString> value = decodeQueryValue(bytes))
        fuzz::check(!value->contains(QChar()), "NUL in a decoded query");
    return 0;
}
