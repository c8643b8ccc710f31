#include "wubitable.h"

#include <QFile>
#include <algorithm>

namespace radiane::test {

std::optional<QHash<QString, QStringList>> readWubiCodes() {
    QFile file(QString::fromLatin1(kWubiTablePath));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    auto valid = [](QByteArrayView code) {
        return !code.isEmpty() &&
               std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'y'; });
    };
    QHash<QString, QStringList> codes;
    const QByteArray all = file.readAll();
    const qsizetype start = all.indexOf("\n...\n");
    if (start < 0)
        return std::nullopt;
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
        const qsizetype end = code.indexOf('\t');
        if (end >= 0)
            code = code.first(end);
        if (code.endsWith('\r'))
            code.chop(1);
        if (!valid(code))
            continue;
        const QString text = QString::fromUtf8(line.first(tab));
        if (text.toUcs4().size() == 1)
            codes[text].append(QString::fromLatin1(code));
    }
    return codes;
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
