#include "formplacement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace datagen {

namespace {

// Strokes (1-based, inclusive) standing in for a form whose glyph the stroke package lacks,
// for placing only: as shapes of the splitter they would let it try splits it does not need.
constexpr int kFoldClass = 5;        // strokeClass() of a stroke that turns
constexpr double kHookWeight = 0.25; // a hook against a plain end, as a mean point distance
// Of three strokes or more, how much their box's edges in the square and its proportions count.
constexpr double kEdgeWeight = 0.3;
constexpr double kAspectWeight = 0.3;

struct StandIn {
    const char* form;
    const char* character;
    int first;
    int last;
};
const StandIn kStandIns[] = {
    {"㇏", "长", 4, 4}, // the 捺 of 长, 久 and 尺, longer than a dot
    {"𠃌", "习", 1, 1}, // 横折钩, first stroke of 习 and 司
    {"𠃊", "世", 5, 5}, // 竖折, last stroke of 世, first of 以
    {"コ", "官", 5, 6}, // the frame open to the left in 官, 追 and 馆
};

// Forms drawn like another form of their key, so that no split can tell them apart:
// characters chosen by hand from the code table, shown under the form with its twin named.
struct Twin {
    const char* form;
    const char* twin;
    const char* characters;
};
const Twin kTwins[] = {
    {"⺲", "罒", "罢罪"}, // the net on top, drawn as 罒
};

// Forms drawn so alike that only the character tells them: the characters holding each. A
// listed form is the radical of these and of no other character; 己 takes the rest.
struct HeldBy {
    const char* form;
    const char* characters;
};
// Forms taken from a character X that are drawn like another form of their key: X's own, placed
// only where all of X is held. 小 of 糸 is not 少's top, 月 of 散 not 且's, 青头 of 精 not 生's.
const char* const kOwnForms[] = {"少", "且", "生", "礻", "衤", "社"};

const HeldBy kHeldBy[] = {
    {"已", "已"},
    {"巳", "巳包饱抱跑泡炮胞袍雹苞刨咆鲍疱庖导异巷港祀汜撰巽馔熙"},
};

QRectF boxOf(const QList<QList<QPointF>>& medians) {
    QRectF box;
    for (const QList<QPointF>& m : medians)
        for (const QPointF& p : m)
            box = box.isNull() ? QRectF(p, QSizeF(1, 1)) : box.united(QRectF(p, QSizeF(1, 1)));
    return box;
}

double lengthOf(const QList<QPointF>& line) {
    double length = 0;
    for (qsizetype i = 1; i < line.size(); ++i)
        length += std::hypot(line[i].x() - line[i - 1].x(), line[i].y() - line[i - 1].y());
    return std::max(length, 1.0);
}

QList<QPointF> resampled(const QList<QPointF>& line, int count);

// Whether a stroke ends in a hook, a short flick back up and to the left: 才 and 扌 against 十
// and the left of 物, 朩 against 木.
bool hooked(const QList<QPointF>& line) {
    const QList<QPointF> pts = resampled(line, 21);
    int h = int(pts.size()) - 1;
    while (h > 10 && pts[h].y() < pts[h - 1].y() && pts[h].x() <= pts[h - 1].x() + 1)
        --h;
    const double share = lengthOf(pts.mid(h)) / lengthOf(pts);
    return h < int(pts.size()) - 1 && share > 0.03 && share < 0.3;
}

// Whether a stroke that goes right rises as it does: the 提 that ends 王旁, against the flat
// last stroke of 青头.
bool rising(const QList<QPointF>& line) {
    constexpr double kSlope = 0.3;
    const QPointF d = line.back() - line.front();
    return d.x() > 0 && -d.y() > kSlope * d.x();
}

double pointToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF d = b - a;
    const double length2 = d.x() * d.x() + d.y() * d.y();
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / length2, 0.0, 1.0) : 0.0;
    const QPointF near = a + t * d - p;
    return std::hypot(near.x(), near.y());
}

