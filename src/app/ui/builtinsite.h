#pragma once

#include "common/programfolder.h"
#include "lookup/ui/shellopen.h"

#include <QUrl>

namespace radiane::app {

// The help site the program serves itself. While this lives, opening one of the
// built-in site's addresses loads the server module and starts its server (once)
// and opens the address on its port; when the module can't be loaded or its
// server can't listen, the learner is told why instead. Other addresses open
// as they are. The server belongs to the application object and ends with it.
class BuiltInSite {
public:
    explicit BuiltInSite(ProgramFolder folder);
    ~BuiltInSite();
    BuiltInSite(const BuiltInSite&) = delete;
    BuiltInSite& operator=(const BuiltInSite&) = delete;

    lookup::ResolvedAddress resolve(const QUrl& address);

private:
    ProgramFolder folder_;
    quint16 port_ = 0;
};

} // namespace radiane::app
