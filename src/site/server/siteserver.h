#pragma once

#include "common/programfolder.h"
#include "site/server/serverlimits.h"
#include "site/site.h"

#include <QList>
#include <QObject>
#include <QTcpServer>

namespace radiane::site {

class HttpConnection;

// Serves the help site over HTTP/1.0 and 1.1 (GET and HEAD) on the loopback
// address only, at a port the system picks. When maxConnections clients are
// connected, a new one takes the place of the one idle longest.
class SiteServer : public QObject {
    Q_OBJECT
public:
    explicit SiteServer(const ProgramFolder& folder, QObject* parent = nullptr,
                        const ServerLimits& limits = {});

    // Starts listening (again only after a failure); false with errorString().
    bool listen();
    quint16 port() const { return server_.serverPort(); }
    QString errorString() const { return server_.errorString(); }
    qsizetype connectionCount() const { return connections_.size(); }

private:
    void accept();

    Site site_;
    ServerLimits limits_;
    QTcpServer server_;
    QList<HttpConnection*> connections_;
};

} // namespace radiane::site
