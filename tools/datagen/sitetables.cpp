// The tables of the built-in help site: shortcodes.tsv (every short code of each character),
// words.tsv (the most frequent words with their codes) and strokes.tsv (each character's
// stroke centre lines, for the numbered stroke order).
#include "codetable.h"
#include "command.h"
#include "strokedata.h"

#include "common/fatalerror.h"
#include "common/gbk.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <cmath>

namespace datagen {

namespace {

constexpr int kWords = 20000;   // words shipped, most frequent first
constexpr double kGrid = 8.0;   // stroke points are kept on a 128 × 128 grid
constexpr double kSimplify = 2; // grid cells a dropped point may lie off its line

bool isGb2312Hanzi(const QString& c) {
    const auto bytes = radiane::encodeGbk(c);
    return bytes && bytes->size() == 2 && uchar(bytes->at(0)) >= 0xB0 &&
           uchar(bytes->at(0)) <= 0xF7 && uchar(bytes->at(1)) >= 0xA1 &&
           uchar(bytes->at(1)) <= 0xFE;
}

struct Word {
    QString text;
    QString code;
    qint64 weight;
};

// Words of two or more GB2312 characters, each with its code of highest weight.
QList<Word> readWords(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw radiane::FatalError(path, file.errorString());
    QHash<QString, Word> best;
    bool body = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!body) {
            body = line == QLatin1String("...");
            continue;
        }
        const QStringList cols = line.split(QLatin1Char('\t'));
        if (cols.size() < 3 || cols[0].size() < 2 || cols[1].size() != 4 ||
            cols[1].contains(QLatin1Char('z')))
            continue;
        bool allHanzi = true;
        for (QChar c : cols[0])
            allHanzi = allHanzi && isGb2312Hanzi(QString(c));
        const qint64 weight = cols[2].toLongLong();
        auto it = best.find(cols[0]);
        if (!allHanzi || (it != best.end() && it->weight >= weight))
            continue;
        best.insert(cols[0], {cols[0], cols[1], weight});
    }
    QList<Word> words = best.values();
    std::sort(words.begin(), words.end(), [](const Word& a, const Word& b) {
        return a.weight != b.weight ? a.weight > b.weight : a.text < b.text;
    });
    return words.mid(0, kWords);
}

double offLine(QPointF p, QPointF a, QPointF b) {
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    if (len < 1e-9)
        return std::hypot(p.x() - a.x(), p.y() - a.y());
    return std::abs(d.x() * (a.y() - p.y()) - d.y() * (a.x() - p.x())) / len;
}

// Douglas-Peucker on the grid points of one centre line.
void simplify(const QList<QPoint>& in, int first, int last, QList<QPoint>& out) {
    double far = 0;
    int at = -1;
    for (int i = first + 1; i < last; ++i) {
        const double d = offLine(in[i], in[first], in[last]);
        if (d > far) {
            far = d;
            at = i;
        }
    }
    if (at >= 0 && far > kSimplify) {
        simplify(in, first, at, out);
        simplify(in, at, last, out);
    } else {
        out.append(in[last]);
    }
}

// "x,y x,y;x,y ..." on the 128 grid, strokes in writing order.
QString strokeText(const CharStrokes& strokes) {
    QStringList lines;
    for (const QList<QPointF>& median : strokes.medians) {
        QList<QPoint> grid;
        for (const QPointF& p : median) {
            const QPoint q(qBound(0, int(std::lround(p.x() / kGrid)), 127),
                           qBound(0, int(std::lround(p.y() / kGrid)), 127));
            if (grid.isEmpty() || grid.back() != q)
                grid.append(q);
        }
        if (grid.size() == 1)
            grid.append(grid.front());
        QList<QPoint> kept{grid.front()};
        simplify(grid, 0, int(grid.size()) - 1, kept);
        QStringList points;
        for (const QPoint& p : kept)
            points << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
        lines << points.join(QLatin1Char(' '));
    }
    return lines.join(QLatin1Char(';'));
}

void writeText(const QString& path, const QString& text) {
    QFile f(path);
    const QByteArray bytes = text.toUtf8();
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw radiane::FatalError(path, f.errorString());
}

} // namespace

} // namespace datagen

using namespace datagen;

DATAGEN_COMMAND(sitetables, "site-tables",
                "<data-folder>: shortcodes.tsv, words.tsv, strokes.tsv for the help site") {
    if (args.isEmpty())
        return 2;
    const QDir data(args[0]);
    const CodeTable table = CodeTable::read(CodeTable::defaultPath());
    const StrokeData strokeData;
    if (!strokeData.isValid())
        throw radiane::FatalError(strokeData.folder(),
                                  QStringLiteral("no stroke data (RADIANE_STROKES)"));
    QStringList characters;
    for (const CharCodes& c : table.all())
        if (isGb2312Hanzi(c.character))
            characters << c.character;
    std::sort(characters.begin(), characters.end());

    QString shortCodes = QStringLiteral("# character, its codes shorter than the full code\n");
    QString strokes = QStringLiteral("# character, stroke centre lines on a 128 grid (y down)\n");
    int withShort = 0;
    int withStrokes = 0;
    for (const QString& c : characters) {
        const CharCodes* codes = table.find(c);
        if (!codes->shorter.isEmpty()) {
            shortCodes += c + u'\t' + codes->shorter.join(u' ') + u'\n';
            ++withShort;
        }
        if (const auto s = strokeData.load(c)) {
            strokes += c + u'\t' + strokeText(*s) + u'\n';
            ++withStrokes;
        }
    }
    QString words = QStringLiteral("# word, code; the %1 most frequent words\n").arg(kWords);
    const QList<Word> list = readWords(CodeTable::defaultPath());
    for (const Word& w : list)
        words += w.text + u'\t' + w.code + u'\n';
    writeText(data.filePath(QStringLiteral("shortcodes.tsv")), shortCodes);
    writeText(data.filePath(QStringLiteral("words.tsv")), words);
    writeText(data.filePath(QStringLiteral("strokes.tsv")), strokes);
    QTextStream(stdout) << "short codes: " << withShort << " characters; words: " << list.size()
                        << "; stroke orders: " << withStrokes << " of " << characters.size()
                        << " characters\n";
    return 0;
}
