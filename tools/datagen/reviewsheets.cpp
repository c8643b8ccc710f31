// `datagen review-splits`: contact sheets of the checked splits that are new or changed since an
// earlier splits.txt, every radical in its own grey, to be looked at before they ship.
#include "charpicture.h"
#include "command.h"
#include "handsplits.h"
#include "radicalart.h"
#include "strokedata.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTextStream>

using namespace datagen;

namespace {

struct Row {
    QString character;
    QString code;
    QString parts;
};

QList<Row> readSplits(const QString& path) {
    QFile f(path);
    QList<Row> out;
    if (!f.open(QIODevice::ReadOnly))
        return out;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList cols = line.split(u'\t');
        if (cols.size() >= 3)
            out.append({cols[0], cols[1], cols[2]});
    }
    return out;
}

Split splitOf(const QString& parts, int strokeCount) {
    Split s;
    s.strokeCount = strokeCount;
    s.explicitParts = parseHandParts(parts);
    return s;
}

} // namespace

DATAGEN_COMMAND(
    reviewsplits, "review-splits",
    "<old splits.txt> <new splits.txt> <out-prefix>: sheets of new and changed splits") {
    if (args.size() < 3)
        return 2;
    QHash<QString, QString> before;
    for (const Row& r : readSplits(args[0]))
        before.insert(r.character, r.parts);
    QList<Row> shown;
    for (const Row& r : readSplits(args[1]))
        if (before.value(r.character) != r.parts)
            shown.append(r);
    const StrokeData strokeData;
    constexpr int kCols = 8, kRows = 5, kScale = 2;
    const int cellW = kPictureWidth * kScale + 8, cellH = kPictureHeight * kScale + 44;
    // Parts 1-4 black to light grey; middle radicals faintest.
    const QList<QRgb> greys{qRgb(255, 255, 255), qRgb(0, 0, 0),       qRgb(95, 95, 95),
                            qRgb(160, 160, 160), qRgb(205, 205, 205), qRgb(232, 226, 214)};
    int page = 0;
    for (qsizetype first = 0; first < shown.size(); first += kCols * kRows, ++page) {
        QImage sheet(kCols * cellW, kRows * cellH, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter p(&sheet);
        p.setFont(songFont(15));
        for (qsizetype i = first; i < std::min(shown.size(), first + kCols * kRows); ++i) {
            const Row& r = shown[i];
            const auto strokes = strokeData.load(r.character);
            if (!strokes)
                continue;
            auto picture = drawCharacter(*strokes, splitOf(r.parts, strokes->count()), kScale);
            if (!picture)
                continue;
            QImage img = picture->image;
            img.setColorTable(greys);
            const int x = int((i - first) % kCols) * cellW, y = int((i - first) / kCols) * cellH;
            p.drawImage(x + 4, y, img);
            p.setPen(before.contains(r.character) ? Qt::darkRed : Qt::darkBlue);
            p.drawText(QRect(x, y + kPictureHeight * kScale, cellW, 22), Qt::AlignCenter,
                       QStringLiteral("%1 %2 %3").arg(i + 1).arg(r.character, r.code));
            p.drawText(QRect(x, y + kPictureHeight * kScale + 20, cellW, 22), Qt::AlignCenter,
                       r.parts);
        }
        p.end();
        sheet.save(QStringLiteral("%1-%2.png").arg(args[2]).arg(page + 1, 2, 10, QLatin1Char('0')));
    }
    QTextStream(stdout) << shown.size() << " splits new or changed, " << page << " sheets\n";
    return 0;
}
