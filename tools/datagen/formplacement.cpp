#include "formplacement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace datagen {

namespace {

QRectF boxOf(const QList<QList<QPointF>>& medians) {
    QRectF box;
    for (const QList<QPointF>& m : medians)
        for (const QPointF& p : m)
            box = box.isNull() ? QRectF(p, QSizeF(1, 1)) : box.united(QRectF(p, QSizeF(1, 1)));
    return box;
}

QList<int> kinds(const QList<QList<QPointF>>& medians) {
    QList<int> out;
    for (const QList<QPointF>& m : medians)
        out.append(strokeClass(m));
    return out;
}

QList<QPointF> resampled(const QList<QPointF>& line, int count) {
    double length = 0;
    for (qsizetype i = 1; i < line.size(); ++i)
        length += std::hypot(line[i].x() - line[i - 1].x(), line[i].y() - line[i - 1].y());
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
    const double place = (std::abs(ba.left() - bb.left()) + std::abs(ba.right() - bb.right()) +
                          std::abs(ba.top() - bb.top()) + std::abs(ba.bottom() - bb.bottom())) /
                         kStrokeBox;
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
    }
    return place + 2 * shape / (a.size() * kSamples);
}

} // namespace

FormPlacer::FormPlacer(const std::vector<Radical>& table, QList<RadicalShape> shapes)
    : shapes_(std::move(shapes)) {
    for (const RadicalShape& s : shapes_) {
        if (s.name.isEmpty())
            continue;
        Form f{s.key, s.name, QString(), s.medians};
        for (const Radical& r : table)
            if (r.name == s.name && r.fromStrokes())
                f.example = r.exampleChar;
        forms_.append(f);
    }
}

QString FormPlacer::place(const CharStrokes& strokes, const QList<int>& part, QChar key) const {
    QList<QList<QPointF>> medians;
    for (const int s : part)
        if (s >= 0 && s < strokes.count())
            medians.append(strokes.medians[s]);
    if (medians.isEmpty())
        return {};
    const int n = int(medians.size());
    for (const Form& f : forms_)
        if (f.key == key && f.example == strokes.character && f.medians.size() == n)
            return f.name;

    const RadicalShape probe{key, QString(), QString(), {}, {}, 0, {}};
    QList<const Form*> matching;
    QList<const Form*> sameKinds;
    const QList<int> partKinds = kinds(medians);
    for (const Form& f : forms_) {
        if (f.key != key || f.medians.size() != n)
            continue;
        RadicalShape shape = probe;
        shape.medians = f.medians;
        if (strokesMatch(medians, 0, shape)) {
            if (!std::any_of(matching.cbegin(), matching.cend(),
                             [&](const Form* m) { return m->name == f.name; }))
                matching.append(&f);
        } else if (kinds(f.medians) == partKinds) {
            sameKinds.append(&f);
        }
    }
    const QList<const Form*>& pool = matching.isEmpty() ? sameKinds : matching;
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
        const bool first = code.front() == f.key && strokesMatch(strokes.medians, 0, shape);
        const bool last = (code.back() == f.key || code[code.size() - 2] == f.key) &&
                          strokesMatch(strokes.medians, strokes.count() - n, shape);
        if (first || last)
            return true;
    }
    return false;
}

QStringList FormPlacer::names() const {
    QStringList out;
    for (const Form& f : forms_)
        if (!out.contains(f.name))
            out.append(f.name);
    return out;
}

} // namespace datagen
