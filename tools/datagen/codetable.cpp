#include "codetable.h"

#include "common/fatalerror.h"

#include <QFile>
#include <algorithm>

namespace datagen {

QString CodeTable::defaultPath() {
    const QString env = qEnvironmentVariable("RADIANE_WUBI_TABLE");
    return env.isEmpty() ? QStringLiteral("/usr/share/rime-data/wubi86.dict.yaml") : env;
}

CodeTable CodeTable::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw radiane::FatalError(path, file.errorString());
    struct Entry {
        QString code;
        qint64 weight;
    };
    QHash<QString, QList<Entry>> entries;
    bool body = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!body) {
            body = line == QLatin1String("...");
            continue;
        }
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cols = line.split(QLatin1Char('\t'));
        if (cols.size() < 2 || cols[0].toUcs4().size() != 1)
            continue;
        const QString& code = cols[1];
        const bool valid = !code.isEmpty() && std::all_of(code.begin(), code.end(), [](QChar c) {
            return c >= QLatin1Char('a') && c <= QLatin1Char('y');
        });
        if (!valid)
            continue;
        entries[cols[0]].append({code, cols.size() > 2 ? cols[2].toLongLong() : 0});
    }
    if (!body)
        throw radiane::FatalError(path, QStringLiteral("no dictionary body"));

    CodeTable table;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        CharCodes c;
        c.character = it.key();
        const Entry* best = nullptr;
        for (const Entry& e : it.value()) {
            c.weight = std::max(c.weight, e.weight);
            if (!best || e.code.size() > best->code.size() ||
                (e.code.size() == best->code.size() && e.weight > best->weight))
                best = &e;
        }
        c.full = best->code;
        for (const Entry& e : it.value()) {
            if (e.code.size() == c.full.size() && e.code != c.full)
                c.fullAmbiguous = true;
            if (e.code.size() < c.full.size() && !c.shorter.contains(e.code))
                c.shorter.append(e.code);
        }
        std::stable_sort(c.shorter.begin(), c.shorter.end(),
                         [](const QString& a, const QString& b) { return a.size() < b.size(); });
        table.codes_.insert(c.character, c);
    }
    return table;
}

const CharCodes* CodeTable::find(const QString& character) const {
    auto it = codes_.constFind(character);
    return it == codes_.cend() ? nullptr : &it.value();
}

QStringList CodeTable::byFrequency() const {
    QList<const CharCodes*> list;
    for (const CharCodes& c : codes_)
        list.append(&c);
    std::sort(list.begin(), list.end(), [](const CharCodes* a, const CharCodes* b) {
        if (a->weight != b->weight)
            return a->weight > b->weight;
        return a->character < b->character;
    });
    QStringList out;
    for (const CharCodes* c : list)
        out.append(c->character);
    return out;
}

} // namespace datagen
