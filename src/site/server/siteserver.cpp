#include "site/server/siteserver.h"

#include "site/server/httpconnection.h"

#include <QTcpSocket>
#include <QTimer>
#include <algorithm>

namespace radiane::site {

namespace {

// After the system refused a connection (no descriptor left, say), accepting
// pauses this long.
constexpr std::chrono::milliseconds kAcceptPause{250};

} // namespace

SiteServer::SiteServer(const ProgramFolder& folder, QObject* parent, const ServerLimits& limits)
    : QObject(parent), site_(folder), limits_(limits) {
    connect(&server_, &QTcpServer::newConnection, this, &SiteServer::accept);
    connect(&server_, &QTcpServer::acceptError, this, [this] {
        QTimer::singleShot(kAcceptPause, this, [this] { server_.resumeAccepting(); });
    });
}

bool SiteServer::listen() {
    return server_.isListening() || server_.listen(QHostAddress::LocalHost, 0);
}

void SiteServer::accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        if (connections_.size() >= limits_.maxConnections) {
            const auto idlest =
                std::max_element(connections_.cbegin(), connections_.cend(),
                                 [](const HttpConnection* a, const HttpConnection* b) {
                                     return a->idleFor() < b->idleFor();
                                 });
            (*idlest)->drop();
        }
        auto* connection = new HttpConnection(socket, site_, limits_, this);
        connections_.append(connection);
        connect(connection, &HttpConnection::closed, this,
                [this](HttpConnection* closed) { connections_.removeOne(closed); });
    }
}

} // namespace radiane::site
