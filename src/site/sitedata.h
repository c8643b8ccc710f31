#pragma once

#include "common/programfolder.h"
#include "lookup/codedatabase.h"
#include "site/codetables.h"

#include <QChar>
#include <QHash>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace radiane::site {

// One row of the radical table radicals.tsv (columns read by position).
struct RadicalRow {
    QChar key;                // a..y
    QString form;             // the radical, or its example character
    bool fromExample = false; // drawn from strokes of an example character
    QString example;          // that character (form itself, unless the radical has a code point)
    QString picture;          // picture name in bmp/, e.g. "g01"
    QString note;
};

// A drill item of zg2.txt: character whose radical number part is on the key.
struct Example {
    QString character;
    int part = 0; // 1..4
};

// The shipped data the help pages are made from, read from the program folder
// once. Missing or unreadable files leave their part empty and are named, with
// the reason, by unusableFiles(); the pages show that instead of failing.
class SiteData {
public:
    explicit SiteData(const ProgramFolder& folder);
    SiteData(const SiteData&) = delete;
    SiteData& operator=(const SiteData&) = delete;

    // "文件 <path>：<reason>" for each data file that could not be used.
    const QStringList& unusableFiles() const { return unusableFiles_; }

    const std::vector<RadicalRow>& radicals() const { return radicals_; }
    std::vector<const RadicalRow*> radicalsOf(QChar key) const;
    // The drill items of key, in list order, each character once per form it paints.
    QList<Example> examplesOf(QChar key) const;

    // Picture name of the chart form example paints; empty when the data do not say
    // (zg2forms.txt missing, or the form was not told apart).
    QString formOf(const Example& example) const;
    bool hasForms() const { return !forms_.isEmpty(); }

    // Every drilled character once, in list order.
    QStringList drilledCharacters() const;

    // Characters in the code database.
    int characterCount() const { return database_.isOpen() ? database_.recordCount() : 0; }

    // Short codes, words and stroke orders.
    const CodeTables& tables() const { return tables_; }

    // The code record of character; nothing when it is not in the database.
    std::optional<lookup::CodeRecord> codes(const QString& character);

    // A picture by name: "g01" (a radical), "夺" (a character), "夺-2" (the
    // character with its second radical painted black, as the drill paints it).
    // Nothing for a name the picture table does not hold, nor for a part (an
    // ASCII digit 1 to 4) the code database gives the character no fill points for.
    std::optional<QImage> picture(const QString& name);
    bool hasPicture(const QString& name) const;

private:
    QStringList unusableFiles_;
    std::vector<RadicalRow> radicals_;
    QList<std::pair<QChar, Example>> items_;
    QHash<QString, QString> forms_;        // character + part -> picture name
    QHash<QString, QString> pictureFiles_; // name -> file: radical pictures, drilled characters
    lookup::CodeDatabase database_;
    QHash<QString, std::optional<lookup::CodeRecord>> records_; // by character, once searched
    CodeTables tables_;
};

} // namespace radiane::site
