// The fill-point list and coordinate reader over arbitrary text: bytes read as
// GBK (as the database gives them) and as raw UTF-16.
#include "common/gbk.h"
#include "fuzzsupport.h"
#include "lookup/seeds.h"

#include <QString>
#include <cstring>

using namespace radiane;
using namespace radiane::lookup;

namespace {

void checkList(const QString& list) {
    const std::vector<QPoint> points = parseSeeds(list);
    qsizetype trimmed = list.size();
    while (trimmed > 0 && list[trimmed - 1] == u' ')
        --trimmed;
    fuzz::check(static_cast<qsizetype>(points.size()) * 8 <= trimmed + 4,
                "more entries than the list holds");
    for (qsizetype i = 0; i < static_cast<qsizetype>(points.size()); ++i) {
        const QPoint p = points[static_cast<std::size_t>(i)];
        fuzz::check(p.x() == readCoordinate(QStringView(list).first(trimmed).mid(8 * i, 4)),
                    "x is not the coordinate of its four characters");
    }
}

// Digits only (no sign, point or other character): the value is the number,
// clamped to the 16-bit range.
void checkDigits(const QString& text) {
    if (text.isEmpty() || text.size() > 400)
        return;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return;
    qsizetype first = 0;
    while (first < text.size() - 1 && text[first] == u'0')
        ++first;
    const QStringView digits = QStringView(text).sliced(first);
    const int expected = digits.size() > 5 ? 32767 : std::min(digits.toInt(), 32767);
    fuzz::check(readCoordinate(text) == expected, "a plain number read wrongly");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const QString gbk = decodeGbk(bytes);
    checkList(gbk);
    checkDigits(gbk);
    (void)readCoordinate(gbk);

    QString utf16(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    std::memcpy(utf16.data(), data, static_cast<std::size_t>(utf16.size()) * 2);
    checkList(utf16);
    (void)readCoordinate(utf16);
    return 0;
}
