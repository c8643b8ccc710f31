#pragma once

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QString>

namespace datagen {

// One character of the code database as the generator knows it.
struct CodeEntry {
    QString hanzi;
    QString code1;          // full code
    QString code2;          // shortest code, when shorter than the full one
    QString code3;          // the next short code, when the character has two
    QList<QPoint> seeds[4]; // fill points of radicals 1..4, in picture pixels
};

inline constexpr int kRecordSize = 302;
inline constexpr int kCodeWidth = 4;
inline constexpr int kSeedListWidth = 72;

// A fill-point list: up to 9 entries of x and y in twips, each right-aligned in 4 characters;
// the rest spaces.
QByteArray seedList(const QList<QPoint>& pixels);

// The code database: one 302-byte record per entry, sorted by the signed 16-bit key of the
// character's GBK code, spaces wherever a field is short. Throws radiane::FatalError when a
// character has no double-byte GBK form, appears twice, or a field does not fit.
QByteArray codeDatabaseBytes(QList<CodeEntry> entries);

} // namespace datagen
