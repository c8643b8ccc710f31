#include "segmentation.h"

#include <QDebug>
#include <QLineF>
#include <QRectF>
#include <QSet>
#include <cmath>
#include <functional>
#include <limits>

namespace datagen {

namespace {

constexpr int kSamples = 8;
constexpr double kPi = 3.14159265358979323846;

// Points spread evenly along a polyline by arc length.
QList<QPointF> resample(const QList<QPointF>& line, int n) {
    QList<QPointF> out;
    if (line.isEmpty())
        return out;
    if (line.size() == 1) {
        for (int i = 0; i < n; ++i)
            out.append(line.first());
        return out;
    }
    double total = 0;
    for (qsizetype i = 1; i < line.size(); ++i)
        total += QLineF(line[i - 1], line[i]).length();
    if (total <= 0) {
        for (int i = 0; i < n; ++i)
            out.append(line.first());
        return out;
    }
    qsizetype seg = 1;
    double walked = 0;
    for (int k = 0; k < n; ++k) {
        const double target = total * k / (n - 1);
        while (seg < line.size() - 1 &&
               walked + QLineF(line[seg - 1], line[seg]).length() < target) {
            walked += QLineF(line[seg - 1], line[seg]).length();
            ++seg;
        }
        const double len = QLineF(line[seg - 1], line[seg]).length();
        const double t = len > 0 ? std::clamp((target - walked) / len, 0.0, 1.0) : 0.0;
        out.append(line[seg - 1] + (line[seg] - line[seg - 1]) * t);
    }
    return out;
}

double angleOf(QPointF v) {
    return std::atan2(v.y(), v.x());
}

double angleDiff(double a, double b) {
    double d = std::fabs(a - b);
    while (d > kPi)
        d = std::fabs(d - 2 * kPi);
    return d;
}

double length(const QList<QPointF>& line) {
    double total = 0;
    for (qsizetype i = 1; i < line.size(); ++i)
        total += QLineF(line[i - 1], line[i]).length();
    return total;
}

// Bounding box of centre lines, each side at least a fraction of the larger side so that a
// run of flat strokes is not blown up to full height.
QRectF box(const QList<QList<QPointF>>& lines) {
    QRectF r;
    bool first = true;
    for (const auto& line : lines)
        for (const QPointF& p : line) {
            if (first) {
                r = QRectF(p, QSizeF(0, 0));
                first = false;
            } else {
                r.setLeft(std::min(r.left(), p.x()));
                r.setRight(std::max(r.right(), p.x()));
                r.setTop(std::min(r.top(), p.y()));
                r.setBottom(std::max(r.bottom(), p.y()));
            }
        }
    const double side = std::max({r.width(), r.height(), 1.0});
    const double minSide = side * 0.35;
    if (r.width() < minSide)
        r.adjust(-(minSide - r.width()) / 2, 0, (minSide - r.width()) / 2, 0);
    if (r.height() < minSide)
        r.adjust(0, -(minSide - r.height()) / 2, 0, (minSide - r.height()) / 2);
    return r;
}

QPointF normalise(QPointF p, const QRectF& r) {
    return {(p.x() - r.left()) / r.width(), (p.y() - r.top()) / r.height()};
}

} // namespace

namespace {

// Whether a polyline turns: the direction before and after some inner point differs by more
// than 65 degrees with both legs a good part of the stroke, or by more than 80 degrees with both
// legs at least a small part (entry flicks of the brush turn less than that).
bool turns(const QList<QPointF>& pts, double total) {
    const int n = int(pts.size());
    for (int k = 2; k < n - 2; ++k) {
        const QPointF before = pts[k] - pts[0];
        const QPointF after = pts[n - 1] - pts[k];
        const double lb = std::hypot(before.x(), before.y()) / total;
        const double la = std::hypot(after.x(), after.y()) / total;
        const double d = angleDiff(angleOf(before), angleOf(after)) * 180 / kPi;
        if ((d > 65 && lb >= 0.3 && la >= 0.3) || (d > 80 && lb >= 0.15 && la >= 0.15))
            return true;
    }
    // A zigzag (横折折撇 of 专) keeps its ends in line: look at the legs around each point.
    for (int k = 3; k < n - 3; ++k) {
        const QPointF before = pts[k] - pts[k - 3];
        const QPointF after = pts[k + 3] - pts[k];
        if (std::hypot(before.x(), before.y()) < 0.12 * total ||
            std::hypot(after.x(), after.y()) < 0.12 * total)
            continue;
        if (angleDiff(angleOf(before), angleOf(after)) * 180 / kPi > 110)
            return true;
    }
    return false;
}

} // namespace

int strokeClass(const QList<QPointF>& median) {
    const double total = length(median);
    if (median.size() < 2 || total <= 0)
        return 4;
    QList<QPointF> pts = resample(median, 21);
    // A hook at the end (a short flick up and to the left) belongs to the stroke before it:
    // a vertical with a hook is still a vertical.
    bool hook = false;
    int h = int(pts.size()) - 1;
    while (h > 10 && pts[h].y() < pts[h - 1].y() && pts[h].x() <= pts[h - 1].x() + 1)
        --h;
    if (h < int(pts.size()) - 1 && length(pts.mid(h)) < 0.3 * total &&
        length(pts.mid(h)) > 0.03 * total) {
        hook = true;
        pts = resample(pts.mid(0, h + 1), 21);
    }
    const double body = length(pts);
    if (turns(pts, body))
        return 5;
    const QPointF v = pts.last() - pts.first();
    const double a = angleOf(v) * 180 / kPi; // y down: 90 is straight down
    if (hook)
        return (a > 65 && a < 115) ? 2 : 5;
    if (a > -75 && a <= 22)
        return 1;
    if (a > 22 && a <= 72)
        return 4;
    if (a > 72 && a <= 102)
        return 2;
    if (a > 102 || a <= -160)
        return 3;
    return 1;
}

// Stroke kinds in order. The centre lines of the stroke data slant a short 竖 into a 撇 or 点
// and back (宀 reads 点撇折 alone and 点竖折 in 安), so 竖, 撇 and 点 match each other. The
// classes of a form drawn alone and inside a character still differ at times in one stroke (女
// begins 点 alone and 折 in 安), so a radical of three or more strokes may differ in one.
bool sameKinds(const QList<int>& a, const QList<int>& b) {
    if (a.size() != b.size())
        return false;
    auto slanted = [](int k) { return k >= 2 && k <= 4; };
    qsizetype differing = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        differing += a[i] != b[i] && !(slanted(a[i]) && slanted(b[i]));
    return differing == 0 || (differing == 1 && a.size() >= 3);
}

bool identificationFits(const QList<QList<QPointF>>& medians, QChar letter, int end, int length,
                        QChar key) {
    static const char* zones[5] = {"gfd", "hjk", "tre", "yui", "nbv"};
    if (end < 1 || end > medians.size())
        return false;
    auto classAt = [&](int stroke) { return stroke >= 0 ? strokeClass(medians[stroke]) : 0; };
    int cls = classAt(end - 1);
    // A radical 刀, 力 or 方 counts its 折 (the 𠃌 before the final 丿), one ending in 戈 or 戋
    // its 丿 (not the final dot).
    const bool foldEnds = ((key == QLatin1Char('v') || key == QLatin1Char('l')) && length == 2) ||
                          (key == QLatin1Char('y') && length == 4);
    if (foldEnds && classAt(end - 2) == 5 && cls == 3)
        cls = 5;
    const bool geEnd = (key == QLatin1Char('a') || key == QLatin1Char('g')) && length >= 4;
    if (geEnd && classAt(end - 3) == 5 && classAt(end - 2) == 3 && cls == 4)
        cls = 3;
    return QString::fromLatin1(zones[cls - 1]).contains(letter);
}

QChar identificationLetter(int cls, int structure) {
    static const char* zones[5] = {"gfd", "hjk", "tre", "yui", "nbv"};
    if (cls < 1 || cls > 5 || structure < 1 || structure > 3)
        return {};
    return QLatin1Char(zones[cls - 1][structure - 1]);
}

bool strokesMatch(const QList<QList<QPointF>>& character, int first, const RadicalShape& radical) {
    const int n = int(radical.medians.size());
    if (n == 0 || first < 0 || first + n > character.size())
        return false;
    const QList<QList<QPointF>> run = character.mid(first, n);
    if (n == 1)
        return strokeClass(run[0]) == strokeClass(radical.medians[0]);
    static const bool debug = qEnvironmentVariableIsSet("DATAGEN_DEBUG");
    const QRectF rb = box(run);
    const QRectF tb = box(radical.medians);
    double layout = 0;
    for (int i = 0; i < n; ++i) {
        const QList<QPointF> a = resample(run[i], kSamples);
        const QList<QPointF> b = resample(radical.medians[i], kSamples);
        // Direction of the stroke, leg by leg, in the squeezed boxes.
        double dir = 0;
        int legs = 0;
        for (int k = 1; k < kSamples; ++k) {
            const QPointF da = normalise(a[k], rb) - normalise(a[k - 1], rb);
            const QPointF db = normalise(b[k], tb) - normalise(b[k - 1], tb);
            if (std::hypot(da.x(), da.y()) < 1e-3 || std::hypot(db.x(), db.y()) < 1e-3)
                continue;
            dir += angleDiff(angleOf(da), angleOf(db));
            ++legs;
        }
        if (debug)
            qDebug() << radical.text << i << "dir" << (legs ? dir / legs * 180 / kPi : 0);
        if (legs > 0 && dir / legs > 50 * kPi / 180)
            return false;
        for (int k = 0; k < kSamples; ++k) {
            const QPointF d = normalise(a[k], rb) - normalise(b[k], tb);
            layout += std::hypot(d.x(), d.y());
        }
    }
    if (debug)
        qDebug() << radical.text << "layout" << layout / (n * kSamples);
    return layout / (n * kSamples) < 0.22;
}

PartRange partRange(const Split& split, int part) {
    const int r = split.radicalCount();
    int run = -1;
    if (part >= 1 && part <= 3 && part <= r)
        run = part - 1;
    else if (part == 4 && r >= 4)
        run = r - 1;
    if (run < 0)
        return {};
    return {split.runStart[run], split.runEnd(run)};
}

QList<int> partStrokes(const Split& split, int part) {
    if (!split.explicitParts.isEmpty())
        return split.explicitParts.value(part - 1);
    QList<int> out;
    const PartRange r = partRange(split, part);
    for (int s = r.first; s < r.end; ++s)
        out.append(s);
    return out;
}

Segmenter::Segmenter(QList<RadicalShape> radicals) : radicals_(std::move(radicals)) {}

bool Segmenter::runFits(const QList<QList<QPointF>>& medians, int first, int count,
                        QChar key) const {
    // The five basic strokes are radicals of their keys: 一 g, 丨 h, 丿 t, 丶 y, 乙 n.
    if (count == 1) {
        static const QString basic = QStringLiteral("ghtyn");
        const int cls = strokeClass(medians[first]);
        if (key.isNull())
            return true;
        if (basic.indexOf(key) == cls - 1)
            return true;
    }
    for (const RadicalShape& r : radicals_) {
        if (r.medians.size() != count || (!key.isNull() && r.key != key))
            continue;
        if (strokesMatch(medians, first, r))
            return true;
    }
    return false;
}

QList<Split> Segmenter::candidates(const CharStrokes& strokes, const QString& code) const {
    QList<Split> out;
    const QList<QList<QPointF>>& m = strokes.medians;
    const int n = int(m.size());
    if (code.size() < 3 || code.size() > 4 || n < 2)
        return out;
    const int maxRun = 12;
    // fits[first][count][key]; key index 25 = any radical.
    QHash<qint64, bool> memo;
    auto fits = [&](int first, int count, QChar key) {
        const qint64 id =
            (qint64(first) * 64 + count) * 64 + (key.isNull() ? 63 : key.unicode() - 'a');
        auto it = memo.constFind(id);
        if (it != memo.cend())
            return it.value();
        const bool f = runFits(m, first, count, key);
        memo.insert(id, f);
        return f;
    };
    // Fewest radicals that strokes [first, end) can be cut into.
    QHash<int, int> fewestMemo;
    std::function<int(int, int)> fewest = [&](int first, int end) {
        if (first >= end)
            return 0;
        if (const auto it = fewestMemo.constFind(first); it != fewestMemo.cend())
            return it.value();
        int best = end - first;
        for (int c = 2; c <= maxRun && first + c <= end; ++c)
            if (fits(first, c, QChar()))
                best = std::min(best, 1 + fewest(first + c, end));
        fewestMemo.insert(first, best);
        return best;
    };
    QSet<QString> seen;
    auto addSplit = [&](const QList<int>& starts) {
        Split s;
        s.runStart = starts;
        s.strokeCount = n;
        s.radicals = int(starts.size());
        if (starts.size() > code.size() - 1) {
            fewestMemo.clear();
            s.radicals = int(code.size()) + fewest(starts[code.size() - 1], starts.last());
        }
        // Reduce to the strokes of the parts so that splits differing only in the middle
        // radicals of a long character count once.
        QString id;
        for (int part = 1; part <= 4; ++part) {
            const PartRange p = partRange(s, part);
            id += QStringLiteral("%1-%2,").arg(p.first).arg(p.end);
        }
        if (!seen.contains(id)) {
            seen.insert(id);
            out.append(s);
        }
    };
    const QChar last = code.back();
    auto identOk = [&](const QList<int>& starts) {
        // When the character ends in a walk-around (辶 廴, key p) the letter is of the last
        // radical inside it; a final 之, drawn like 辶, ends in its 捺, which the stroke data
        // often draw flat.
        const qsizetype r = starts.size() - 1;
        if (code[r] == QLatin1Char('p') && r >= 1)
            return identificationFits(m, last, starts[r], starts[r] - starts[r - 1], code[r - 1]) ||
                   QStringLiteral("yui").contains(last);
        return identificationFits(m, last, n, n - starts[r], code[r]);
    };
    const int lead = int(code.size()) - 1; // radicals named by the leading letters
    // Leading runs named by the code, then either the end (with an identification letter) or,
    // for a 4-letter code, any middle radicals and a last radical of the code's last letter.
    std::function<void(int, int, QList<int>&)> walk = [&](int stroke, int run, QList<int>& starts) {
        if (run == lead) {
            if (stroke == n && identOk(starts))
                addSplit(starts);
            if (code.size() == 4 && stroke < n) {
                // Four or more radicals: the last run carries the last letter; any strokes
                // between are middle radicals (every single stroke is a radical, so they
                // always split; the parts do not depend on how).
                for (int c = 1; c <= maxRun && stroke + c <= n; ++c) {
                    if (!fits(n - c, c, last))
                        continue;
                    QList<int> st = starts;
                    for (int k = stroke; k < n - c; ++k)
                        st.append(k);
                    st.append(n - c);
                    addSplit(st);
                }
            }
            return;
        }
        for (int c = 1; c <= maxRun && stroke + c <= n; ++c) {
            if (!fits(stroke, c, code[run]))
                continue;
            starts.append(stroke);
            walk(stroke + c, run + 1, starts);
            starts.removeLast();
        }
    };
    QList<int> starts;
    walk(0, 0, starts);
    return out;
}

bool Segmenter::checkExplicit(const CharStrokes& strokes, const QString& code,
                              const QList<QList<int>>& parts, int radicalCount) const {
    const int lead = int(code.size()) - 1;
    const bool long4 = radicalCount >= 4;
    if (code.size() < 3 || (long4 ? code.size() != 4 || parts.size() != 4
                                  : radicalCount != lead || parts.size() != radicalCount))
        return false;
    QList<int> seen(strokes.count(), 0);
    for (qsizetype p = 0; p < parts.size(); ++p) {
        QList<QList<QPointF>> medians;
        for (int s : parts[p]) {
            if (s < 0 || s >= strokes.count() || seen[s]++)
                return false;
            medians.append(strokes.medians[s]);
        }
        bool fits = false;
        for (const RadicalShape& r : radicals_)
            if (r.key == code[p] && r.medians.size() == medians.size() &&
                strokesMatch(medians, 0, r))
                fits = true;
        // A single stroke on the key of a basic stroke: the split was checked by eye, and the
        // centre line of a short stroke is no sure guide to its kind (the short 丿 of 道 turns).
        if (medians.size() == 1 && QStringLiteral("ghtyn").contains(code[p]))
            fits = true;
        if (!fits)
            return false;
    }
    const int covered = int(std::count(seen.begin(), seen.end(), 1));
    if (long4 && radicalCount > 4)
        return covered < strokes.count();
    return covered == strokes.count();
}

QStringList Segmenter::formsOf(const CharStrokes& strokes, const QList<int>& part,
                               QChar key) const {
    QList<QList<QPointF>> medians;
    for (const int s : part)
        if (s >= 0 && s < strokes.count())
            medians.append(strokes.medians[s]);
    QStringList names;
    for (const RadicalShape& r : radicals_)
        if (r.key == key && !r.name.isEmpty() && r.medians.size() == medians.size() &&
            !names.contains(r.name) && strokesMatch(medians, 0, r))
            names.append(r.name);
    return names;
}

std::optional<Split> Segmenter::split(const CharStrokes& strokes, const QString& code,
                                      const std::function<bool(const Split&)>& accept) const {
    for (const bool apart : {false, true}) {
        QList<Split> all = apart ? apartCandidates(strokes, code) : candidates(strokes, code);
        if (accept)
            all.removeIf([&](const Split& s) { return !accept(s); });
        if (all.isEmpty())
            continue;
        int fewest = std::numeric_limits<int>::max();
        for (const Split& s : all)
            fewest = std::min(fewest, s.radicals);
        std::optional<Split> chosen;
        for (const Split& s : all) {
            if (s.radicals != fewest)
                continue;
            if (chosen)
                return std::nullopt;
            chosen = s;
        }
        return chosen;
    }
    return std::nullopt;
}

} // namespace datagen

namespace datagen {
QStringList matchingRadicals(const QList<RadicalShape>& radicals,
                             const QList<QList<QPointF>>& medians, int first, int count,
                             QChar key) {
    QStringList out;
    for (const RadicalShape& r : radicals)
        if (r.medians.size() == count && (key.isNull() || r.key == key) &&
            strokesMatch(medians, first, r))
            out.append(QString(r.key) + r.text);
    return out;
}
} // namespace datagen
