#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace radiane::site {

// A request's line and header fields, read from the bytes before the blank
// line. The target is kept exactly as it arrived.
struct RequestHead {
    int refusal = 0; // 0: well-formed; else the status to answer before closing
    QByteArray method;
    QByteArray target;
    bool http10 = false;
    bool closeAfter = false; // HTTP/1.0, or "Connection: close"
    bool hasBody = false;    // a non-zero Content-Length or any Transfer-Encoding
};

inline constexpr int kMaxHeaderFields = 100;

// Reads a head without its blank line (lines end in CRLF or LF). Refuses with
// 400 what is malformed (HTTP/1.1 without exactly one Host included), with 431
// more than kMaxHeaderFields fields, and with 505 a version other than
// HTTP/1.0 and HTTP/1.1.
RequestHead readRequestHead(QByteArrayView head);

// Whether bytes can begin a request line: a method token, then a space. False
// as soon as a byte can't belong there (TLS, binary), so such a peer is refused
// without waiting for a line end that never comes.
bool canStartRequestLine(QByteArrayView bytes);

} // namespace radiane::site
