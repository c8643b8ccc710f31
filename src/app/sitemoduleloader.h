#pragma once

#include "common/programfolder.h"

#include <QString>

namespace radiane::app {

struct SiteStart {
    quint16 port = 0; // 0: not started, see failure
    QString failure;  // for the learner: the module file or the reason
};

// Loads the help site's server module from the program folder by its base name
// (the platform adds its module suffix) and starts its server, or says why not.
SiteStart startSiteModule(const ProgramFolder& folder);

} // namespace radiane::app
