#include "site/codetables.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace radiane::site {

namespace {

constexpr qint64 kMaxTableBytes = 8 * 1024 * 1024;

// Calls take(first cell, second cell) for each line of two cells.
template <typename Take> void readPairs(const QString& path, Take take) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxTableBytes)
        return;
    const QString text = QString::fromUtf8(file.readAll());
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        if (tab > 0)
            take(line.first(tab).toString(), line.sliced(tab + 1));
    }
}

} // namespace

CodeTables::CodeTables(const QString& folder) {
    const QDir dir(folder);
    readPairs(dir.filePath(QStringLiteral("shortcodes.tsv")), [&](QString c, QStringView codes) {
        shortCodes_.insert(c, codes.toString().split(u' ', Qt::SkipEmptyParts));
    });
    readPairs(dir.filePath(QStringLiteral("words.tsv")),
              [&](QString word, QStringView code) { words_.insert(word, code.toString()); });
    readPairs(dir.filePath(QStringLiteral("strokes.tsv")),
              [&](QString c, QStringView lines) { strokes_.insert(c, lines.toString()); });
    readPairs(dir.filePath(QStringLiteral("formexamples.tsv")),
              [&](QString name, QStringView text) { formExamples_.insert(name, text.toString()); });
}

QList<QList<QPoint>> CodeTables::strokesOf(const QString& character) const {
    QList<QList<QPoint>> strokes;
    const QString text = strokes_.value(character);
    if (text.isEmpty())
        return strokes;
    for (QStringView line : QStringView(text).split(u';')) {
        QList<QPoint> points;
        for (QStringView point : line.split(u' ', Qt::SkipEmptyParts)) {
            const qsizetype comma = point.indexOf(u',');
            bool okX = false;
            bool okY = false;
            const int x = point.first(std::max<qsizetype>(comma, 0)).toInt(&okX);
            const int y = point.sliced(comma + 1).toInt(&okY);
            if (comma > 0 && okX && okY)
                points.append(QPoint(qBound(0, x, 127), qBound(0, y, 127)));
        }
        if (points.isEmpty())
            return {}; // a broken line: no stroke order rather than a wrong one
        strokes.append(points);
    }
    return strokes;
}

} // namespace radiane::site
