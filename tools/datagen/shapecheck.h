#pragma once

#include "segmentation.h"
#include "strokedata.h"

#include <QList>
#include <QString>

namespace datagen {

// The checks every radical of a split passes before the split is shipped, in the order they run.
enum class ShapeCheck {
    Passed,
    StrokeCount, // no form of the key has as many strokes as the radical
    StrokeKinds, // no form of that count has the radical's stroke kinds in order
    Geometry,    // no such form has the radical's strokes where the form has them
};

struct ShapeVerdict {
    ShapeCheck failed = ShapeCheck::Passed;
    int part = 0;       // 1..4: the first part that failed
    double overlap = 1; // best geometry overlap of the forms that got that far
    QString form;       // picture name of the form that passed (or came nearest)
    bool passed() const { return failed == ShapeCheck::Passed; }
};

// Overlap a radical's strokes need with a form's own strokes, both normalised to their boxes,
// stroke by stroke (tuned on the hand-checked splits).
inline constexpr double kGeometryThreshold = 0.35;

// Overlap of two stroke sets of equal size, each normalised to its own box: for each stroke pair
// the larger of the shares of either's ink that lies near the other's; the weakest pair counts.
double strokeOverlap(const QList<QPainterPath>& a, const QList<QPainterPath>& b);

class ShapeChecker {
public:
    // `units`: characters whose strokes but the last look like a form they do not hold (酉).
    explicit ShapeChecker(QList<RadicalShape> forms, QList<RadicalShape> units = {});

    // Checks strokes (0-based) of a character as one radical of `key`.
    ShapeVerdict checkRadical(const CharStrokes& strokes, const QList<int>& part, QChar key) const;
    // Checks parts 1..4 of a split made for `code`; the first failing part decides.
    ShapeVerdict checkSplit(const CharStrokes& strokes, const Split& split,
                            const QString& code) const;

private:
    QList<RadicalShape> forms_;
    QList<RadicalShape> units_;
};

// The units of ShapeChecker from the stroke data: 酉.
QList<RadicalShape> closedUnits(const StrokeData& strokes);

const char* shapeCheckName(ShapeCheck check);

} // namespace datagen
