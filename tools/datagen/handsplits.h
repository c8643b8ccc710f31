#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace datagen {

// Characters whose radicals are not consecutive runs of strokes (an enclosure closed after what
// it holds), split by hand. Each entry is checked against the code table and the stroke data
// before use.
struct HandSplit {
    QString character;
    QString code; // the full code the split was made for
    int radicalCount = 0;
    QList<QList<int>> parts; // strokes of parts 1..4, 0-based
};

std::optional<HandSplit> handSplit(const QString& character);
// Every character of the table, in table order.
QStringList handSplitCharacters();
// Parts written as in the table, strokes 1-based ("1-5,7|6|8-10"), as 0-based stroke lists.
QList<QList<int>> parseHandParts(const QString& text);

} // namespace datagen
