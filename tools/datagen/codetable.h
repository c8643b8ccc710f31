#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace datagen {

// The Wubi 86 codes of single characters, read from the rime dictionary (wubi86.dict.yaml).
struct CharCodes {
    QString character;
    QString full;        // the longest code (ties: the one of highest weight, then the first)
    QStringList shorter; // the distinct codes shorter than `full`, shortest first
    qint64 weight = 0;   // highest weight of any code of the character (a frequency)
    bool fullAmbiguous = false; // another code of the same length as `full` exists
};

class CodeTable {
public:
    // Reads the table; throws radiane::FatalError when the file cannot be read.
    // Codes using z (the wildcard key) are ignored.
    static CodeTable read(const QString& path);

    // Default path: $RADIANE_WUBI_TABLE, else the Debian location.
    static QString defaultPath();

    const CharCodes* find(const QString& character) const;
    const QHash<QString, CharCodes>& all() const { return codes_; }
    // Characters sorted by descending weight (ties by code point): most frequent first.
    QStringList byFrequency() const;

private:
    QHash<QString, CharCodes> codes_;
};

} // namespace datagen
