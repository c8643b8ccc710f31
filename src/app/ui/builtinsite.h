#pragma once

#include "common/programfolder.h"

#include <QUrl>
#include <memory>

namespace radiane::site {
class SiteServer;
}

namespace radiane::app {

// The help site the program serves itself. While this lives, opening one of the
// built-in site's addresses starts the server (once) and opens the address on
// its port; other addresses open as they are. The server ends with this.
class BuiltInSite {
public:
    explicit BuiltInSite(ProgramFolder folder);
    ~BuiltInSite();
    BuiltInSite(const BuiltInSite&) = delete;
    BuiltInSite& operator=(const BuiltInSite&) = delete;

    QUrl resolve(const QUrl& address);

private:
    ProgramFolder folder_;
    std::unique_ptr<site::SiteServer> server_;
};

} // namespace radiane::app
