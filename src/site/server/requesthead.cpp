#include "site/server/requesthead.h"

#include <QList>

namespace radiane::site {

namespace {

bool isTokenChar(char c) {
    if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
        return true;
    return QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool isToken(QByteArrayView text) {
    if (text.isEmpty())
        return false;
    for (char c : text)
        if (!isTokenChar(c))
            return false;
    return true;
}

bool isDigits(QByteArrayView text) {
    if (text.isEmpty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// Field values: visible bytes, spaces and tabs, and bytes above 0x7f.
bool isFieldValue(QByteArrayView text) {
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte == 0x7f)
            return false;
    }
    return true;
}

bool listHas(QByteArrayView list, QByteArrayView token) {
    for (QByteArrayView item : QByteArray(list.toByteArray()).split(','))
        if (item.trimmed().compare(token, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

RequestHead refused(int status) {
    RequestHead head;
    head.refusal = status;
    head.closeAfter = true;
    return head;
}

QList<QByteArrayView> linesOf(QByteArrayView head) {
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    while (start <= head.size()) {
        qsizetype end = head.indexOf('\n', start);
        if (end < 0)
            end = head.size();
        QByteArrayView line = head.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(line);
        start = end + 1;
    }
    return lines;
}

} // namespace

bool canStartRequestLine(QByteArrayView bytes) {
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    for (; i < bytes.size(); ++i) {
        if (bytes[i] == ' ')
            return true;
        if (!isTokenChar(bytes[i]))
            return false;
    }
    return true;
}

RequestHead readRequestHead(QByteArrayView head) {
    // Empty lines before the request line are allowed.
    while (head.startsWith('\n') || head.startsWith("\r\n"))
        head = head.sliced(head.indexOf('\n') + 1);
    const QList<QByteArrayView> lines = linesOf(head);
    if (lines.size() - 1 > kMaxHeaderFields)
        return refused(431);

    const QList<QByteArray> parts = lines.front().toByteArray().split(' ');
    if (parts.size() != 3 || !isToken(parts[0]) || parts[1].isEmpty())
        return refused(400);
    const QByteArray& version = parts[2];
    if (version.size() != 8 || !version.startsWith("HTTP/") || !isDigits(version.sliced(5, 1)) ||
        version[6] != '.' || !isDigits(version.sliced(7)))
        return refused(400);
    if (version != "HTTP/1.0" && version != "HTTP/1.1")
        return refused(505);

    RequestHead request;
    request.method = parts[0];
    request.target = parts[1];
    request.http10 = version == "HTTP/1.0";
    request.closeAfter = request.http10;
    int hosts = 0;
    QByteArray length;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArrayView line = lines[i];
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || !isToken(line.first(colon)) || line.contains('\r'))
            return refused(400);
        const QByteArrayView name = line.first(colon);
        const QByteArrayView value = line.sliced(colon + 1).trimmed();
        if (!isFieldValue(value))
            return refused(400);
        if (name.compare("host", Qt::CaseInsensitive) == 0) {
            ++hosts;
        } else if (name.compare("connection", Qt::CaseInsensitive) == 0) {
            if (listHas(value, "close"))
                request.closeAfter = true;
        } else if (name.compare("transfer-encoding", Qt::CaseInsensitive) == 0) {
            request.hasBody = true;
        } else if (name.compare("content-length", Qt::CaseInsensitive) == 0) {
            if (!isDigits(value) || (!length.isNull() && length != value))
                return refused(400);
            length = value.toByteArray();
        }
    }
    if (!request.http10 && hosts != 1)
        return refused(400);
    if (!length.isNull() && length.count('0') != length.size())
        request.hasBody = true;
    return request;
}

} // namespace radiane::site
