#include "shapecheck.h"

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <algorithm>
#include <limits>
#include <vector>

namespace datagen {

namespace {

constexpr int kGrid = 32; // raster side of a normalised radical
constexpr int kReach = 4; // pixels within which ink counts as near

// Bounding box of outlines, each side at least a third of the longer so that a flat radical
// (一, 二) is not stretched to full height.
QRectF boxOf(const QList<QPainterPath>& paths) {
    QRectF r;
    for (const QPainterPath& p : paths)
        r = r.isNull() ? p.boundingRect() : r.united(p.boundingRect());
    const double side = std::max({r.width(), r.height(), 1.0});
    const double minSide = side / 3;
    if (r.width() < minSide)
        r.adjust(-(minSide - r.width()) / 2, 0, (minSide - r.width()) / 2, 0);
    if (r.height() < minSide)
        r.adjust(0, -(minSide - r.height()) / 2, 0, (minSide - r.height()) / 2);
    return r;
}

using Grid = std::vector<char>; // kGrid × kGrid, 1 for ink

Grid raster(const QPainterPath& path, const QRectF& box) {
    QImage img(kGrid, kGrid, QImage::Format_Grayscale8);
    img.fill(0);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QTransform t;
    t.translate(1, 1);
    t.scale((kGrid - 2) / box.width(), (kGrid - 2) / box.height());
    t.translate(-box.left(), -box.top());
    p.setTransform(t);
    p.drawPath(path);
    p.end();
    Grid out(size_t(kGrid) * kGrid, 0);
    for (int y = 0; y < kGrid; ++y) {
        const uchar* line = img.constScanLine(y);
        for (int x = 0; x < kGrid; ++x)
            out[size_t(y) * kGrid + x] = line[x] != 0;
    }
    return out;
}

// Ink grown by kReach pixels in every direction (a square).
Grid dilated(const Grid& g) {
    Grid rows(g.size(), 0), out(g.size(), 0);
    for (int y = 0; y < kGrid; ++y)
        for (int x = 0; x < kGrid; ++x)
            for (int d = -kReach; d <= kReach; ++d)
                if (x + d >= 0 && x + d < kGrid && g[size_t(y) * kGrid + x + d]) {
                    rows[size_t(y) * kGrid + x] = 1;
                    break;
                }
    for (int y = 0; y < kGrid; ++y)
        for (int x = 0; x < kGrid; ++x)
            for (int d = -kReach; d <= kReach; ++d)
                if (y + d >= 0 && y + d < kGrid && rows[size_t(y + d) * kGrid + x]) {
                    out[size_t(y) * kGrid + x] = 1;
                    break;
                }
    return out;
}

// Share of the ink of `g` that lies on `near`; 1 for no ink.
double shareNear(const Grid& g, const Grid& near) {
    int ink = 0, hit = 0;
    for (size_t i = 0; i < g.size(); ++i)
        if (g[i]) {
            ++ink;
            hit += near[i];
        }
    return ink == 0 ? 1.0 : double(hit) / ink;
}

QList<int> kindsOf(const QList<QList<QPointF>>& medians) {
    QList<int> kinds;
    for (const auto& m : medians)
        kinds.append(strokeClass(m));
    return kinds;
}

const QString kBasicKeys = QStringLiteral("ghtyn"); // 一 丨 丿 丶 乙: one kind each

// Kinds of a radical against a form's. A short 撇 or 点 written on from the stroke before (the
// dots of 衤, the first 丿 of 爪) begins with a flick that reads as 折, so the first stroke of a
// two-stroke form may read as 折 in the place of a 撇 or 点; the geometry check still sees where it
// lies.
bool kindsFit(const QList<int>& form, const QList<int>& radical) {
    if (sameKinds(form, radical))
        return true;
    return form.size() == 2 && radical.size() == 2 && radical[0] == 5 &&
           (form[0] == 3 || form[0] == 4) && form[1] == radical[1];
}

// Whether the last of strokes [first, first + count) closes the frame they begin with: it lies
// no lower than the end of the frame's left vertical, the second stroke. 酉's bottom stroke does;
// the first stroke below a 覀 (栗 票) lies under the frame.
bool closesFrame(const QList<QList<QPointF>>& medians, int first, int count) {
    const QList<QPointF>& closing = medians[first + count - 1];
    double y = 0;
    for (const QPointF& p : closing)
        y += p.y();
    double frameBottom = std::numeric_limits<double>::lowest();
    for (const QPointF& p : medians[first + 1])
        frameBottom = std::max(frameBottom, p.y());
    return !closing.isEmpty() && y / double(closing.size()) <= frameBottom;
}

} // namespace

double strokeOverlap(const QList<QPainterPath>& a, const QList<QPainterPath>& b) {
    if (a.size() != b.size() || a.isEmpty())
        return 0;
    const QRectF boxA = boxOf(a), boxB = boxOf(b);
    double weakest = 1;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const Grid ra = raster(a[i], boxA), rb = raster(b[i], boxB);
        // The larger share: a 捺 squeezed to a dot on a left side still lies on the form's 捺.
        weakest =
            std::min(weakest, std::max(shareNear(ra, dilated(rb)), shareNear(rb, dilated(ra))));
    }
    return weakest;
}

