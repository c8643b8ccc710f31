#pragma once

#include "common/linewriter.h"
#include "common/programfolder.h"

#include <QString>
#include <optional>

namespace radiane::app {

inline constexpr auto kSetupFile = "setup.txt";

// The saved drill mode: the first field of setup.txt, as the hidden label Label8
// holds it. "1" and "2" choose a drill; any other text starts none.
struct SetupRead {
    QString Label8;
    // Set when setup.txt exists but cannot be read at all (a folder, no access):
    // the program cannot keep its settings and must say so.
    std::optional<QString> failure;
};

// A missing setup.txt, or one whose first field is empty, reads as "1": a first run
// starts the single-radical drill and the close writes the file. Stale leftovers
// of an interrupted write of setup.txt are removed first.
SetupRead readDrillMode(const ProgramFolder& folder);

// "1" while Option1 is selected, else "2"; one line, CR LF, replaced atomically.
WriteResult writeDrillMode(const ProgramFolder& folder, bool option1Selected);

} // namespace radiane::app
