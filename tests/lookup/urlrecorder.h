#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace radiane::test {

// Stands in for the desktop while alive: every address handed to
// QDesktopServices::openUrl for http and mailto lands in opened instead of a
// browser or mail program.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder();
    ~UrlRecorder() override;

    QList<QUrl> opened;

    // The addresses as they would go to the desktop, fully encoded.
    QStringList openedEncoded() const;

public slots:
    void open(const QUrl& url);
};

} // namespace radiane::test
