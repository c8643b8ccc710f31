// The help site's server in its own process, over real sockets, hostile clients included.
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>
#include <sys/socket.h>
#include <vector>

namespace {

constexpr int kIdleMs = 3000;
using Socket = std::unique_ptr<QTcpSocket>;

Socket connectTo(quint16 port) {
    Socket socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(QHostAddress::LocalHost, port);
    socket->waitForConnected(5000);
    return socket;
}

QByteArray get(const QByteArray& target, const QByteArray& fields = "Host: a\r\n") {
    return "GET " + target + " HTTP/1.1\r\n" + fields + "\r\n";
}

// One answer (head and Content-Length bytes), or what comes before a close.
QByteArray readAnswer(QTcpSocket& socket) {
    QByteArray bytes;
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired() &&
           (socket.bytesAvailable() > 0 || socket.state() == QAbstractSocket::ConnectedState)) {
        socket.waitForReadyRead(50);
        bytes += socket.readAll();
        const qsizetype end = bytes.indexOf("\r\n\r\n");
        const qsizetype at = bytes.toLower().indexOf("\r\ncontent-length:");
        if (end >= 0 && at >= 0 && bytes.size() >= end + 4 + bytes.mid(at + 17, 12).toLongLong())
            break;
    }
    return bytes;
}

// A "kB" line of a process's status: VmRSS (resident now) or VmHWM (its peak).
qint64 residentKb(qint64 pid, const QByteArray& line) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    status.open(QIODevice::ReadOnly);
    const QByteArray text = status.readAll();
    const qsizetype at = text.indexOf("\n" + line + ':') + line.size() + 2;
    return text.mid(at, text.indexOf("kB", at) - at).trimmed().toLongLong();
}

enum class Client {
    Plain,
    HalfCloses,   // ends its sending half after the request
    Streams200MB, // sends filler after the request until an answer comes
    NeverReads,   // reads nothing for longer than the idle timeout
    Crowded,      // 1,030 idle connections are opened first
};
enum class Ending { Open, Closed, ClosedWhenIdle };