// The least distance between two strokes (their medians).
double gap(const QList<QPointF>& a, const QList<QPointF>& b) {
    double best = std::numeric_limits<double>::max();
    auto towards = [&](const QList<QPointF>& from, const QList<QPointF>& to) {
        for (const QPointF& p : from)
            for (qsizetype i = 1; i < to.size(); ++i)
                best = std::min(best, pointToSegment(p, to[i - 1], to[i]));
    };
    towards(a, b);
    towards(b, a);
    return best;
}

// Which pairs of strokes cross each other: the 丿 of ナ crosses its 一, that of 丆 and 厂 not.
QList<bool> crossings(const QList<QList<QPointF>>& medians) {
    auto side = [](QPointF a, QPointF b, QPointF p) {
        return (b.x() - a.x()) * (p.y() - a.y()) - (b.y() - a.y()) * (p.x() - a.x());
    };
    auto cross = [&](const QList<QPointF>& a, const QList<QPointF>& b) {
        for (qsizetype i = 1; i < a.size(); ++i)
            for (qsizetype j = 1; j < b.size(); ++j)
                if (side(a[i - 1], a[i], b[j - 1]) * side(a[i - 1], a[i], b[j]) < 0 &&
                    side(b[j - 1], b[j], a[i - 1]) * side(b[j - 1], b[j], a[i]) < 0)
                    return true;
        return false;
    };
    QList<bool> out;
    for (qsizetype i = 0; i < medians.size(); ++i)
        for (qsizetype j = i + 1; j < medians.size(); ++j)
            out.append(cross(medians[i], medians[j]));
    return out;
}

QList<int> kinds(const QList<QList<QPointF>>& medians) {
    QList<int> out;
    for (const QList<QPointF>& m : medians)
        out.append(strokeClass(m));
    return out;
}

QList<QPointF> resampled(const QList<QPointF>& line, int count) {
    const double length = lengthOf(line);
    QList<QPointF> out;
    for (int k = 0; k < count; ++k) {
        double want = length * k / (count - 1);
        QPointF at = line.back();
        for (qsizetype i = 1; i < line.size(); ++i) {
            const QPointF d = line[i] - line[i - 1];
            const double leg = std::hypot(d.x(), d.y());
            if (want <= leg && leg > 0) {
                at = line[i - 1] + d * (want / leg);
                break;
            }
            want -= leg;
        }
        out.append(at);
    }
    return out;
}

// How far apart two runs of strokes are: where they stand in the character square (edges, in
// square widths) plus how their strokes lie within their own boxes (mean point distance).
double distance(const QList<QList<QPointF>>& a, const QList<QList<QPointF>>& b) {
    const QRectF ba = boxOf(a);
    const QRectF bb = boxOf(b);
    // A lone straight stroke is told by its length (a dot is short, a 捺 long): a glyph's place
    // in its own square says nothing of where such a stroke stands in a character.
    const bool lone = a.size() == 1 && strokeClass(a[0]) != kFoldClass;
    // One or two strokes more, by where they lie in the square (⺊ of 点 against 卜); three or
    // more by that and by their proportions, which a glyph drawn alone keeps: 王旁 is narrow,
    // 青头 wide, 王 square, and 扌, 土旁 and 日旁 are narrow.
    const double edges = (std::abs(ba.left() - bb.left()) + std::abs(ba.right() - bb.right()) +
                          std::abs(ba.top() - bb.top()) + std::abs(ba.bottom() - bb.bottom())) /
                         kStrokeBox;
    auto aspect = [](const QRectF& box) {
        constexpr double kPad = kStrokeBox / 16.0; // a lone vertical has no width
        return (box.width() + kPad) / (box.height() + kPad);
    };
    const double place =
        lone ? std::abs(std::log(lengthOf(a[0]) / lengthOf(b[0])))
        : a.size() < 3
            ? edges
            : kEdgeWeight * edges + kAspectWeight * std::abs(std::log(aspect(ba) / aspect(bb)));
    auto inBox = [](QPointF p, const QRectF& box) {
        return QPointF((p.x() - box.left()) / std::max(1.0, box.width()),
                       (p.y() - box.top()) / std::max(1.0, box.height()));
    };
    constexpr int kSamples = 8;
    double shape = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QList<QPointF> pa = resampled(a[i], kSamples);
        const QList<QPointF> pb = resampled(b[i], kSamples);
        for (int k = 0; k < kSamples; ++k) {
            const QPointF d = inBox(pa[k], ba) - inBox(pb[k], bb);
            shape += std::hypot(d.x(), d.y());
        }
        // Folds are told by where their corners lie; their hooks are too alike to count.
        if (strokeClass(a[i]) != kFoldClass && hooked(a[i]) != hooked(b[i]))
            shape += kSamples * kHookWeight;
        if (rising(a[i]) != rising(b[i]))
            shape += kSamples * kHookWeight;
    }
    return place + 2 * shape / (a.size() * kSamples);
}

} // namespace

