#pragma once

#include <QHash>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

namespace radiane::site {

// The help site's own tables of the program folder (UTF-8, tab-separated, '#' starts a
// comment line): shortcodes.tsv (a character and its codes shorter than the full code),
// words.tsv (a word and its code), strokes.tsv (a character and its stroke centre lines) and
// formexamples.tsv (a chart form no drilled character paints, and characters holding it).
// A file that cannot be read leaves its table empty and is named in unusable.
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
    QString wordCode(const QString& word) const { return words_.value(word); }
    // The strokes of character in writing order, each a line of points on a 128 × 128 grid
    // (y pointing down); empty when the table lacks the character.
    QList<QList<QPoint>> strokesOf(const QString& character) const;
    // Characters holding a form (by picture name) that no drilled character paints.
    QString formExamples(const QString& picture) const { return formExamples_.value(picture); }

private:
    QHash<QString, QStringList> shortCodes_;
    QHash<QString, QString> words_;
    QHash<QString, QString> strokes_;
    QHash<QString, QString> formExamples_;
};

} // namespace radiane::site
