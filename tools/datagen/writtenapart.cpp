// Splits whose radicals are not all consecutive runs of strokes, because writing order takes a
// radical apart.
#include "segmentation.h"

#include <QSet>
#include <functional>
#include <optional>

namespace datagen {

namespace {

constexpr int kMaxRun = 12;
constexpr int kMaxTail = 4; // closing strokes of an enclosure (囗 1, 匚 1, 西 of 酉 1, 戈 3)

QList<int> range(int first, int end) {
    QList<int> out;
    for (int s = first; s < end; ++s)
        out.append(s);
    return out;
}

// Forms written round what they hold and closed after it, beside the forms taken from strokes
// apart in an example (西 of 酉, 丁 of 可 …): 囗 and 匚 closed by their bottom stroke, 戈 and 弋
// by their 斜钩, 心 round the 丿 of 必, 禾 round the 北 of 乘.
const QString kEnclosingForms = QStringLiteral("囗匚戈弋心禾");

// An enclosure waiting to be closed: part `part` began with `head` and holds the parts up to
// `closeAt` (exclusive), after which its closing strokes come.
struct Pending {
    int part;
    QList<int> head;
    int closeAt;
};

} // namespace

bool Segmenter::strokesFit(const QList<QList<QPointF>>& medians, const QList<int>& strokes,
                           QChar key) const {
    QList<QList<QPointF>> picked;
    for (const int s : strokes)
        picked.append(medians[s]);
    if (picked.size() == 1 && QStringLiteral("ghtyn").indexOf(key) == strokeClass(picked[0]) - 1)
        return true;
    const bool apart = strokes.last() - strokes.first() + 1 > strokes.size();
    for (const RadicalShape& r : radicals_) {
        if (r.key != key || r.medians.size() != picked.size() ||
            (apart && r.span.isEmpty() && !kEnclosingForms.contains(r.text)) ||
            !strokesMatch(picked, 0, r))
            continue;
        if (r.span.isEmpty())
            return true;
        RadicalShape whole;
        whole.medians = r.span;
        if (strokes.last() - strokes.first() + 1 == r.span.size() &&
            strokesMatch(medians, strokes.first(), whole))
            return true;
    }
    return false;
}

int Segmenter::fewestRadicals(const QList<QList<QPointF>>& medians, int first, int end) const {
    QList<int> best(end - first + 1, 0); // best[i]: fewest for strokes [first + i, end)
    for (int i = end - first - 1; i >= 0; --i) {
        best[i] = 1 + best[i + 1];
        for (int c = 2; c <= kMaxRun && first + i + c <= end; ++c)
            if (runFits(medians, first + i, c, QChar()))
                best[i] = std::min(best[i], 1 + best[i + c]);
    }
    return best[0];
}

QList<Split> Segmenter::apartCandidates(const CharStrokes& strokes, const QString& code) const {
    QList<Split> out;
    const QList<QList<QPointF>>& m = strokes.medians;
    const int n = int(m.size());
    if (code.size() < 3 || code.size() > 4 || n < 2)
        return out;
    const int lead = int(code.size()) - 1;
    const QChar last = code.back();
    // Keyed by the key and the exact stroke numbers: a folded number could overflow and collide.
    QHash<QString, bool> memo;
    auto fits = [&](const QList<int>& set, QChar key) {
        QString id(key);
        for (const int s : set)
            id += QChar(char16_t(s + 1));
        if (const auto it = memo.constFind(id); it != memo.cend())
            return it.value();
        const bool f = strokesFit(m, set, key);
        memo.insert(id, f);
        return f;
    };
    // The ㇂丿丶 of 戈, to know its dot at the end of a character.
    std::optional<RadicalShape> geEnd;
    for (const RadicalShape& r : radicals_)
        if (r.key == QLatin1Char('a') && r.text == QStringLiteral("戈") && r.medians.size() == 4) {
            geEnd = r;
            geEnd->medians = r.medians.mid(1);
        }

    auto geEndsAt = [&](int end) { return geEnd && end >= 3 && strokesMatch(m, end - 3, *geEnd); };

    QSet<QList<QList<int>>> seen;
    QList<QList<int>> parts(lead);
    auto add = [&](const QList<QList<int>>& p, QList<int> middle) {
        if (seen.contains(p))
            return;
        seen.insert(p);
        Split s;
        s.strokeCount = n;
        s.explicitParts = p;
        s.radicals = int(p.size());
        // Middle radicals taken as large as they fit, run by run.
        std::sort(middle.begin(), middle.end());
        for (qsizetype i = 0; i < middle.size();) {
            qsizetype j = i;
            while (j + 1 < middle.size() && middle[j + 1] == middle[j] + 1)
                ++j;
            s.radicals += fewestRadicals(m, middle[i], middle[j] + 1);
            i = j + 1;
        }
        out.append(s);
    };
    // The end of a 4-letter code: middle radicals from `stroke`, then the last radical ending
    // at `end`, then strokes [end, n) that close an enclosure or are 戈's late dot.
    auto addLast = [&](int stroke, int end, QList<QList<int>> p, const QList<int>& after) {
        for (int c = 1; c <= kMaxRun && stroke + c <= end; ++c) {
            const QList<int> lastPart = range(end - c, end);
            if (!fits(lastPart, last))
                continue;
            QList<QList<int>> full = p;
            full.append(lastPart);
            add(full, range(stroke, end - c) + after);
        }
    };
    std::function<void(int, int, std::optional<Pending>, bool)> walk =
        [&](int stroke, int run, std::optional<Pending> pending, bool apart) {
            if (pending && run == pending->closeAt) {
                // The closing strokes come now; an enclosure of the last radical closes at the
                // very end instead.
                for (int t = 1; t <= kMaxTail && stroke + t <= n; ++t) {
                    // The dot of a final 戈 closes nothing but its 戈.
                    if (stroke + t == n && stroke > n - 3 && geEndsAt(n))
                        continue;
                    const QList<int> whole = pending->head + range(stroke, stroke + t);
                    if (!fits(whole, code[pending->part]))
                        continue;
                    parts[pending->part] = whole;
                    // Closed at the end: the letter is of the last stroke inside.
                    if (run == lead && stroke + t == n) {
                        if (identificationFits(m, last, stroke, int(parts[run - 1].size()),
                                               code[run - 1]))
                            add(parts, {});
                        continue;
                    }
                    walk(stroke + t, run, std::nullopt, true);
                }
                if (run == lead && code.size() == 4)
                    for (int t = 1; t <= kMaxTail && stroke + t < n; ++t) {
                        const QList<int> whole = pending->head + range(n - t, n);
                        if (!fits(whole, code[pending->part]))
                            continue;
                        parts[pending->part] = whole;
                        addLast(stroke, n - t, parts, {});
                    }
                return;
            }
            if (run == lead) {
                if (!apart && !pending) {
                    // 戈's dot, written last, is coded before the 丿 (成 is 厂 乙 乙 丿).
                    if (code.size() == 4 && n - 2 >= stroke && geEndsAt(n))
                        addLast(stroke, n - 1, parts, {n - 1});
                    return;
                }
                if (stroke == n &&
                    identificationFits(m, last, n, int(parts[run - 1].size()), code[run - 1]))
                    add(parts, {});
                if (code.size() == 4 && stroke < n)
                    addLast(stroke, n, parts, {});
                return;
            }
            for (int c = 1; c <= kMaxRun && stroke + c <= n; ++c) {
                const QList<int> run1 = range(stroke, stroke + c);
                if (!fits(run1, code[run]))
                    continue;
                parts[run] = run1;
                walk(stroke + c, run + 1, pending, apart);
            }
            // A radical begun here and closed after the next one or more; its head need not fit
            // alone (囗's 丨𠃌).
            if (!pending)
                for (int h = 1; h <= kMaxRun && stroke + h < n; ++h)
                    for (int closeAt = run + 2; closeAt <= lead; ++closeAt) {
                        parts[run] = range(stroke, stroke + h);
                        walk(stroke + h, run + 1, Pending{run, range(stroke, stroke + h), closeAt},
                             apart);
                    }
        };
    walk(0, 0, std::nullopt, false);
    return out;
}

} // namespace datagen
