#pragma once

#include <QString>

namespace radiane {

struct WriteResult {
    bool ok = true;
    QString reason; // in the program's voice, when !ok
};

// Replaces the file with one line: value, then CR LF, in GBK. The new content is
// written beside the file and renamed over it, so a failure never leaves a
// truncated or empty file behind.
WriteResult writeLine(const QString& path, const QString& value);

// A run killed between the two steps of writeLine leaves the new content beside
// the file as "<name>.XXXXXX" (six letters or digits). Removes such leftovers
// of path; one younger than kLeftoverAgeSeconds may be another run's write in
// progress and stays.
inline constexpr int kLeftoverAgeSeconds = 10;
void removeLeftoverWrites(const QString& path);

} // namespace radiane
