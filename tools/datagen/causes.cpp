// `datagen causes`: why characters of the most frequent ones get no checked split, one cause each.
#include "codetable.h"
#include "command.h"
#include "handsplits.h"
#include "radicalshapes.h"
#include "segmentation.h"
#include "shapecheck.h"
#include "strokedata.h"
#include "traditional.h"

#include "common/gbk.h"

#include <QTextStream>
#include <functional>
#include <map>

using namespace datagen;

namespace {

bool gb2312Hanzi(const QString& c) {
    const auto bytes = radiane::encodeGbk(c);
    return bytes && bytes->size() == 2 && uchar(bytes->at(0)) >= 0xB0 &&
           uchar(bytes->at(0)) <= 0xF7 && uchar(bytes->at(1)) >= 0xA1;
}

// How many leading radicals of the code the strokes can be cut into as consecutive runs.
int leadingFit(const QList<RadicalShape>& shapes, const CharStrokes& strokes, const QString& code) {
    const int n = strokes.count();
    const int lead = int(code.size()) - 1;
    int best = 0;
    std::function<void(int, int)> walk = [&](int stroke, int part) {
        best = std::max(best, part);
        if (part == lead || best == lead)
            return;
        for (int c = 1; stroke + c <= n && c <= 12; ++c) {
            const bool basic = c == 1 && QStringLiteral("ghtyn").indexOf(code[part]) ==
                                             strokeClass(strokes.medians[stroke]) - 1;
            if (basic ||
                !matchingRadicals(shapes, strokes.medians, stroke, c, code[part]).isEmpty())
                walk(stroke + c, part + 1);
        }
    };
    walk(0, 0);
    return best;
}

} // namespace

DATAGEN_COMMAND(causes, "causes",
                "<radicals.tsv> [count]: why frequent characters have no checked split") {
    if (args.isEmpty())
        return 2;
    QTextStream out(stdout);
    const int limit = args.size() > 1 ? args[1].toInt() : 3500;
    const CodeTable table = CodeTable::read(CodeTable::defaultPath());
    const StrokeData strokeData;
    const auto radicalTable = loadRadicalTable(args[0]);
    const QList<RadicalShape> shapes = radicalShapes(radicalTable, strokeData);
    const QSet<QString> radicalTexts = radicalCharacters(radicalTable);
    const Segmenter segmenter(shapes);
    const ShapeChecker checker(shapes, closedUnits(strokeData));
    std::map<QString, QString> byCause;
    int eligible = 0;
    for (const QString& c : table.byFrequency()) {
        if (eligible >= limit)
            break;
        const CharCodes* codes = table.find(c);
        const QString& code = codes->full;
        if (!gb2312Hanzi(c) || radicalTexts.contains(c) || code.count(code[0]) == code.size() ||
            isTraditional(c))
            continue;
        ++eligible;
        const auto strokes = strokeData.load(c);
        QString cause;
        if (code.size() < 3 || codes->fullAmbiguous || !strokes) {
            cause = QStringLiteral("code or strokes unusable");
        } else if (handSplit(c)) {
            continue;
        } else {
            const QList<Split> all = segmenter.candidates(*strokes, code);
            auto passes = [&](const Split& s) {
                return checker.checkSplit(*strokes, s, code).passed();
            };
            if (segmenter.split(*strokes, code, passes))
                continue;
            if (all.isEmpty()) {
                const int fit = leadingFit(shapes, *strokes, code);
                cause = fit < int(code.size()) - 1
                            ? QStringLiteral("no run fits part %1").arg(fit + 1)
                            : QStringLiteral("leading parts fit, the end does not");
            } else {
                int passing = 0;
                std::map<ShapeCheck, int> failed;
                for (const Split& s : all) {
                    const ShapeVerdict v = checker.checkSplit(*strokes, s, code);
                    passing += v.passed();
                    ++failed[v.failed];
                }
                if (passing > 0)
                    cause = QStringLiteral("several passing splits disagree");
                else
                    cause = QStringLiteral("every split fails: ") +
                            QString::fromLatin1(shapeCheckName(failed.rbegin()->first));
            }
        }
        byCause[cause] += c;
    }
    for (const auto& [cause, chars] : byCause)
        out << cause << "\t" << chars.size() << "\t" << chars << "\n";
    return 0;
}
