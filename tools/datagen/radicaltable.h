#pragma once

#include <QString>
#include <vector>

namespace datagen {

// One radical (or variant form) of the Wubi 86 chart, a row of radicals.tsv.
struct Radical {
    QString key;          // the key letter a..y
    QString text;         // the radical's code point, or the example character when it has none
    QString source;       // "glyph": drawn from the font; "strokes": strokes of exampleChar
    QString glyph;        // the character to draw (source "glyph"), else empty
    QString exampleChar;  // the character whose strokes form the radical (source "strokes")
    int firstStroke = -1; // 0-based, inclusive (source "strokes"), else -1
    int lastStroke = -1;
    bool inFull = false; // "<example> <first>-<last> in full": the example's other strokes faint
    int strokeCount = 0;
    QString name; // picture name: 3 ASCII characters, no comma
    QString note;

    bool fromGlyph() const { return source == QLatin1String("glyph"); }
    bool fromStrokes() const { return source == QLatin1String("strokes"); }
};

// Reads the radical table (UTF-8, tab-separated, '#' starts a comment line, blank lines are
// skipped) and validates every row: key a..y, one character of text, a known source, a
// well-formed glyph or stroke range, a stroke count agreeing with the range, a picture name of
// exactly 3 printable ASCII characters other than comma, and no name used twice.
// Throws std::runtime_error naming the file and line of the first bad row.
std::vector<Radical> loadRadicalTable(const QString& path);

// Parses table text; `origin` names the source in error messages.
std::vector<Radical> parseRadicalTable(const QString& text, const QString& origin);

} // namespace datagen
