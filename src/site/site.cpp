#include "site/site.h"

#include "site/htmlpage.h"
#include "site/pages.h"
#include "site/requesttarget.h"

#include <QBuffer>

namespace radiane::site {

namespace {

const QByteArray kHtml = QByteArrayLiteral("text/html; charset=utf-8");

Response html(int status, QByteArray body) {
    return {status, kHtml, std::move(body)};
}

std::optional<QByteArray> png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return std::nullopt;
    return bytes;
}

// The name under which an answer is kept: every page and picture that depends
// on no query; none for lookups and error pages.
QString keptName(const Request& request) {
    switch (request.route) {
    case Route::LookupResult:
    case Route::NotFound:
    case Route::BadRequest:
    case Route::TooLong:
        return {};
    default:
        return QString::number(int(request.route)) + u':' + request.key + request.picture;
    }
}

} // namespace

Site::Site(const ProgramFolder& folder) : data_(folder) {}

Response Site::respond(QByteArrayView method, QByteArrayView target) {
    if (method != "GET" && method != "HEAD")
        return html(405, errorPage(405));
    return answer(target);
}

Response Site::answer(QByteArrayView target) {
    const Request request = parseTarget(target);
    const QString name = keptName(request);
    if (const auto kept = kept_.constFind(name); !name.isEmpty() && kept != kept_.cend())
        return *kept;

    Response response;
    switch (request.route) {
    case Route::Home:
        response = html(200, homePage(data_));
        break;
    case Route::Practice:
        response = html(200, practicePage(data_));
        break;
    case Route::LookupForm:
        response = html(200, lookupFormPage());
        break;
    case Route::Tutorial:
        response = html(200, tutorialPage(data_));
        break;
    case Route::Key:
        response = html(200, keyPage(data_, request.key));
        break;
    case Route::Chart:
        response = html(200, chartPage(data_));
        break;
    case Route::Style:
        response = {200, QByteArrayLiteral("text/css; charset=utf-8"), styleSheet()};
        break;
    case Route::LookupResult: {
        bool found = false;
        QByteArray page = lookupResultPage(data_, request.text, &found);
        return html(found ? 200 : 404, std::move(page));
    }
    case Route::Picture: {
        const std::optional<QImage> image = data_.picture(request.picture);
        const std::optional<QByteArray> bytes = image ? png(*image) : std::nullopt;
        if (!bytes)
            return html(404, errorPage(404));
        response = {200, QByteArrayLiteral("image/png"), *bytes};
        break;
    }
    case Route::NotFound:
        return html(404, errorPage(404));
    case Route::BadRequest:
        return html(400, errorPage(400));
    case Route::TooLong:
        return html(414, errorPage(414));
    }
    kept_.insert(name, response);
    return response;
}

} // namespace radiane::site
