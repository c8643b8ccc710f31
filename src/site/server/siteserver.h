#pragma once

#include "common/programfolder.h"
#include "site/site.h"

#include <QAbstractHttpServer>

namespace radiane::site {

// Serves the help site on the loopback address only, at a port the system picks.
class SiteServer : public QAbstractHttpServer {
    Q_OBJECT
public:
    explicit SiteServer(const ProgramFolder& folder, QObject* parent = nullptr);

    // Starts listening; the port, or 0 when no port could be had.
    quint16 start();
    quint16 port() const { return port_; }

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    Site site_;
    quint16 port_ = 0;
};

} // namespace radiane::site
