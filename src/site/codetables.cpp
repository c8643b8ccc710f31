#include "site/codetables.h"

#include "common/fatalerror.h"
#include "common/regularfile.h"

#include <QDir>
#include <algorithm>

namespace radiane::site {

namespace {

constexpr qint64 kMaxTableBytes = 8 * 1024 * 1024;

// The bytes of a table; empty, and the file named in unusable, when it cannot be read (only
// bounded regular files are).
QByteArray readTable(const QString& path, QStringList& unusable) {
    FileBytes read = readRegularFile(path, kMaxTableBytes);
    if (!read.ok())
        unusable << fileMessage(path, read.reason);
    return read.ok() ? std::move(read.bytes) : QByteArray();
}

// Calls take(first cell, the rest) for each line with a tab. Only the first cell is decoded
// here: the rest stays bytes until a table needs it.
template <typename Take> void forEachPair(const QByteArray& bytes, Take take) {
    for (qsizetype at = 0; at < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', at);
        end = end < 0 ? bytes.size() : end;
        const QByteArrayView line = QByteArrayView(bytes).sliced(at, end - at).trimmed();
        at = end + 1;
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const qsizetype tab = line.indexOf('\t');
        if (tab > 0)
            take(QString::fromUtf8(line.first(tab)), line.sliced(tab + 1));
    }
}

} // namespace

CodeTables::CodeTables(const QString& folder, QStringList& unusable) {
    const QDir dir(folder);
    forEachPair(readTable(dir.filePath(QStringLiteral("shortcodes.tsv")), unusable),
                [&](QString c, QByteArrayView codes) {
                    shortCodes_.insert(c, QString::fromUtf8(codes).split(u' ', Qt::SkipEmptyParts));
                });
    // Looked up by a search of the bytes: a hash of 20,000 words took longer to build than all
    // the rest of the site's data together, and words are looked up one query at a time.
    words_ = readTable(dir.filePath(QStringLiteral("words.tsv")), unusable);
    words_.prepend('\n');
    const QByteArray strokes = readTable(dir.filePath(QStringLiteral("strokes.tsv")), unusable);
    strokes_.reserve(strokes.count('\n'));
    forEachPair(strokes,
                [&](QString c, QByteArrayView lines) { strokes_.insert(c, lines.toByteArray()); });
    forEachPair(
        readTable(dir.filePath(QStringLiteral("formexamples.tsv")), unusable),
        [&](QString name, QByteArrayView cells) {
            const QString text = QString::fromUtf8(cells);
            formExamples_.insert(name, {text.section(u'\t', 0, 0), text.section(u'\t', 1, 1)});
        });
    forEachPair(
        readTable(dir.filePath(QStringLiteral("splits.txt")), unusable),
        [&](QString c, QByteArrayView rest) { splits_.insert(c, QString::fromUtf8(rest)); });
}

QString CodeTables::wordCode(const QString& word) const {
    if (word.isEmpty() || word.contains(u'\n') || word.contains(u'\t'))
        return {};
    const QByteArray key = '\n' + word.toUtf8() + '\t';
    const qsizetype at = words_.indexOf(key);
    if (at < 0)
        return {};
    const qsizetype from = at + key.size();
    const qsizetype end = words_.indexOf('\n', from);
    return QString::fromUtf8(
               QByteArrayView(words_).sliced(from, (end < 0 ? words_.size() : end) - from))
        .trimmed();
}

QList<QList<QPoint>> CodeTables::strokesOf(const QString& character) const {
    QList<QList<QPoint>> strokes;
    const QString text = QString::fromLatin1(strokes_.value(character));
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
