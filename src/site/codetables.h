#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

namespace radiane::site {

// The help site's own tables of the program folder (UTF-8, tab-separated, '#' starts a
// comment line): shortcodes.tsv (a character and its codes shorter than the full code),
// words.tsv (a word and its code), strokes.tsv (a character and its stroke centre lines) and
// formexamples.tsv (a chart form no drilled character paints, characters holding it and, for a
// form drawn like another, that form's picture name) and
// splits.txt (a character, its full code, the strokes of each part and the part's chart form).
// A file that cannot be read leaves its table empty and is named in unusable.
// A character's checked split: its full code and the picture name of each part's chart form
// (empty where the form was not told apart), at most four parts.
struct Split {
    QString code;
    QStringList forms;
};

class CodeTables {
public:
    CodeTables() = default;
    CodeTables(const QString& folder, QStringList& unusable);

    bool hasShortCodes() const { return !shortCodes_.isEmpty(); }
    // The codes shorter than the full code, shortest first.
    QStringList shortCodesOf(const QString& character) const {
        return shortCodes_.value(character);
    }
    // The code of a word of two or more characters; empty when the table lacks it.
    QString wordCode(const QString& word) const;
    // The strokes of character in writing order, each a line of points on a 128 × 128 grid
    // (y pointing down); empty when the table lacks the character.
    QList<QList<QPoint>> strokesOf(const QString& character) const;
    // Characters holding a form (by picture name) that no drilled character paints.
    QString formExamples(const QString& picture) const {
        return formExamples_.value(picture).first;
    }
    // The form a form is drawn like, whose examples were chosen by hand; empty for others.
    QString formTwin(const QString& picture) const { return formExamples_.value(picture).second; }
    // Nothing when the table lacks the character or its line is broken.
    std::optional<Split> splitOf(const QString& character) const;

private:
    QHash<QString, QStringList> shortCodes_;
    QByteArray words_; // the file's lines, after a '\n'
    QHash<QString, QByteArray> strokes_;
    QHash<QString, std::pair<QString, QString>> formExamples_;
    QHash<QString, QString> splits_;
};

} // namespace radiane::site