ShapeChecker::ShapeChecker(QList<RadicalShape> forms, QList<RadicalShape> units)
    : forms_(std::move(forms)), units_(std::move(units)) {}

ShapeVerdict ShapeChecker::checkRadical(const CharStrokes& strokes, const QList<int>& part,
                                        QChar key) const {
    QList<QList<QPointF>> medians;
    QList<QPainterPath> outlines;
    for (const int s : part) {
        medians.append(strokes.medians.value(s));
        outlines.append(strokes.strokes.value(s));
    }
    const QList<int> kinds = kindsOf(medians);
    // A single stroke on the key of its kind (一 丨 丿 丶 乙) is that radical whatever its shape.
    const bool basic = part.size() == 1 && kBasicKeys.indexOf(key) >= 0;
    ShapeVerdict v;
    if (basic && !sameKinds({int(kBasicKeys.indexOf(key)) + 1}, kinds)) {
        v.failed = ShapeCheck::StrokeKinds;
        return v;
    }
    bool counted = false, kinded = false;
    v.overlap = 0;
    for (const RadicalShape& f : forms_) {
        if (f.key != key || f.strokeCount != part.size())
            continue;
        counted = true;
        if (f.medians.size() != part.size() || !kindsFit(kindsOf(f.medians), kinds))
            continue;
        kinded = true;
        const double o = strokeOverlap(outlines, f.outlines);
        if (o > v.overlap || v.form.isEmpty()) {
            v.overlap = std::max(o, v.overlap);
            v.form = f.name;
        }
    }
    if (basic)
        return v;
    if (!counted)
        v.failed = ShapeCheck::StrokeCount;
    else if (!kinded)
        v.failed = ShapeCheck::StrokeKinds;
    else if (v.overlap < kGeometryThreshold)
        v.failed = ShapeCheck::Geometry;
    return v;
}

ShapeVerdict ShapeChecker::checkSplit(const CharStrokes& strokes, const Split& split,
                                      const QString& code) const {
    // 酉 is 西 written round an inner 一 and closed by the bottom stroke: its first six strokes
    // look like 西, but the sixth is the inner 一.
    for (const RadicalShape& unit : units_)
        for (int first = 0; first + unit.medians.size() <= strokes.count(); ++first) {
            if (!strokesMatch(strokes.medians, first, unit) ||
                !closesFrame(strokes.medians, first, int(unit.medians.size())))
                continue;
            QList<int> cut;
            for (int s = first; s < first + unit.medians.size() - 1; ++s)
                cut.append(s);
            for (int part = 1; part <= 4; ++part)
                if (partStrokes(split, part) == cut) {
                    ShapeVerdict v;
                    v.failed = ShapeCheck::Geometry;
                    v.part = part;
                    v.overlap = 0;
                    return v;
                }
        }
    for (int part = 1; part <= 4 && part <= code.size(); ++part) {
        const QList<int> strokesOfPart = partStrokes(split, part);
        if (strokesOfPart.isEmpty())
            continue;
        ShapeVerdict v = checkRadical(strokes, strokesOfPart, code[part - 1]);
        v.part = part;
        if (!v.passed())
            return v;
    }
    return {};
}

QList<RadicalShape> closedUnits(const StrokeData& strokes) {
    QList<RadicalShape> out;
    if (const auto you = strokes.load(QStringLiteral("酉"))) {
        RadicalShape u;
        u.text = you->character;
        u.medians = you->medians;
        u.outlines = you->strokes;
        u.strokeCount = you->count();
        out.append(u);
    }
    return out;
}

const char* shapeCheckName(ShapeCheck check) {
    switch (check) {
    case ShapeCheck::Passed:
        return "passed";
    case ShapeCheck::StrokeCount:
        return "stroke count";
    case ShapeCheck::StrokeKinds:
        return "stroke kinds";
    case ShapeCheck::Geometry:
        return "geometry";
    }
    return "";
}

} // namespace datagen
