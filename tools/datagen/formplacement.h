#pragma once

#include "radicaltable.h"
#include "segmentation.h"
#include "strokedata.h"

#include <QList>
#include <QString>
#include <vector>

namespace datagen {

// Examples chosen by hand for a form the strokes cannot tell from its twin (picture names).
struct HandExamples {
    QString form;
    QString twin;
    QString characters;
};

// Which chart form of key a radical of a character is: the picture name, or empty when no form
// fits. Some forms taken from strokes of a character X (取自X) are drawn like another form of
// their key; they are forms of X and of characters holding all of X there, and of no other.
// Forms the strokes cannot tell apart (已, 巳 and 己) go by the characters known to hold them.
// Decided in turn by
//  1. the form taken from strokes of this very character or of X it holds;
//  2. the only form whose strokes match the part's in direction and layout;
//  3. of the forms that match (or, when none does, of those with the part's stroke kinds in
//     order), the nearest in shape: a lone straight stroke by its length (㇏ against 丶), one
//     or two strokes by their place in the square (⺊ against 卜), three or more by their place
//     and proportions (王旁 and 扌 are narrow, 青头 wide), and hooked strokes against plain
//     ones (才 against 十).
// Single-stroke and frame forms whose glyph the stroke package lacks (㇏, 𠃌, 𠃊, コ) are
// placed by strokes that stand in for them, taken from a character that holds them.
class FormPlacer {
public:
    FormPlacer(const std::vector<Radical>& table, QList<RadicalShape> shapes,
               const StrokeData& strokeData);

    QString place(const CharStrokes& strokes, const QList<int>& part, QChar key) const;
    // Whether the character's first or last strokes have the form's shape, and its full code
    // names the form's key there.
    bool holds(const CharStrokes& strokes, const QString& code, const QString& name) const;
    QStringList names() const;
    static QList<HandExamples> handExamples(const std::vector<Radical>& table);

private:
    struct Form {
        QChar key;
        QString name;
        QString example; // the character the form is taken from (source "strokes"), else empty
        QList<QList<QPointF>> medians;
        QList<QList<QPointF>> exampleMedians; // all strokes of the example
        int offset = 0;                       // where the form starts in its example
        QString heldBy; // characters known to hold a form the strokes cannot tell, else empty
        bool onlyInExample = false; // placed only where all of its example is held
    };
    // Whether the form may be the radical at strokes [first, ...) of the character, and
    // whether it surely is: the character is its example, holds it or is known to hold it.
    enum class Fit { No, Maybe, Surely };
    Fit fit(const Form& form, const CharStrokes& strokes, int first) const;
    QList<Form> forms_;
    QList<RadicalShape> shapes_;
};

} // namespace datagen
