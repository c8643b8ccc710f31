#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace radiane::test {

inline const char* const kWubiTablePath = "/usr/share/rime-data/wubi86.dict.yaml";
inline const char* const kWubiTableMissing =
    "/usr/share/rime-data/wubi86.dict.yaml is not installed (Debian package rime-data-wubi; "
    "scripts/install-deps installs it): the codes cannot be checked";

// The Wubi 86 codes of single characters from the rime dictionary: for each character, all its
// codes (a to y only). Empty when the dictionary is not installed.
std::optional<QHash<QString, QStringList>> readWubiCodes();

// Single characters by descending weight (the frequency column; a character's highest weight),
// ties by code point. Empty when the dictionary is not installed.
std::optional<QStringList> charactersByFrequency();

// The longest codes of a character (more than one when the table lists several of that length).
QStringList longestCodes(const QStringList& codes);

} // namespace radiane::test