FormPlacer::FormPlacer(const std::vector<Radical>& table, QList<RadicalShape> shapes,
                       const StrokeData& strokeData)
    : shapes_(std::move(shapes)) {
    for (const StandIn& standIn : kStandIns) {
        const QString form = QString::fromUtf8(standIn.form);
        const auto strokes = strokeData.load(QString::fromUtf8(standIn.character));
        const auto row = std::find_if(table.cbegin(), table.cend(),
                                      [&](const Radical& r) { return r.text == form; });
        const bool shaped =
            std::any_of(shapes_.cbegin(), shapes_.cend(), [&](const RadicalShape& s) {
                return row != table.cend() && s.name == row->name;
            });
        if (!strokes || row == table.cend() || shaped || standIn.last > strokes->count())
            continue;
        shapes_.append({row->key.at(0),
                        form,
                        row->name,
                        strokes->medians.mid(standIn.first - 1, standIn.last - standIn.first + 1),
                        {},
                        standIn.last - standIn.first + 1,
                        {}});
    }
    for (const RadicalShape& s : shapes_) {
        if (s.name.isEmpty())
            continue;
        Form f{s.key, s.name, QString(), s.medians, {}, 0, QString()};
        for (const Radical& r : table) {
            if (r.name != s.name)
                continue;
            if (r.fromStrokes()) {
                f.example = r.exampleChar;
                f.offset = r.firstStroke;
                if (const auto whole = strokeData.load(r.exampleChar))
                    f.exampleMedians = whole->medians;
            }
            for (const char* own : kOwnForms)
                f.onlyInExample = f.onlyInExample || r.text == QString::fromUtf8(own);
            for (const HeldBy& h : kHeldBy)
                if (r.text == QString::fromUtf8(h.form))
                    f.heldBy = QString::fromUtf8(h.characters);
        }
        forms_.append(f);
    }
}

FormPlacer::Fit FormPlacer::fit(const Form& form, const CharStrokes& strokes, int first) const {
    if (!form.heldBy.isEmpty())
        return form.heldBy.contains(strokes.character) ? Fit::Surely : Fit::No;
    if (form.example.isEmpty())
        return Fit::Maybe;
    if (form.example == strokes.character)
        return Fit::Surely;
    if (!form.onlyInExample)
        return Fit::Maybe;
    const int start = first - form.offset;
    const RadicalShape whole{form.key, QString(), form.name, form.exampleMedians, {}, 0, {}};
    const int size = int(form.exampleMedians.size());
    if (size == 0 || start < 0 || start + size > strokes.count() ||
        !strokesMatch(strokes.medians, start, whole))
        return Fit::No;
    // X's strokes are hooked as the character's: the 小 of 你 in 您 is not 少's. Strokes of X
    // that touch the form touch it in the character too: the 丿 of 生 meets its 一, the 丷 of
    // 美 stands apart from its 王.
    constexpr double kTouch = kStrokeBox * 0.044;
    const int n = int(form.medians.size());
    for (int i = 0; i < size; ++i) {
        if (strokeClass(form.exampleMedians[i]) != kFoldClass &&
            hooked(form.exampleMedians[i]) != hooked(strokes.medians[start + i]))
            return Fit::No;
        for (int k = form.offset; k < form.offset + n; ++k)
            if (i != k && (i < form.offset || i >= form.offset + n) &&
                gap(form.exampleMedians[i], form.exampleMedians[k]) < kTouch &&
                gap(strokes.medians[start + i], strokes.medians[start + k]) >= kTouch)
                return Fit::No;
    }
    return Fit::Surely;
}

