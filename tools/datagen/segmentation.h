#pragma once

#include "strokedata.h"

#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace datagen {

// Stroke classes of the Wubi method: 1 horizontal (rising strokes too), 2 vertical, 3 left-falling,
// 4 dot and right-falling, 5 turning.
int strokeClass(const QList<QPointF>& median);
// Stroke kinds in order, where 点 also stands for a short 竖 or 撇 slanted by the hand.
bool sameKinds(const QList<int>& a, const QList<int>& b);

// A radical as drawn: its key and the centre lines of its strokes in writing order.
struct RadicalShape {
    QChar key;
    QString text;
    QString name; // picture name of its row of the chart
    QList<QList<QPointF>> medians;
    QList<QPainterPath> outlines; // the strokes themselves, in the same order
    int strokeCount = 0;          // the count the radical table gives the form
    // For a form whose strokes are apart in its example: the example's strokes from the form's
    // first to its last, so that the form is taken apart only round what it holds there.
    QList<QList<QPointF>> span;
};

// How well strokes [first, first + n) of a character match a radical: true when every stroke
// has the radical's stroke direction and the strokes sit in the same places relative to each
// other (both measured in their own bounding boxes, so squeezed positional forms still match).
bool strokesMatch(const QList<QList<QPointF>>& character, int first, const RadicalShape& radical);

// The radicals of one character as consecutive runs of strokes, or, for a character whose
// radicals interleave (an enclosure closed after its inside), as explicit stroke sets.
struct Split {
    QList<int> runStart; // first stroke of each radical; runs end where the next begins
    int strokeCount = 0;
    QList<QList<int>> explicitParts; // when set: the strokes of parts 1..4 (0-based), in order
    int radicals = 0; // radicals in all, the middle ones of a long character taken as large as fit
    int radicalCount() const { return int(runStart.size()); }
    int runEnd(int run) const { // one past the last stroke
        return run + 1 < runStart.size() ? runStart[run + 1] : strokeCount;
    }
};

// The strokes of radical part 1..4: parts 1-3 are the first three radicals, part 4 the last of a
// character of four or more radicals. Empty when the character has no such part.
struct PartRange {
    int first = 0;
    int end = 0; // one past the last stroke
    bool isEmpty() const { return end <= first; }
};
PartRange partRange(const Split& split, int part);
// The strokes (0-based) of part 1..4, for either kind of split; empty when there is no such part.
QList<int> partStrokes(const Split& split, int part);

// Finds the radicals of a character from its full code. A code of 3 letters is two radicals
// and the identification letter; a code of 4 letters is either three radicals and the
// identification letter, or the first three and the last of four or more radicals. Every run
// must match a radical of the code's letter at its place (middle radicals of a long character
// may be any radical). Of the fitting splits, those with the fewest radicals are kept: a radical
// is always taken as large as it fits, so no split may cut a radical's strokes into smaller
// ones. The character is split only when the kept splits agree on the strokes of every part;
// otherwise (or when nothing fits) the result is empty.
class Segmenter {
public:
    explicit Segmenter(QList<RadicalShape> radicals);

    // Only splits `accept` takes (all when it is empty) are considered.
    std::optional<Split> split(const CharStrokes& strokes, const QString& fullCode,
                               const std::function<bool(const Split&)>& accept = {}) const;
    // Checks a hand-made split of strokes into radicals: every part must match a radical of the
    // code's letter at its place, and every stroke belong to one part (or, for a character of
    // four or more radicals, to a middle radical).
    bool checkExplicit(const CharStrokes& strokes, const QString& fullCode,
                       const QList<QList<int>>& parts, int radicalCount) const;
    // Picture names of the forms of key whose shape the given strokes (0-based) have.
    QStringList formsOf(const CharStrokes& strokes, const QList<int>& part, QChar key) const;
    // All part layouts of consecutive runs that fit, before the fewest radicals are chosen.
    QList<Split> candidates(const CharStrokes& strokes, const QString& fullCode) const;
    // Layouts where writing order takes a radical apart: one written round the next radicals and
    // closed after them (囗 of 国, 匚 of 区, 戈 of 惑, 西 of 酉), or 戈's dot, written last but
    // coded before its 丿 (成 is 厂 乙 乙 丿). Asked only when no run layout is accepted.
    QList<Split> apartCandidates(const CharStrokes& strokes, const QString& fullCode) const;

private:
    bool runFits(const QList<QList<QPointF>>& medians, int first, int count, QChar key) const;
    bool strokesFit(const QList<QList<QPointF>>& medians, const QList<int>& strokes,
                    QChar key) const;
    // Fewest radicals strokes [first, end) can be cut into.
    int fewestRadicals(const QList<QList<QPointF>>& medians, int first, int end) const;
    QList<RadicalShape> radicals_;
};

// Whether `letter` identifies a character whose last coded radical, of `key`, is strokes
// [end - length, end): the class of its last stroke, a final 折 of 刀 力 方 and the 丿 of a final
// 戈 or 戋 counting instead of the stroke after.
bool identificationFits(const QList<QList<QPointF>>& medians, QChar letter, int end, int length,
                        QChar key);

// Identification letter for a last stroke class and structure (1 left-right, 2 top-bottom,
// 3 other): the letter of zone `cls`, position `structure`.
QChar identificationLetter(int cls, int structure);

} // namespace datagen

namespace datagen {
// For diagnostics: the radicals of `key` (any key when null) that strokes [first, first+count)
// match.
QStringList matchingRadicals(const QList<RadicalShape>& radicals,
                             const QList<QList<QPointF>>& medians, int first, int count, QChar key);
} // namespace datagen
