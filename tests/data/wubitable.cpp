#include "wubitable.h"

#include <QFile>
#include <algorithm>

namespace radiane::test {

namespace {

// Calls row(character, code, weight) for every single-character row with a code of a to y.
template <typename Row> bool forEachRow(Row row) {
    QFile file(QString::fromLatin1(kWubiTablePath));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    auto valid = [](QByteArrayView code) {
        return !code.isEmpty() &&
               std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'y'; });
    };
    const QByteArray all = file.readAll();
    const qsizetype start = all.indexOf("\n...\n");
    if (start < 0)
        return false;
    const QByteArrayView body = QByteArrayView(all).sliced(start + 5);
    for (qsizetype pos = 0; pos < body.size();) {
        qsizetype next = body.indexOf('\n', pos);
        if (next < 0)
            next = body.size();
        const QByteArrayView line = body.sliced(pos, next - pos);
        pos = next + 1;
        const qsizetype tab = line.indexOf('\t');
        if (tab <= 0 || tab > 4) // one character is at most 4 bytes of UTF-8
            continue;
        QByteArrayView code = line.sliced(tab + 1);
        if (code.endsWith('\r'))
            code.chop(1);
        const qsizetype end = code.indexOf('\t');
        QByteArrayView weight = end >= 0 ? code.sliced(end + 1) : QByteArrayView();
        if (const qsizetype stem = weight.indexOf('\t'); stem >= 0)
            weight = weight.first(stem);
        if (end >= 0)
            code = code.first(end);
        if (!valid(code))
            continue;
        const QString text = QString::fromUtf8(line.first(tab));
        if (text.toUcs4().size() == 1)
            row(text, QString::fromLatin1(code), weight.toLongLong());
    }
    return true;
}

} // namespace

std::optional<QHash<QString, QStringList>> readWubiCodes() {
    QHash<QString, QStringList> codes;
    if (!forEachRow([&](const QString& c, const QString& code, qint64) { codes[c].append(code); }))
        return std::nullopt;
    return codes;
}

std::optional<QStringList> charactersByFrequency() {
    QHash<QString, qint64> weights;
    if (!forEachRow([&](const QString& c, const QString&, qint64 weight) {
            weights[c] = std::max(weights.value(c), weight);
        }))
        return std::nullopt;
    QStringList out = weights.keys();
    std::sort(out.begin(), out.end(), [&](const QString& a, const QString& b) {
        const qint64 wa = weights.value(a), wb = weights.value(b);
        return wa != wb ? wa > wb : a < b;
    });
    return out;
}

QStringList longestCodes(const QStringList& codes) {
    qsizetype longest = 0;
    for (const QString& c : codes)
        longest = std::max(longest, c.size());
    QStringList out;
    for (const QString& c : codes)
        if (c.size() == longest && !out.contains(c))
            out.append(c);
    return out;
}

} // namespace radiane::test
