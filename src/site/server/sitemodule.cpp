#include "site/server/sitemodule.h"

#include "site/server/siteserver.h"

#include <QCoreApplication>
#include <QPointer>

quint16 radiane_site_start(const char16_t* folder, qsizetype length, const char16_t** failure) {
    static QPointer<radiane::site::SiteServer> server;
    static QString reason;
    if (!server)
        server = new radiane::site::SiteServer(
            radiane::ProgramFolder(QString::fromUtf16(folder, length)),
            QCoreApplication::instance());
    if (server->listen())
        return server->port();
    reason = server->errorString();
    *failure = reinterpret_cast<const char16_t*>(reason.utf16());
    return 0;
}
