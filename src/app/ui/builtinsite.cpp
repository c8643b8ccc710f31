#include "app/ui/builtinsite.h"

#include "lookup/ui/shellopen.h"
#include "lookup/websettings.h"
#include "site/server/siteserver.h"

namespace radiane::app {

BuiltInSite::BuiltInSite(ProgramFolder folder) : folder_(std::move(folder)) {
    lookup::setAddressResolver([this](const QUrl& address) { return resolve(address); });
}

BuiltInSite::~BuiltInSite() {
    lookup::setAddressResolver({});
}

QUrl BuiltInSite::resolve(const QUrl& address) {
    if (!lookup::isBuiltInSiteAddress(address))
        return address;
    if (!server_)
        server_ = std::make_unique<site::SiteServer>(folder_);
    const quint16 port = server_->start();
    if (port == 0)
        return address;
    QUrl resolved = address;
    resolved.setPort(port);
    return resolved;
}

} // namespace radiane::app