QString FormPlacer::place(const CharStrokes& strokes, const QList<int>& part, QChar key) const {
    QList<QList<QPointF>> medians;
    for (const int s : part)
        if (s >= 0 && s < strokes.count())
            medians.append(strokes.medians[s]);
    if (medians.isEmpty())
        return {};
    const int n = int(medians.size());
    QList<const Form*> candidates;
    const Form* sure = nullptr;
    for (const Form& f : forms_) {
        if (f.key != key || f.medians.size() != n)
            continue;
        const Fit fits = fit(f, strokes, part.front());
        if (fits == Fit::Surely && (!sure || f.example == strokes.character))
            sure = &f;
        if (fits == Fit::Maybe)
            candidates.append(&f);
    }
    if (sure)
        return sure->name;

    const RadicalShape probe{key, QString(), QString(), {}, {}, 0, {}};
    QList<const Form*> matching;
    QList<const Form*> sameKinds;
    const QList<int> partKinds = kinds(medians);
    for (const Form* f : candidates) {
        RadicalShape shape = probe;
        shape.medians = f->medians;
        if (strokesMatch(medians, 0, shape)) {
            if (!std::any_of(matching.cbegin(), matching.cend(),
                             [&](const Form* m) { return m->name == f->name; }))
                matching.append(f);
        } else if (kinds(f->medians) == partKinds) {
            sameKinds.append(f);
        }
    }
    QList<const Form*> pool = matching.isEmpty() ? sameKinds : matching;
    // Of those, the forms whose strokes cross as the part's do, when any does.
    const QList<bool> partCrossings = crossings(medians);
    QList<const Form*> crossingAlike;
    for (const Form* f : pool)
        if (crossings(f->medians) == partCrossings)
            crossingAlike.append(f);
    if (!crossingAlike.isEmpty())
        pool = crossingAlike;
    if (pool.size() == 1)
        return pool.front()->name;
    const Form* nearest = nullptr;
    double best = std::numeric_limits<double>::max();
    for (const Form* f : pool) {
        const double d = distance(medians, f->medians);
        if (d < best) {
            best = d;
            nearest = f;
        }
    }
    return nearest ? nearest->name : QString();
}

bool FormPlacer::holds(const CharStrokes& strokes, const QString& code, const QString& name) const {
    if (code.size() < 3)
        return false;
    for (const Form& f : forms_) {
        const int n = int(f.medians.size());
        if (f.name != name || n >= strokes.count())
            continue;
        const RadicalShape shape{f.key, QString(), f.name, f.medians, {}, 0, {}};
        // The first radical is the first letter; the last is the last or, before an
        // identification letter, the one before it.
        const bool first = code.front() == f.key && strokesMatch(strokes.medians, 0, shape) &&
                           fit(f, strokes, 0) != Fit::No;
        const bool last = (code.back() == f.key || code[code.size() - 2] == f.key) &&
                          strokesMatch(strokes.medians, strokes.count() - n, shape) &&
                          fit(f, strokes, strokes.count() - n) != Fit::No;
        if (first || last)
            return true;
    }
    return false;
}

QList<HandExamples> FormPlacer::handExamples(const std::vector<Radical>& table) {
    QList<HandExamples> out;
    auto nameOf = [&](const char* text) {
        for (const Radical& r : table)
            if (r.text == QString::fromUtf8(text))
                return r.name;
        return QString();
    };
    for (const Twin& t : kTwins)
        if (!nameOf(t.form).isEmpty() && !nameOf(t.twin).isEmpty())
            out.append({nameOf(t.form), nameOf(t.twin), QString::fromUtf8(t.characters)});
    return out;
}

QStringList FormPlacer::names() const {
    QStringList out;
    for (const Form& f : forms_)
        if (!out.contains(f.name))
            out.append(f.name);
    return out;
}

} // namespace datagen
