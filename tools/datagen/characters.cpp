// The characters half of the shipped data: zg2.txt (radicals in characters), zg2forms.txt (the
// chart form each item paints), the character pictures bmp/<character>.bmp and the code database
// wwbb11.dat, plus a review sheet.
#include "charpicture.h"
#include "codefile.h"
#include "codetable.h"
#include "command.h"
#include "formplacement.h"
#include "handsplits.h"
#include "radicalshapes.h"
#include "refusedsplits.h"
#include "segmentation.h"
#include "shapecheck.h"
#include "strokedata.h"
#include "traditional.h"

#include "common/fatalerror.h"
#include "common/gbk.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QPainter>
#include <QSet>
#include <QTextStream>
#include <algorithm>
#include <map>
#include <random>

namespace datagen {

namespace {

constexpr int kWantedCharacters = 1600; // characters drilled in zg2.txt
// Every drill start falls among the first items, so they come from the most frequent characters.
constexpr int kLeadingItems = 300;
constexpr int kLeadingCharacters = 500;
constexpr int kScanLimit = 3500; // most frequent characters looked at
constexpr std::uint32_t kOrderSeed = 20261207;

bool isGb2312Hanzi(const QString& c) {
    const auto bytes = radiane::encodeGbk(c);
    if (!bytes || bytes->size() != 2)
        return false;
    const uchar lead = uchar(bytes->at(0));
    const uchar trail = uchar(bytes->at(1));
    return lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE;
}

struct Drilled {
    int rank; // among the characters that are neither radicals nor key-name characters
    QString character;
    QString code;
    Split split;
    CharPicture picture;
    CharPicture picture2x;
};

// A character with a split that passed the shape checks.
struct Checked {
    int rank;
    QString character;
    QString code;
    Split split;
};

struct Item {
    QChar key;
    int part;
    QString character;
};

QString itemText(const Item& i) {
    return QString(i.key) + QString::number(i.part) + i.character;
}

// Mixed but reproducible order: a seeded shuffle (the Mersenne Twister's output is fixed by the
// standard; the index is drawn by plain modulo so no library distribution is involved), then
// neighbours that share a key or a character are pulled apart where a later item allows it.
// The first `leading` items stay first: they are pulled apart only among themselves.
void mixItems(QList<Item>& items, qsizetype leading) {
    std::mt19937 rng(kOrderSeed);
    auto shuffle = [&](qsizetype begin, qsizetype end) {
        for (qsizetype i = end - 1; i > begin; --i)
            std::swap(items[i], items[begin + qsizetype(rng() % std::uint32_t(i - begin + 1))]);
    };
    shuffle(0, leading);
    shuffle(leading, items.size());
    auto clash = [&](qsizetype a, qsizetype b) {
        return items[a].key == items[b].key || items[a].character == items[b].character;
    };
    for (qsizetype i = 1; i < items.size(); ++i) {
        if (!clash(i - 1, i))
            continue;
        for (qsizetype j = i + 1; j < (i < leading ? leading : items.size()); ++j) {
            const bool fitsHere =
                items[j].key != items[i - 1].key && items[j].character != items[i - 1].character;
            if (fitsHere) {
                std::swap(items[i], items[j]);
                break;
            }
        }
    }
}

// Strokes as 1-based numbers and ranges: "1-3,7".
QString strokeRanges(const QList<int>& strokes) {
    QStringList out;
    for (qsizetype i = 0; i < strokes.size();) {
        qsizetype j = i;
        while (j + 1 < strokes.size() && strokes[j + 1] == strokes[j] + 1)
            ++j;
        out.append(j == i ? QString::number(strokes[i] + 1)
                          : QStringLiteral("%1-%2").arg(strokes[i] + 1).arg(strokes[j] + 1));
        i = j + 1;
    }
    return out.join(QLatin1Char(','));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw radiane::FatalError(path, f.errorString());
}

// Review sheet: each item's character with the drilled radical painted black by exact-colour
// fills at its points, the item text below.
void writeSheet(const QString& path, const QList<Item>& items,
                const QHash<QString, const Drilled*>& byChar, int count) {
    const int cols = 20;
    const int cellW = kPictureWidth + 4, cellH = kPictureHeight + 18;
    const int n = std::min<int>(count, int(items.size()));
    QImage sheet(cols * cellW, ((n + cols - 1) / cols) * cellH, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(12);
    p.setFont(font);
    for (int i = 0; i < n; ++i) {
        const Drilled* d = byChar.value(items[i].character);
        QImage img = d->picture.image.convertToFormat(QImage::Format_RGB32);
        for (const QPoint& s : d->picture.seeds[items[i].part - 1])
            floodFill4(img, s, qRgb(0, 0, 0));
        const int x = (i % cols) * cellW, y = (i / cols) * cellH;
        p.drawImage(x + 2, y, img);
        p.setPen(Qt::blue);
        p.drawText(QRect(x, y + kPictureHeight, cellW, 18), Qt::AlignCenter,
                   itemText(items[i]) + QLatin1Char(' ') + d->code);
    }
    p.end();
    sheet.save(path);
}

// Review sheet of whole characters at twice the size, each part in a colour of its own (parts 1-4:
// red, green, blue, orange); strokes of no part stay grey.
struct Labelled {
    QString label;
    CharPicture picture; // drawn at twice the size
};
void writePartsSheet(const QString& path, const QList<Labelled>& characters) {
    const int cols = 8;
    const int cellW = 2 * kPictureWidth + 8, cellH = 2 * kPictureHeight + 20;
    const int n = int(characters.size());
    QImage sheet(cols * cellW, std::max(1, (n + cols - 1) / cols) * cellH, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(14);
    p.setFont(font);
    const QRgb colours[4] = {qRgb(220, 0, 0), qRgb(0, 150, 0), qRgb(0, 0, 230), qRgb(240, 140, 0)};
    for (int i = 0; i < n; ++i) {
        const CharPicture& picture = characters[i].picture;
        QImage img = picture.image.convertToFormat(QImage::Format_RGB32);
        for (int part = 0; part < 4; ++part)
            for (const QPoint& seed : picture.seeds[part])
                floodFill4(img, seed, colours[part]);
        const int x = (i % cols) * cellW, y = (i / cols) * cellH;
        p.drawImage(x + 4, y, img);
        p.setPen(Qt::blue);
        p.drawText(QRect(x, y + 2 * kPictureHeight, cellW, 20), Qt::AlignCenter,
                   characters[i].label);
    }
    p.end();
    sheet.save(path);
}

} // namespace

} // namespace datagen

using namespace datagen;

DATAGEN_COMMAND(characters, "characters",
                "<radicals.tsv> <data-folder> [review-folder]: zg2.txt, zg2forms.txt, character "
                "pictures, wwbb11.dat") {
    if (args.size() < 2) {
        QTextStream(stderr)
            << "usage: datagen characters <radicals.tsv> <data-folder> [review-folder]\n";
        return 2;
    }
    QTextStream out(stdout);
    const std::vector<Radical> radicalTable = loadRadicalTable(args[0]);
    const QDir data(args[1]);
    const QString review = args.size() > 2 ? args[2] : QString();
    const CodeTable table = CodeTable::read(CodeTable::defaultPath());
    const StrokeData strokeData;
    if (!strokeData.isValid())
        throw radiane::FatalError(strokeData.folder(),
                                  QStringLiteral("no stroke data (RADIANE_STROKES)"));
    const QList<RadicalShape> shapes = radicalShapes(radicalTable, strokeData);
    const QSet<QString> radicalTexts = radicalCharacters(radicalTable);
    const Segmenter segmenter(shapes);
    // Hand-made splits are checked, and their parts named, with the forms seen only in them too.
    const QList<RadicalShape> handShapes = handSplitShapes(radicalTable, strokeData);
    const Segmenter handSegmenter(handShapes);

    // Checked splits of the most frequent characters: the one split that fits and passes the
    // shape checks; the first kWantedCharacters that draw are drilled.
    const ShapeChecker checker(shapes, closedUnits(strokeData));
    const ShapeChecker handChecker(handShapes, closedUnits(strokeData));
    std::map<QString, int> rejected;
    std::map<ShapeCheck, int> caught;     // unchecked choices each check rejected
    std::map<QString, int> caughtOutcome; // what became of those characters
    QList<Item> failures;                 // their failing parts, for the review sheet
    QHash<QString, Split> failedSplits;
    QList<Checked> checked;
    QList<Drilled> drilled;
    const QStringList frequent = table.byFrequency();
    int eligible = 0;
    int handMade = 0;
    int enlarged2x = 0; // 2x pictures that could not be drawn to paint like the 1x ones
    for (const QString& c : frequent) {
        if (eligible >= kScanLimit)
            break;
        if (!isGb2312Hanzi(c))
            continue;
        const CharCodes* codes = table.find(c);
        const QString& code = codes->full;
        if (radicalTexts.contains(c) || code.count(code[0]) == code.size()) {
            ++rejected["is a radical or key-name character"];
            continue;
        }
        if (isTraditional(c)) {
            ++rejected["a traditional form"];
            continue;
        }
        const int rank = eligible++;
        if (code.size() < 3) {
            ++rejected["code too short"];
            continue;
        }
        if (codes->fullAmbiguous) {
            ++rejected["several full codes"];
            continue;
        }
        const auto strokes = strokeData.load(c);
        if (!strokes) {
            ++rejected["no stroke data"];
            continue;
        }
        auto passes = [&](const Split& s) {
            return checker.checkSplit(*strokes, s, code).passed();
        };
        const std::optional<Split> unchecked = segmenter.split(*strokes, code);
        std::optional<Split> fit = segmenter.split(*strokes, code, passes);
        const auto hand = handSplit(c);
        if (!hand && !refusedSplit(c).isEmpty()) {
            ++rejected["refused on the contact sheet"];
            continue;
        }
        if (hand) {
            // A hand-made split is used only where the data agree with it.
            Split s;
            s.strokeCount = strokes->count();
            s.explicitParts = hand->parts;
            // It answers for the shape checks: it was checked by eye on a contact sheet.
            if (hand->code != code ||
                !handSegmenter.checkExplicit(*strokes, code, hand->parts, hand->radicalCount)) {
                ++rejected[hand->parts.isEmpty() ? "refused by hand"
                                                 : "hand-made split does not fit"];
                continue;
            }
            fit = s;
            ++handMade;
        }
        if (unchecked) {
            const ShapeVerdict v = checker.checkSplit(*strokes, *unchecked, code);
            if (!v.passed()) {
                ++caught[v.failed];
                ++caughtOutcome[hand  ? "split by hand"
                                : fit ? "another fitting split passes"
                                      : "dropped"];
                failures.append({code[v.part - 1], v.part, c});
                failedSplits.insert(c, *unchecked);
            }
        }
        if (!fit) {
            ++rejected[segmenter.candidates(*strokes, code).isEmpty() ? "no split fits"
                       : unchecked                                    ? "fails the shape checks"
                                                                      : "several splits fit"];
            continue;
        }
        checked.append({rank, c, code, *fit});
        if (int(drilled.size()) >= kWantedCharacters)
            continue;
        auto picture = drawCharacter(*strokes, *fit);
        if (!picture) {
            ++rejected["too many pieces"];
            continue;
        }
        auto picture2x = drawCharacter(*strokes, *fit, 2);
        if (!picture2x || !fitToSeeds(*picture2x, *picture, 2)) {
            picture2x = enlarged(*picture, 2);
            ++enlarged2x;
        }
        drilled.append({rank, c, code, *fit, *picture, *picture2x});
    }

    // Characters that are themselves a radical (key names and the other radicals that are
    // characters) are painted whole: one part of every stroke. They get a picture and fill points
    // for the code drill, but no item in zg2.txt.
    QList<Drilled> wholes;
    for (const QString& c : frequent.mid(0, kScanLimit)) {
        const auto strokes = radicalTexts.contains(c) && isGb2312Hanzi(c) && !isTraditional(c)
                                 ? strokeData.load(c)
                                 : std::nullopt;
        if (!strokes)
            continue;
        Split whole;
        whole.strokeCount = strokes->count();
        whole.explicitParts.append(QList<int>{});
        for (int s = 0; s < whole.strokeCount; ++s)
            whole.explicitParts[0].append(s);
        auto picture = drawCharacter(*strokes, whole);
        if (!picture)
            continue;
        auto picture2x = drawCharacter(*strokes, whole, 2);
        if (!picture2x || !fitToSeeds(*picture2x, *picture, 2))
            picture2x = enlarged(*picture, 2);
        wholes.append({-1, c, table.find(c)->full, whole, *picture, *picture2x});
    }

    // Items of the most frequent characters first, shuffled: kLeadingItems of them lead the list
    // and the others join the rest.
    QList<Item> items;
    QHash<QString, const Drilled*> byChar;
    for (const Drilled& d : drilled)
        byChar.insert(d.character, &d);
    for (const bool frequentOnes : {true, false})
        for (const Drilled& d : drilled) {
            if ((d.rank < kLeadingCharacters) != frequentOnes)
                continue;
            for (int part = 1; part <= 4; ++part)
                if (!partStrokes(d.split, part).isEmpty())
                    items.append({d.code[part - 1], part, d.character});
        }
    const auto frequentItems = std::count_if(items.cbegin(), items.cend(), [&](const Item& i) {
        return byChar.value(i.character)->rank < kLeadingCharacters;
    });
    if (frequentItems < kLeadingItems)
        throw radiane::FatalError(QStringLiteral("zg2.txt"),
                                  QStringLiteral("too few items of frequent characters"));
    std::mt19937 pick(kOrderSeed);
    for (qsizetype i = frequentItems - 1; i > 0; --i)
        std::swap(items[i], items[qsizetype(pick() % std::uint32_t(i + 1))]);
    mixItems(items, kLeadingItems);

    QString list;
    for (const Item& i : items)
        list += itemText(i);
    const auto listBytes = radiane::encodeGbk(list + QStringLiteral("\r\n"));
    if (!listBytes)
        throw radiane::FatalError(QStringLiteral("zg2.txt"), QStringLiteral("no GBK form"));
    data.mkpath(QStringLiteral("bmp"));
    writeFile(data.filePath(QStringLiteral("zg2.txt")), *listBytes);

    // The form of the key each item paints.
    const FormPlacer placer(radicalTable, shapes, strokeData);
    const FormPlacer handPlacer(radicalTable, handShapes, strokeData);
    QString forms;
    int knownForms = 0;
    for (const Item& i : items) {
        const Drilled* d = byChar.value(i.character);
        const QString name =
            (handSplit(i.character) ? handPlacer : placer)
                .place(*strokeData.load(i.character), partStrokes(d->split, i.part), i.key);
        if (name.isEmpty())
            continue;
        forms += i.character + QLatin1Char('\t') + QString::number(i.part) + QLatin1Char('\t') +
                 name + QLatin1Char('\n');
        ++knownForms;
    }
    writeFile(data.filePath(QStringLiteral("zg2forms.txt")), forms.toUtf8());

    // Forms no drilled item paints and that are no character themselves (the help site shows
    // such a character): frequent characters that begin or end with the form, for the site.
    QSet<QString> painted;
    for (const QString& line : forms.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        painted.insert(line.section(QLatin1Char('\t'), 2));
    for (const Radical& r : radicalTable)
        if (isGb2312Hanzi(r.text) && table.find(r.text))
            painted.insert(r.name);
    QString formExamples = QStringLiteral(
        "# picture name, characters holding the form[, the form it is drawn like]\n");
    int unpainted = 0;
    for (const QString& name : placer.names()) {
        if (painted.contains(name))
            continue;
        ++unpainted;
        QStringList found;
        for (const QString& c : frequent.mid(0, kScanLimit)) {
            const CharCodes* codes = table.find(c);
            if (found.size() == 4 || !isGb2312Hanzi(c) || radicalTexts.contains(c))
                continue;
            const auto strokes = strokeData.load(c);
            if (strokes && placer.holds(*strokes, codes->full, name))
                found << c;
        }
        if (!found.isEmpty())
            formExamples += name + QLatin1Char('\t') + found.join(QString()) + QLatin1Char('\n');
    }
    // Then forms drawn like another one, with characters chosen by hand and that twin.
    for (const HandExamples& hand : FormPlacer::handExamples(radicalTable))
        if (!painted.contains(hand.form))
            formExamples += hand.form + u'\t' + hand.characters + u'\t' + hand.twin + u'\n';
    writeFile(data.filePath(QStringLiteral("formexamples.tsv")), formExamples.toUtf8());

    // Character pictures have one-character names; radical pictures have three. Remove the
    // character pictures of an earlier run first so none is left behind.
    QDir bmp(data.filePath(QStringLiteral("bmp")));
    for (const QString& name : bmp.entryList({QStringLiteral("*.bmp")}, QDir::Files))
        if (name.size() == 5)
            bmp.remove(name);
    for (const QString& name : bmp.entryList({QStringLiteral("*@2x.png")}, QDir::Files))
        if (name.size() == 8)
            bmp.remove(name);
    for (const Drilled& d : drilled + wholes) {
        if (!d.picture.image.save(bmp.filePath(d.character + QStringLiteral(".bmp")), "BMP"))
            throw radiane::FatalError(d.character + QStringLiteral(".bmp"),
                                      QStringLiteral("cannot write"));
        if (!d.picture2x.image.save(bmp.filePath(d.character + QStringLiteral("@2x.png")), "PNG"))
            throw radiane::FatalError(d.character + QStringLiteral("@2x.png"),
                                      QStringLiteral("cannot write"));
    }

    QList<CodeEntry> entries;
    for (const CharCodes& c : table.all()) {
        if (!isGb2312Hanzi(c.character))
            continue;
        CodeEntry e;
        e.hanzi = c.character;
        e.code1 = c.full;
        e.code2 = c.shorter.value(0);
        e.code3 = c.shorter.value(1);
        if (const Drilled* d = byChar.value(c.character))
            for (int k = 0; k < 4; ++k)
                e.seeds[k] = d->picture.seeds[k];
        for (const Drilled& w : wholes)
            if (w.character == c.character)
                e.seeds[0] = w.picture.seeds[0];
        entries.append(e);
    }
    writeFile(data.filePath(QStringLiteral("wwbb11.dat")), codeDatabaseBytes(entries));

    // The checked decompositions of the most frequent characters, drilled or not.
    QString splits;
    for (const Checked& k : checked) {
        QStringList parts, forms;
        for (int part = 1; part <= 4; ++part) {
            const QList<int> strokesOfPart = partStrokes(k.split, part);
            if (strokesOfPart.isEmpty())
                continue;
            parts.append(strokeRanges(strokesOfPart));
            forms.append(
                (handSplit(k.character) ? handChecker : checker)
                    .checkRadical(*strokeData.load(k.character), strokesOfPart, k.code[part - 1])
                    .form);
        }
        splits += k.character + QLatin1Char('\t') + k.code + QLatin1Char('\t') +
                  parts.join(QLatin1Char('|')) + QLatin1Char('\t') + forms.join(QLatin1Char(' ')) +
                  QLatin1Char('\n');
    }
    writeFile(data.filePath(QStringLiteral("splits.txt")), splits.toUtf8());

    if (!review.isEmpty()) {
        QDir().mkpath(review);
        // The splits the checks turned down, the failing part painted.
        QHash<QString, const Drilled*> failedByChar;
        QList<Drilled> failedDrawn;
        failedDrawn.reserve(failures.size());
        QList<Item> failedShown;
        for (const Item& i : failures)
            if (const auto picture =
                    drawCharacter(*strokeData.load(i.character), failedSplits.value(i.character))) {
                failedDrawn.append({0, i.character, table.find(i.character)->full,
                                    failedSplits.value(i.character), *picture, *picture});
                failedByChar.insert(i.character, &failedDrawn.last());
                failedShown.append(i);
            }
        writeSheet(QDir(review).filePath(QStringLiteral("characters-failed.png")), failedShown,
                   failedByChar, int(failedShown.size()));
        writeSheet(QDir(review).filePath(QStringLiteral("characters.png")), items, byChar, 400);
        // The characters split by hand, then those around a walk-around, all parts each.
        QList<Item> special;
        for (const bool byHand : {true, false})
            for (const Item& i : items)
                if (bool(handSplit(i.character)) == byHand &&
                    (byHand || byChar.value(i.character)->code.contains(QLatin1Char('p'))))
                    special.append(i);
        writeSheet(QDir(review).filePath(QStringLiteral("characters-enclosures.png")), special,
                   byChar, 400);
        // Every character split by hand, drilled or not, most frequent first.
        QList<Labelled> byHand;
        for (const Checked& k : checked)
            if (handSplit(k.character))
                if (const auto picture = drawCharacter(*strokeData.load(k.character), k.split, 2))
                    byHand.append(
                        {k.character + QLatin1Char(' ') + k.code +
                             (byChar.contains(k.character) ? QString() : QStringLiteral(" *")),
                         *picture});
        writePartsSheet(QDir(review).filePath(QStringLiteral("characters-hand.png")), byHand);
    }

    // Report.
    int perPart[5] = {0, 0, 0, 0, 0};
    std::map<QChar, int> perKey;
    for (const Item& i : items) {
        ++perPart[i.part];
        ++perKey[i.key];
    }
    out << "characters painted whole as their radical: " << wholes.size() << "\n";
    out << "characters drilled: " << drilled.size() << " (of " << eligible << " scanned, "
        << handMade << " split by hand)\n";
    for (const auto& [why, n] : rejected)
        out << "  left out, " << why << ": " << n << "\n";
    out << "items: " << items.size() << "; per part 1-4: " << perPart[1] << " " << perPart[2] << " "
        << perPart[3] << " " << perPart[4] << "\n";
    out << "items with a known form: " << knownForms << " of " << items.size()
        << "; forms no item paints: " << unpainted << "\n";
    out << "items per key:";
    for (const auto& [k, n] : perKey)
        out << " " << k << "=" << n;
    out << "\nrecords: " << entries.size() << "\n";
    out << "unchecked splits the shape checks turned down:";
    for (const auto& [check, n] : caught)
        out << " " << shapeCheckName(check) << " " << n << ";";
    out << " of these:";
    for (const auto& [what, n] : caughtOutcome)
        out << " " << what << " " << n << ";";
    out << "\n";
    QSet<QString> drilledSet, checkedSet;
    for (const Drilled& d : drilled)
        drilledSet.insert(d.character);
    for (const Checked& k : checked)
        checkedSet.insert(k.character);
    QStringList firstChars;
    for (const QString& c : frequent)
        if (isGb2312Hanzi(c) && !radicalTexts.contains(c) && !isTraditional(c) &&
            table.find(c)->full.count(table.find(c)->full[0]) != table.find(c)->full.size())
            firstChars.append(c);
    for (const int top : {500, 1500, 3500}) {
        int d = 0, k = 0;
        QString missing;
        for (const QString& c : firstChars.first(std::min<qsizetype>(top, firstChars.size()))) {
            d += drilledSet.contains(c);
            k += checkedSet.contains(c);
            if (top <= 1500 && !drilledSet.contains(c))
                missing += c;
        }
        out << "top " << top << ": drilled " << d << ", checked decomposition " << k;
        if (!missing.isEmpty())
            out << "; not drilled: " << missing;
        out << "\n";
    }
    out << "2x pictures enlarged from 1x: " << enlarged2x << "\n";
    return 0;
}

DATAGEN_COMMAND(split, "split",
                "<radicals.tsv> <characters>: show how each character splits into radicals") {
    if (args.size() < 2)
        return 2;
    QTextStream out(stdout);
    const CodeTable table = CodeTable::read(CodeTable::defaultPath());
    const StrokeData strokeData;
    const QList<RadicalShape> shapes = radicalShapes(loadRadicalTable(args[0]), strokeData);
    const Segmenter segmenter(shapes);
    const Segmenter handSegmenter(handSplitShapes(loadRadicalTable(args[0]), strokeData));
    const ShapeChecker checker(shapes, closedUnits(strokeData));
    const bool verbose = qEnvironmentVariableIsSet("DATAGEN_VERBOSE");
    for (const QString& arg : args.mid(1))
        for (const uint u : arg.toUcs4()) {
            const QString c = QString::fromUcs4(reinterpret_cast<const char32_t*>(&u), 1);
            const CharCodes* codes = table.find(c);
            const auto strokes = strokeData.load(c);
            if (!codes || !strokes) {
                out << c << ": no code or strokes\n";
                continue;
            }
            out << c << " " << codes->full << " classes ";
            for (const auto& m : strokes->medians)
                out << strokeClass(m);
            const QList<Split> all = segmenter.candidates(*strokes, codes->full) +
                                     segmenter.apartCandidates(*strokes, codes->full);
            out << ": " << all.size() << " fits"
                << (segmenter.split(*strokes, codes->full) ? ", one chosen" : "");
            for (const Split& s : all) {
                QStringList parts;
                for (int part = 1; part <= 4; ++part)
                    parts.append(strokeRanges(partStrokes(s, part)));
                const ShapeVerdict v = checker.checkSplit(*strokes, s, codes->full);
                out << "\n    " << s.radicals << " [" << parts.join(QLatin1Char(' ')) << "] "
                    << shapeCheckName(v.failed) << " " << v.part << " " << v.overlap;
            }
            std::optional<Split> chosen =
                segmenter.split(*strokes, codes->full, [&](const Split& s) {
                    return checker.checkSplit(*strokes, s, codes->full).passed();
                });
            if (const auto hand = handSplit(c)) {
                chosen = Split{};
                chosen->strokeCount = strokes->count();
                chosen->explicitParts = hand->parts;
                out << (hand->code == codes->full &&
                                handSegmenter.checkExplicit(*strokes, codes->full, hand->parts,
                                                            hand->radicalCount)
                            ? " hand"
                            : " hand (does not fit)");
            }
            if (chosen) {
                const ShapeVerdict v = checker.checkSplit(*strokes, *chosen, codes->full);
                out << " check: " << shapeCheckName(v.failed) << " part " << v.part << " overlap "
                    << v.overlap << " " << v.form;
            }
            out << "\n";
            for (int first = 0; verbose && first < strokes->count(); ++first)
                for (int count = 1; first + count <= strokes->count() && count <= 10; ++count) {
                    const QStringList m =
                        matchingRadicals(shapes, strokes->medians, first, count, QChar());
                    if (!m.isEmpty())
                        out << "    " << first + 1 << "-" << first + count << ": "
                            << m.join(QLatin1Char(' ')) << "\n";
                }
        }
    return 0;
}

DATAGEN_COMMAND(radicalclasses, "radical-classes",
                "<radicals.tsv>: stroke classes of each radical's strokes (diagnostics)") {
    if (args.isEmpty())
        return 2;
    QTextStream out(stdout);
    for (const RadicalShape& r : radicalShapes(loadRadicalTable(args[0]), StrokeData())) {
        out << r.key << " " << r.text << " ";
        for (const auto& m : r.medians)
            out << strokeClass(m);
        out << "\n";
    }
    return 0;
}
