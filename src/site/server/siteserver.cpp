#include "site/server/siteserver.h"

#include <QHostAddress>
#include <QHttpServerRequest>
#include <QHttpServerResponder>

namespace radiane::site {

namespace {

QByteArray methodName(QHttpServerRequest::Method method) {
    switch (method) {
    case QHttpServerRequest::Method::Get:
        return QByteArrayLiteral("GET");
    case QHttpServerRequest::Method::Head:
        return QByteArrayLiteral("HEAD");
    default:
        return QByteArrayLiteral("OTHER");
    }
}

} // namespace

SiteServer::SiteServer(const ProgramFolder& folder, QObject* parent)
    : QAbstractHttpServer(parent), site_(folder) {}

quint16 SiteServer::start() {
    if (port_ == 0)
        port_ = listen(QHostAddress::LocalHost, 0);
    return port_;
}

bool SiteServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    const QUrl url = request.url();
    const QByteArray target =
        url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment);
    const QByteArray method = methodName(request.method());
    const Response response = site_.respond(method, target.isEmpty() ? "/" : target);

    QHttpServerResponder responder = makeResponder(request, socket);
    const auto status = static_cast<QHttpServerResponder::StatusCode>(response.status);
    if (method == "HEAD") {
        responder.writeStatusLine(status);
        responder.writeHeader("Content-Type", response.contentType);
        responder.writeHeader("Content-Length", QByteArray::number(response.body.size()));
        responder.writeBody(QByteArray());
        return true;
    }
    if (response.status == 405)
        responder.write(response.body,
                        {{"Content-Type", response.contentType}, {"Allow", "GET, HEAD"}}, status);
    else
        responder.write(response.body, {{"Content-Type", response.contentType}}, status);
    return true;
}

void SiteServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}

} // namespace radiane::site
