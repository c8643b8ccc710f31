#include "urlrecorder.h"

#include <QDesktopServices>
#include <QStringList>

namespace radiane::test {

namespace {
const char* const kSchemes[] = {"http", "https", "mailto"};
}

UrlRecorder::UrlRecorder() {
    for (const char* scheme : kSchemes)
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
}

UrlRecorder::~UrlRecorder() {
    for (const char* scheme : kSchemes)
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

QStringList UrlRecorder::openedEncoded() const {
    QStringList list;
    for (const QUrl& url : opened)
        list.append(QString::fromLatin1(url.toEncoded()));
    return list;
}

void UrlRecorder::open(const QUrl& url) {
    opened.append(url);
}

} // namespace radiane::test