TEST(SiteServer, AnswersOverASocketAndStaysSmall) {
    struct Case {
        const char* name;
        QByteArray request;
        int status; // 0: no answer
        Ending ending;
        Client client = Client::Plain;
        QByteArray contains = {};
    };
    const QByteArray close("Host: a\r\nConnection: keep-alive, Close\r\n");
    const Case cases[] = {
        {"a page, connection kept", get("/"), 200, Ending::Open},
        {"Connection: close among options", get("/", close), 200, Ending::Closed},
        {"HTTP/1.0", "GET / HTTP/1.0\r\n\r\n", 200, Ending::Closed},
        {"half-closed after the request", get("/wb"), 200, Ending::Closed, Client::HalfCloses},
        {"pipelined, the last closing", get("/wb") + get("/", close), 200, Ending::Closed},
        {"broken escape reaches the decoder", get("/wb%zz"), 400, Ending::Open},
        {"raw GBK bytes in the query", get("/wbcx/search.asp?searchtxt=\xb0\xdd"), 200,
         Ending::Open, Client::Plain, "“拜”的五笔编码"},
        {"relative target", get("wbwz/g.htm"), 400, Ending::Open},
        {"asterisk target", get("*"), 400, Ending::Open},
        {"absolute target", get("http://127.0.0.1/"), 400, Ending::Open},
        {"part the character lacks", get("/pic/%E6%8B%9C-4.png"), 404, Ending::Open},
        {"full-width part digit", get("/pic/%E6%8B%9C-%EF%BC%93.png"), 404, Ending::Open},
        {"HTTP/2.0", "GET / HTTP/2.0\r\nHost: a\r\n\r\n", 505, Ending::Closed},
        {"HTTP/1.1 without Host", "GET / HTTP/1.1\r\n\r\n", 400, Ending::Closed},
        {"20 KB header field", get("/", "Host: a\r\nX: " + QByteArray(20000, 'a') + "\r\n"), 431,
         Ending::Closed},
        {"101 header fields", get("/", "Host: a\r\n" + QByteArray("X: a\r\n").repeated(100)), 431,
         Ending::Closed},
        {"request line over 16 KB", get("/" + QByteArray(20000, 'a')), 414, Ending::Closed},
        {"GET with a body", get("/", "Host: a\r\nContent-Length: 3\r\n") + "abc", 413,
         Ending::Closed},
        {"chunked GET", get("/", "Host: a\r\nTransfer-Encoding: chunked\r\n") + "0\r\n\r\n", 413,
         Ending::Closed},
        {"TLS hello", QByteArray::fromHex("160301020001000200fc0303") + QByteArray(32, 'r'), 400,
         Ending::Closed},
        {"nothing sent", "", 0, Ending::ClosedWhenIdle},
        {"head never finished", "GET / HTTP/1.1\r\nHost: a\r\n", 0, Ending::ClosedWhenIdle},
        {"200 MB header", "GET / HTTP/1.1\r\nHost: a\r\nX: ", 431, Ending::Closed,
         Client::Streams200MB},
        {"200 MB POST body", "POST / HTTP/1.1\r\nHost: a\r\nContent-Length: 209715200\r\n\r\n", 405,
         Ending::Closed, Client::Streams200MB},
        {"30,000 pipelined GETs never read", get("/").repeated(30000), 0, Ending::ClosedWhenIdle,
         Client::NeverReads},
        {"a page among 1,030 idle connections", get("/"), 200, Ending::Open, Client::Crowded},
    };
    QProcess server; // with the desktop's usual limit of 1,024 descriptors
    server.setChildProcessModifier([] {
        const rlimit desktop{1024, 1024};
        setrlimit(RLIMIT_NOFILE, &desktop);
    });
    // Under AddressSanitizer, freed memory is held back (the quarantine) up to this.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":quarantine_size_mb=4");
    server.setProcessEnvironment(environment);
    server.start(QStringLiteral(SERVER_HOST),
                 {qEnvironmentVariable("RADIANE_PROGRAM_DIR"), QString::number(kIdleMs)});
    server.waitForReadyRead(20000);
    const quint16 port = server.readLine().trimmed().toUShort();
    ASSERT_NE(port, 0);
    const qint64 startKb = residentKb(server.processId(), "VmRSS");
    for (const Case& c : cases) {
        std::vector<Socket> crowd(c.client == Client::Crowded ? 1030 : 0);
        for (Socket& idle : crowd)
            idle = connectTo(port);
        const Socket socket = connectTo(port);
        socket->write(c.request);
        for (int i = 0;
             i < 3200 && c.client == Client::Streams200MB &&
             socket->state() == QAbstractSocket::ConnectedState && socket->bytesAvailable() == 0;
             ++i)
            socket->write(QByteArray(64 * 1024, 'a')), socket->waitForBytesWritten(2000);
        for (const QDeadlineTimer deadline(5000);
             socket->bytesToWrite() > 0 && !deadline.hasExpired();)
            socket->waitForBytesWritten(100);
        if (c.client == Client::HalfCloses)
            ::shutdown(int(socket->socketDescriptor()), SHUT_WR);
        if (c.client == Client::NeverReads)
            QThread::msleep(kIdleMs * 3 / 2);
        const QByteArray answer = c.status != 0 ? readAnswer(*socket) : QByteArray();
        // Closing at once means well before the idle timeout.
        const int waits[] = {300, kIdleMs / 2, kIdleMs * 2};
        const bool closed = socket->state() == QAbstractSocket::UnconnectedState ||
                            socket->waitForDisconnected(waits[int(c.ending)]);
        EXPECT_EQ(answer.startsWith("HTTP/1.1 ") ? answer.mid(9, 3).toInt() : 0, c.status)
            << c.name;
        EXPECT_EQ(closed, c.ending != Ending::Open) << c.name;
        EXPECT_TRUE(answer.contains(c.contains)) << c.name;
        const QDir descriptors(QStringLiteral("/proc/%1/fd").arg(server.processId()));
        EXPECT_LT(descriptors.entryList(QDir::System | QDir::NoDotAndDotDot).size(), 100) << c.name;
    }
    const qint64 peakKb = residentKb(server.processId(), "VmHWM");
    std::printf("server memory: %lld kB resident at start, %lld kB peak across the requests\n",
                static_cast<long long>(startKb), static_cast<long long>(peakKb));
    // Unbounded, the unread answers alone took 120 MB.
    EXPECT_TRUE(server.state() == QProcess::Running && peakKb > 0 && peakKb < startKb + 32 * 1024)
        << peakKb << " kB";
    server.kill(), server.waitForFinished();
}

} // namespace
