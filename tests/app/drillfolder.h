#pragma once

#include "support/tempprogramfolder.h"

#include <QString>
#include <QStringList>

namespace radiane::test {

// A program folder with small but complete drill lists and their pictures:
// zg.txt of 54 radical items, zg2.txt of 304 character items.
struct DrillFolder {
    TempProgramFolder dir;
    QStringList radicalNames; // picture names of zg.txt, in list order
    QStringList characters;   // characters of zg2.txt, in list order

    DrillFolder();
    // wwbb11.dat with a record for every zg2.txt character whose four fill-point
    // lists all point into the ink square of its picture.
    void writeDatabase() const;
};

} // namespace radiane::test
