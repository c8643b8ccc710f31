#include "site/server/sitemodule.h"

#include "site/server/siteserver.h"

#include <QCoreApplication>
#include <QPointer>

quint16 radiane_site_start(const char16_t* folder, qsizetype length) {
    static QPointer<radiane::site::SiteServer> server;
    if (!server)
        server = new radiane::site::SiteServer(
            radiane::ProgramFolder(QString::fromUtf16(folder, length)),
            QCoreApplication::instance());
    return server->start();
}
