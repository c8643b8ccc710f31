#include "codefile.h"

#include "common/fatalerror.h"
#include "common/gbk.h"
#include "common/twips.h"

#include <algorithm>

namespace datagen {

namespace {

QByteArray padded(const QByteArray& bytes, int width, const QString& what) {
    if (bytes.size() > width)
        throw radiane::FatalError(QStringLiteral("wwbb11.dat"),
                                  QStringLiteral("field too long: %1").arg(what));
    return bytes + QByteArray(width - bytes.size(), ' ');
}

QByteArray field(const QString& text, int width) {
    const auto bytes = radiane::encodeGbk(text);
    if (!bytes)
        throw radiane::FatalError(QStringLiteral("wwbb11.dat"),
                                  QStringLiteral("no GBK form: %1").arg(text));
    return padded(*bytes, width, text);
}

int key(const QByteArray& hanzi) {
    return (uchar(hanzi[0]) * 256 + uchar(hanzi[1])) - 65536;
}

} // namespace

QByteArray seedList(const QList<QPoint>& pixels) {
    if (pixels.size() > kSeedListWidth / 8)
        throw radiane::FatalError(QStringLiteral("wwbb11.dat"), QStringLiteral("too many points"));
    QByteArray out;
    for (const QPoint& p : pixels) {
        const int x = radiane::twips(p.x());
        const int y = radiane::twips(p.y());
        if (x < 0 || y < 0 || x > 9999 || y > 9999)
            throw radiane::FatalError(QStringLiteral("wwbb11.dat"),
                                      QStringLiteral("point out of range"));
        out += QByteArray::number(x).rightJustified(4, ' ');
        out += QByteArray::number(y).rightJustified(4, ' ');
    }
    return padded(out, kSeedListWidth, QStringLiteral("seeds"));
}

QByteArray codeDatabaseBytes(QList<CodeEntry> entries) {
    struct Row {
        int key;
        QByteArray bytes;
    };
    QList<Row> rows;
    for (const CodeEntry& e : entries) {
        const QByteArray hanzi = field(e.hanzi, 2);
        if (uchar(hanzi[0]) < 0x81 || hanzi[1] == ' ')
            throw radiane::FatalError(
                QStringLiteral("wwbb11.dat"),
                QStringLiteral("not a double-byte character: %1").arg(e.hanzi));
        QByteArray rec = hanzi;
        rec += field(e.code1, kCodeWidth);
        rec += field(e.code2, kCodeWidth);
        rec += field(e.code3, kCodeWidth);
        for (const QList<QPoint>& s : e.seeds)
            rec += seedList(s);
        Q_ASSERT(rec.size() == kRecordSize);
        rows.append({key(hanzi), rec});
    }
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.key < b.key; });
    QByteArray out;
    out.reserve(rows.size() * kRecordSize);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (i > 0 && rows[i].key == rows[i - 1].key)
            throw radiane::FatalError(QStringLiteral("wwbb11.dat"),
                                      QStringLiteral("character listed twice"));
        out += rows[i].bytes;
    }
    return out;
}

} // namespace datagen
