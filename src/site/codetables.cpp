#include "site/codetables.h"

#include "common/fatalerror.h"
#include "common/regularfile.h"

#include <QDir>
#include <algorithm>

namespace radiane::site {

namespace {

constexpr qint64 kMaxTableBytes = 8 * 1024 * 1024;

// Calls take(first cell, second cell) for each line of two cells. A table that
// cannot be read (only bounded regular files are) is named in unusable.
template <typename Take> void readPairs(const QString& path, QStringList& unusable, Take take) {
    const FileBytes read = readRegularFile(path, kMaxTableBytes);
    if (!read.ok()) {
        unusable << fileMessage(path, read.reason);
        return;
    }
    const QString text = QString::fromUtf8(read.bytes);
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

CodeTables::CodeTables(const QString& folder, QStringList& unusable) {
    const QDir dir(folder);
    readPairs(dir.filePath(QStringLiteral("shortcodes.tsv")), unusable,
              [&](QString c, QStringView codes) {
                  shortCodes_.insert(c, codes.toString().split(u' ', Qt::SkipEmptyParts));
              });
    readPairs(dir.filePath(QStringLiteral("words.tsv")), unusable,
              [&](QString word, QStringView code) { words_.insert(word, code.toString()); });
    readPairs(dir.filePath(QStringLiteral("strokes.tsv")), unusable,
              [&](QString c, QStringView lines) { strokes_.insert(c, lines.toString()); });
    readPairs(
        dir.filePath(QStringLiteral("formexamples.tsv")), unusable,
        [&](QString name, QStringView cells) {
            const QString text = cells.toString();
            formExamples_.insert(name, {text.section(u'\t', 0, 0), text.section(u'\t', 1, 1)});
        });
    readPairs(dir.filePath(QStringLiteral("splits.txt")), unusable,
              [&](QString c, QStringView rest) { splits_.insert(c, rest.toString()); });
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

std::optional<Split> CodeTables::splitOf(const QString& character) const {
    // Full code, strokes of the parts, the parts' forms.
    const QStringList cells = splits_.value(character).split(u'\t');
    if (cells.size() != 3)
        return std::nullopt;
    // The strokes count the parts: a last form not told apart left no cell.
    const qsizetype parts = cells[1].count(u'|') + 1;
    Split split{cells[0], cells[2].split(u' ')};
    if (split.forms.size() > parts || parts > 4 || parts > split.code.size())
        return std::nullopt;
    split.forms.resize(parts);
    return split;
}

} // namespace radiane::site
