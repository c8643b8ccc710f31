#pragma once

#include "site/server/serverlimits.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QTcpSocket;

namespace radiane::site {

class Site;
struct RequestHead;

// One client of the help site: reads requests (GET and HEAD, no bodies) one at
// a time and answers each from the site. Holds at most a head's worth of
// unread request bytes and reads no further request while the client leaves
// more than maxQueuedBytes of answers unread. Deletes itself once closed.
class HttpConnection : public QObject {
    Q_OBJECT
public:
    HttpConnection(QTcpSocket* socket, Site& site, const ServerLimits& limits, QObject* parent);

    // Milliseconds since the last request was read or answer bytes were taken.
    qint64 idleFor() const { return lastActive_.elapsed(); }
    void drop();

signals:
    void closed(HttpConnection* connection);

private:
    void serve();
    // The end of the next head in buffer_ (the index past its blank line), or -1.
    qsizetype headEnd() const;
    void answer(const RequestHead& head);
    void refuse(int status);
    void send(int status, const QByteArray& contentType, const QByteArray& body, bool withBody,
              bool allow, bool closeAfter);
    // After an answer that ends the connection (send() stops the reading of
    // requests): once the answer is out, the sending half is shut and what the
    // client still sends is dropped.
    void closeAfterAnswer();
    void stopSending();
    void finish();
    void touch();

    QTcpSocket* socket_;
    Site& site_;
    ServerLimits limits_;
    QByteArray buffer_;
    bool closing_ = false;
    bool serving_ = false;
    bool stopped_ = false;
    bool finished_ = false;
    QTimer idle_;
    QElapsedTimer lastActive_;
};

} // namespace radiane::site
