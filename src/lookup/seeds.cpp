#include "lookup/seeds.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace radiane::lookup {

namespace {

// Characters from 0-based position `from`, at most `count` of them; past the
// end of text this is shorter or empty.
QStringView midOf(QStringView text, qsizetype from, qsizetype count) {
    if (from >= text.size())
        return {};
    return text.sliced(from, std::min(count, text.size() - from));
}

} // namespace

std::int16_t readCoordinate(QStringView text) {
    std::string number;
    bool negative = false;
    bool signRead = false;
    bool digits = false;
    bool point = false;
    for (const QChar c : text) {
        if (c == u' ')
            continue;
        if ((c == u'+' || c == u'-') && !signRead && number.empty()) {
            negative = c == u'-';
            signRead = true;
        } else if (c == u'.' && !point) {
            point = true;
            number += '.';
        } else if (c >= u'0' && c <= u'9') {
            digits = true;
            number += static_cast<char>(c.unicode());
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    // from_chars ignores the locale, unlike stod.
    double magnitude = 0;
    const std::from_chars_result read =
        std::from_chars(number.data(), number.data() + number.size(), magnitude);
    // A number too large for a double still clamps to the top of the range (a
    // failed conversion leaves magnitude at 0); one too small is 0 anyway.
    if (read.ec == std::errc::result_out_of_range) {
        const std::string whole = number.substr(0, number.find('.'));
        magnitude = whole.find_first_not_of('0') == std::string::npos
                        ? 0.0
                        : std::numeric_limits<double>::infinity();
    }
    // nearbyint rounds a half to the even neighbour in the default rounding mode.
    const double value = std::nearbyint(negative ? -magnitude : magnitude);
    constexpr double lowest = std::numeric_limits<std::int16_t>::lowest();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(value, lowest, highest));
}

std::vector<QPoint> parseSeeds(QStringView list) {
    qsizetype length = list.size();
    while (length > 0 && list[length - 1] == u' ')
        --length;
    const QStringView trimmed = list.first(length);

    // length / 8 rounded, a half to even: 12 -> 2, 20 -> 2, 28 -> 4.
    const qsizetype whole = length / 8;
    const qsizetype rest = length % 8;
    const qsizetype entries = whole + (rest > 4 || (rest == 4 && whole % 2 == 1) ? 1 : 0);

    std::vector<QPoint> points;
    points.reserve(static_cast<std::size_t>(entries));
    for (qsizetype i = 0; i < entries; ++i) {
        const int x = readCoordinate(midOf(trimmed, 8 * i, 4));
        const int y = readCoordinate(midOf(trimmed, 8 * i + 4, 4));
        points.emplace_back(x, y);
    }
    return points;
}

} // namespace radiane::lookup
