#include "site/server/httpconnection.h"

#include "site/server/requesthead.h"
#include "site/server/sendingshutdown.h"
#include "site/site.h"

#include <QScopedValueRollback>
#include <QTcpSocket>

namespace radiane::site {

namespace {

// How long a closing connection waits for the client to finish sending after
// the last answer, so that unread bytes don't reset the answer away.
constexpr std::chrono::milliseconds kLinger{2000};

QByteArray reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 413:
        return "Content Too Large";
    case 414:
        return "URI Too Long";
    case 431:
        return "Request Header Fields Too Large";
    case 505:
        return "HTTP Version Not Supported";
    default:
        return "Error";
    }
}

// Requests refused before they reach the site get a line of plain text.
QByteArray refusalText(int status) {
    switch (status) {
    case 413:
        return QStringLiteral("本机帮助不接受请求正文。").toUtf8();
    case 414:
        return QStringLiteral("请求行太长。").toUtf8();
    case 431:
        return QStringLiteral("请求头太大。").toUtf8();
    case 505:
        return QStringLiteral("本机帮助只懂 HTTP/1.0 和 HTTP/1.1。").toUtf8();
    default:
        return QStringLiteral("请求的格式不对。").toUtf8();
    }
}

} // namespace

HttpConnection::HttpConnection(QTcpSocket* socket, Site& site, const ServerLimits& limits,
                               QObject* parent)
    : QObject(parent), socket_(socket), site_(site), limits_(limits) {
    socket_->setParent(this);
    socket_->setReadBufferSize(limits_.maxHeadBytes);
    idle_.setSingleShot(true);
    idle_.setInterval(limits_.idleTimeout);
    connect(&idle_, &QTimer::timeout, this, &HttpConnection::drop);
    connect(socket_, &QTcpSocket::readyRead, this, &HttpConnection::serve);
    connect(socket_, &QTcpSocket::bytesWritten, this, [this] {
        touch();
        if (closing_ && socket_->bytesToWrite() == 0)
            stopSending();
        else if (!closing_ && !serving_) // an answer's flush reports here while serving
            serve();
    });
    connect(socket_, &QTcpSocket::disconnected, this, &HttpConnection::finish);
    touch();
}

void HttpConnection::drop() {
    socket_->abort();
    finish();
}

void HttpConnection::finish() {
    if (finished_)
        return;
    finished_ = true;
    idle_.stop();
    emit closed(this);
    deleteLater();
}

void HttpConnection::serve() {
    if (finished_)
        return;
    if (closing_) {
        socket_->skip(socket_->bytesAvailable()); // what comes after the last answer is dropped
        return;
    }
    const QScopedValueRollback serving(serving_, true);
    while (!closing_ && !finished_ && socket_->bytesToWrite() <= limits_.maxQueuedBytes) {
        while (buffer_.startsWith('\r') || buffer_.startsWith('\n'))
            buffer_.remove(0, 1);
        if (!canStartRequestLine(buffer_))
            return refuse(400);
        const qsizetype blank = headEnd();
        if (blank < 0) {
            if (buffer_.size() >= limits_.maxHeadBytes)
                return refuse(buffer_.contains('\n') ? 431 : 414);
            const QByteArray more = socket_->read(limits_.maxHeadBytes - buffer_.size());
            if (more.isEmpty())
                return;
            buffer_ += more;
            continue;
        }
        const RequestHead head = readRequestHead(QByteArrayView(buffer_).first(blank));
        buffer_.remove(0, buffer_.indexOf('\n', blank + 1) + 1);
        touch();
        answer(head);
    }
}

qsizetype HttpConnection::headEnd() const {
    for (qsizetype at = buffer_.indexOf('\n'); at >= 0; at = buffer_.indexOf('\n', at + 1)) {
        const QByteArrayView rest = QByteArrayView(buffer_).sliced(at + 1);
        if (rest.startsWith('\n') || rest.startsWith("\r\n"))
            return at;
    }
    return -1;
}

void HttpConnection::answer(const RequestHead& head) {
    if (head.refusal != 0)
        return refuse(head.refusal);
    const bool read = head.method == "GET" || head.method == "HEAD";
    if (head.hasBody && read)
        return refuse(413);
    const Response response = site_.respond(head.method, head.target);
    const bool closeAfter = head.closeAfter || head.hasBody;
    send(response.status, response.contentType, response.body, head.method != "HEAD",
         response.status == 405, closeAfter);
    if (closeAfter)
        closeAfterAnswer();
}

void HttpConnection::refuse(int status) {
    send(status, "text/plain; charset=utf-8", refusalText(status), true, false, true);
    closeAfterAnswer();
}

void HttpConnection::send(int status, const QByteArray& contentType, const QByteArray& body,
                          bool withBody, bool allow, bool closeAfter) {
    if (closeAfter) {
        closing_ = true; // before the flush below can report bytes written
        buffer_.clear();
    }
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) +
                      "\r\nContent-Type: " + contentType +
                      "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n";
    if (allow)
        head += "Allow: GET, HEAD\r\n";
    if (closeAfter)
        head += "Connection: close\r\n";
    head += "\r\n";
    // One write: a head sent apart waits on the client's delayed acknowledgement (40 ms).
    socket_->write(withBody ? head + body : head);
    // Into the system's buffer now: a client that has ended its sending half
    // is read as closed at the next read, and the socket dropped with what it holds.
    socket_->flush();
}

void HttpConnection::closeAfterAnswer() {
    idle_.start();
    if (socket_->bytesToWrite() == 0)
        stopSending();
}

void HttpConnection::stopSending() {
    if (stopped_ || finished_)
        return;
    stopped_ = true;
    socket_->flush();
    shutDownSending(socket_->socketDescriptor());
    idle_.start(std::min(kLinger, limits_.idleTimeout));
    serve();
}

void HttpConnection::touch() {
    lastActive_.restart();
    if (!closing_)
        idle_.start();
}

} // namespace radiane::site
