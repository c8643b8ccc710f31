// The help site's server in its own process, spoken to over real sockets on
// 127.0.0.1: requests as the audits sent them, and loads meant to exhaust its
// memory or descriptors, after which it reports its peak memory.
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <vector>

namespace {

constexpr int kIdleMs = 3000;
using Socket = std::unique_ptr<QTcpSocket>;

// The server host, with the desktop's usual limit of 1,024 descriptors.
struct ServerProcess {
    ServerProcess() {
        process.setChildProcessModifier([] {
            const rlimit desktop{1024, 1024};
            setrlimit(RLIMIT_NOFILE, &desktop);
        });
        process.start(QStringLiteral(SERVER_HOST),
                      {qEnvironmentVariable("RADIANE_PROGRAM_DIR"), QString::number(kIdleMs)});
        process.waitForReadyRead(20000);
        port = process.readLine().trimmed().toUShort();
    }
    ~ServerProcess() { process.kill(), process.waitForFinished(); }
    QString proc(const char* name) const {
        return QStringLiteral("/proc/%1/%2").arg(process.processId()).arg(name);
    }
    // A "kB" line of /proc/<pid>/status, such as VmHWM (peak resident memory).
    qint64 statusKb(const QByteArray& name) const {
        QFile status(proc("status"));
        status.open(QIODevice::ReadOnly);
        const QByteArray text = status.readAll();
        const qsizetype at = text.indexOf("\n" + name + ':') + name.size() + 2;
        return text.mid(at, text.indexOf("kB", at) - at).trimmed().toLongLong();
    }
    QProcess process;
    quint16 port = 0;
};

QByteArray get(const QByteArray& target, const QByteArray& fields = "Host: a\r\n") {
    return "GET " + target + " HTTP/1.1\r\n" + fields + "\r\n";
}

Socket connectTo(quint16 port) {
    Socket socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(QHostAddress::LocalHost, port);
    socket->waitForConnected(5000);
    return socket;
}

// Reads one answer (head and Content-Length bytes) or what comes before the
// server closes, for at most five seconds.
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

int statusOf(const QByteArray& answer) {
    return answer.startsWith("HTTP/1.1 ") ? answer.mid(9, 3).toInt() : 0;
}

enum class Ending { Open, Closed, ClosedWhenIdle };

TEST(SiteServer, AnswersEachRequestAndClosesWhenItShould) {
    struct Case {
        const char* name;
        QByteArray request;
        int status; // 0: no answer
        Ending ending;
        QByteArray contains = {};
        bool halfClose = false;
    };
    const QByteArray close("Host: a\r\nConnection: close\r\n");
    const Case cases[] = {
        {"a page, connection kept", get("/"), 200, Ending::Open, "Radiane 五笔字根帮助"},
        {"Connection: close", get("/", close), 200, Ending::Closed},
        {"close among options", get("/", "Host: a\r\nConnection: keep-alive, Close\r\n"), 200,
         Ending::Closed},
        {"HTTP/1.0", "GET / HTTP/1.0\r\n\r\n", 200, Ending::Closed},
        {"HTTP/1.0 asking to keep alive", "GET / HTTP/1.0\r\nConnection: keep-alive\r\n\r\n", 200,
         Ending::Closed},
        {"half-closed after the request", get("/wb"), 200, Ending::Closed, {}, true},
        {"pipelined, the last closing", get("/wb") + get("/", close), 200, Ending::Closed},
        {"broken escape reaches the decoder", get("/wb%zz"), 400, Ending::Open, "地址无法识别"},
        {"raw GBK bytes in the query", get("/wbcx/search.asp?searchtxt=\xb0\xdd"), 200,
         Ending::Open, "“拜”的五笔编码"},
        {"relative target", get("wbwz/g.htm"), 400, Ending::Open},
        {"asterisk target", get("*"), 400, Ending::Open},
        {"absolute target", get("http://127.0.0.1/"), 400, Ending::Open},
        {"part the character lacks", get("/pic/%E6%8B%9C-4.png"), 404, Ending::Open},
        {"full-width part digit", get("/pic/%E6%8B%9C-%EF%BC%93.png"), 404, Ending::Open},
        {"Arabic-Indic part digit", get("/pic/%E6%8B%9C-%D9%A3.png"), 404, Ending::Open},
        {"HTTP/2.0", "GET / HTTP/2.0\r\nHost: a\r\n\r\n", 505, Ending::Closed},
        {"no version", "GET /\r\n\r\n", 400, Ending::Closed},
        {"HTTP/1.1 without Host", "GET / HTTP/1.1\r\n\r\n", 400, Ending::Closed},
        {"20 KB header field", get("/", "Host: a\r\nX: " + QByteArray(20000, 'a') + "\r\n"), 431,
         Ending::Closed},
        {"101 header fields", get("/", "Host: a\r\n" + QByteArray("X: a\r\n").repeated(100)), 431,
         Ending::Closed},
        {"request line over 16 KB", get("/" + QByteArray(20000, 'a')), 414, Ending::Closed},
        {"POST with a body", "POST / HTTP/1.1\r\nHost: a\r\nContent-Length: 5\r\n\r\nhello", 405,
         Ending::Closed},
        {"GET with a body", get("/", "Host: a\r\nContent-Length: 3\r\n") + "abc", 413,
         Ending::Closed},
        {"chunked GET", get("/", "Host: a\r\nTransfer-Encoding: chunked\r\n") + "0\r\n\r\n", 413,
         Ending::Closed},
        {"TLS hello", QByteArray::fromHex("160301020001000200fc0303") + QByteArray(32, 'r'), 400,
         Ending::Closed},
        {"nothing sent", "", 0, Ending::ClosedWhenIdle},
        {"head never finished", "GET / HTTP/1.1\r\nHost: a\r\n", 0, Ending::ClosedWhenIdle},
    };
    const ServerProcess server;
    ASSERT_NE(server.port, 0);
    for (const Case& c : cases) {
        const Socket socket = connectTo(server.port);
        socket->write(c.request);
        socket->waitForBytesWritten(5000);
        if (c.halfClose)
            ::shutdown(int(socket->socketDescriptor()), SHUT_WR);
        const QByteArray answer = c.status != 0 ? readAnswer(*socket) : QByteArray();
        // Closing at once means well before the idle timeout.
        const int wait = c.ending == Ending::Open     ? 300
                         : c.ending == Ending::Closed ? kIdleMs / 2
                                                      : kIdleMs * 2;
        const bool closed = socket->state() == QAbstractSocket::UnconnectedState ||
                            socket->waitForDisconnected(wait);
        EXPECT_EQ(statusOf(answer), c.status) << c.name;
        EXPECT_EQ(closed, c.ending != Ending::Open) << c.name;
        EXPECT_TRUE(answer.contains(c.contains)) << c.name;
    }
}

// Streams head, then filler up to 200 MB, until the server answers or closes.
std::string streamed(quint16 port, const QByteArray& head) {
    const Socket socket = connectTo(port);
    socket->write(head);
    const QByteArray chunk(64 * 1024, 'a');
    for (int i = 0; i < 3200 && socket->state() == QAbstractSocket::ConnectedState &&
                    socket->bytesAvailable() == 0;
         ++i) {
        socket->write(chunk);
        socket->waitForBytesWritten(2000);
    }
    return std::to_string(statusOf(readAnswer(*socket)));
}

// 30,000 pipelined GETs (1.1 MB) whose answers are never read.
std::string unread(quint16 port) {
    const Socket socket = connectTo(port);
    socket->write(get("/").repeated(30000));
    for (const QDeadlineTimer deadline(kIdleMs);
         socket->bytesToWrite() > 0 && !deadline.hasExpired();)
        socket->waitForBytesWritten(100);
    QThread::msleep(kIdleMs * 3 / 2);
    const bool dropped = socket->state() == QAbstractSocket::UnconnectedState ||
                         socket->waitForDisconnected(kIdleMs);
    return dropped ? "dropped" : "kept";
}

// 1,030 idle connections, then a page and the server's open descriptors.
std::string crowded(const ServerProcess& server) {
    std::vector<Socket> idle;
    for (int i = 0; i < 1030; ++i)
        idle.push_back(connectTo(server.port));
    const Socket socket = connectTo(server.port);
    socket->write(get("/"));
    const int status = statusOf(readAnswer(*socket));
    const qsizetype open =
        QDir(server.proc("fd")).entryList(QDir::System | QDir::NoDotAndDotDot).size();
    return std::to_string(status) + (open < 100 ? ", few descriptors" : ", many descriptors");
}

TEST(SiteServer, StaysSmallAndServingUnderHostileClients) {
    const ServerProcess server;
    ASSERT_NE(server.port, 0);
    const qint64 startKb = server.statusKb("VmRSS");
    const std::pair<std::string, std::string> loads[] = {
        {streamed(server.port, "GET / HTTP/1.1\r\nHost: a\r\nX: "), "431"},
        {streamed(server.port, "POST / HTTP/1.1\r\nHost: a\r\nContent-Length: 209715200\r\n\r\n"),
         "405"},
        {unread(server.port), "dropped"},
        {crowded(server), "200, few descriptors"},
    };
    for (const auto& [outcome, expected] : loads)
        EXPECT_EQ(outcome, expected);
    const qint64 peakKb = server.statusKb("VmHWM");
    std::printf("server memory: %lld kB resident at start, %lld kB peak across the loads\n",
                static_cast<long long>(startKb), static_cast<long long>(peakKb));
    // Unbounded, the unread answers alone took 120 MB.
    EXPECT_TRUE(server.process.state() == QProcess::Running && peakKb > 0 &&
                peakKb < startKb + 32 * 1024)
        << peakKb << " kB";
}

} // namespace
