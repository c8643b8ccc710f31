#include "app/ui/builtinsite.h"

#include "app/sitemoduleloader.h"
#include "lookup/websettings.h"

namespace radiane::app {

BuiltInSite::BuiltInSite(ProgramFolder folder) : folder_(std::move(folder)) {
    lookup::setAddressResolver([this](const QUrl& address) { return resolve(address); });
}

BuiltInSite::~BuiltInSite() {
    lookup::setAddressResolver({});
}

lookup::ResolvedAddress BuiltInSite::resolve(const QUrl& address) {
    if (!lookup::isBuiltInSiteAddress(address))
        return {address, {}};
    if (port_ == 0) {
        const SiteStart started = startSiteModule(folder_);
        if (started.port == 0)
            return {{}, started.failure};
        port_ = started.port;
    }
    QUrl resolved = address;
    resolved.setPort(port_);
    return {resolved, {}};
}

} // namespace radiane::app
