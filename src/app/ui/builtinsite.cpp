#include "app/ui/builtinsite.h"

#include "lookup/ui/shellopen.h"
#include "lookup/websettings.h"
#include "site/server/sitemodule.h"

#include <QLibrary>

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
    if (port_ == 0) {
        // Never unloaded: the server lives on in the application object.
        const auto start = reinterpret_cast<SiteStartFunction>(QLibrary::resolve(
            folder_.file(QString::fromLatin1(kSiteModuleName)), kSiteStartSymbol));
        const QString& path = folder_.path();
        if (start)
            port_ = start(reinterpret_cast<const char16_t*>(path.utf16()), path.size());
    }
    if (port_ == 0)
        return address; // without the module or a port it opens as it is, and leads nowhere
    QUrl resolved = address;
    resolved.setPort(port_);
    return resolved;
}

} // namespace radiane::app
