#pragma once

#include "common/programfolder.h"
#include "site/sitedata.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

namespace radiane::site {

struct Response {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
};

// The help site without a socket: answers a request line's method and target
// with a page or a PNG picture. Pages and pictures that don't depend on a query
// are made once and kept.
class Site {
public:
    explicit Site(const ProgramFolder& folder);

    // GET and HEAD get the same answer (the server leaves out HEAD's body);
    // any other method gets 405.
    Response respond(QByteArrayView method, QByteArrayView target);

private:
    Response answer(QByteArrayView target);

    SiteData data_;
    QHash<QString, Response> kept_;
};

} // namespace radiane::site
