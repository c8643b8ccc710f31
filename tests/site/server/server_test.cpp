// The help site's server in its own process, spoken to over real sockets on
// 127.0.0.1: requests as the audits sent them, and loads meant to exhaust its
// memory or descriptors, after which it reports its peak memory.
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>
#include <sys/socket.h>
#include <vector>

namespace {

constexpr int kIdleMs = 3000;

// The server host with the desktop's usual limit of 1,024 descriptors.
class ServerProcess {
public:
    ServerProcess() {
        process_.setChildProcessModifier([] {
            const rlimit desktop{1024, 1024};
            setrlimit(RLIMIT_NOFILE, &desktop);
        });
        process_.start(QStringLiteral(SERVER_HOST),
                       {qEnvironmentVariable("RADIANE_PROGRAM_DIR"), QString::number(kIdleMs)});
        process_.waitForReadyRead(20000);
        port_ = process_.readLine().trimmed().toUShort();
    }
    ~ServerProcess() {
        process_.kill();
        process_.waitForFinished();
    }
    quint16 port() const { return port_; }
    bool running() const { return process_.state() == QProcess::Running; }
    // A "kB" line of /proc/<pid>/status, such as VmHWM (peak resident memory).
    qint64 statusKb(QByteArrayView name) const {
        QFile status(QStringLiteral("/proc/%1/status").arg(process_.processId()));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith(name.toByteArray() + ':'))
                return line.mid(name.size() + 1).trimmed().split(' ').front().toLongLong();
        return -1;
    }
    qsizetype descriptors() const {
        return QDir(QStringLiteral("/proc/%1/fd").arg(process_.processId()))
            .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
            .size();
    }

private:
    QProcess process_;
    quint16 port_ = 0;
};

QByteArray get(const QByteArray& target, const QByteArray& fields = "Host: a\r\n") {
    return "GET " + target + " HTTP/1.1\r\n" + fields + "\r\n";
}

// Whether bytes begin with a whole answer: its head and Content-Length bytes.
bool whole(const QByteArray& bytes) {
    const qsizetype end = bytes.indexOf("\r\n\r\n");
    if (end < 0)
        return false;
    const QByteArray head = bytes.first(end).toLower();
    const qsizetype at = head.indexOf("\r\ncontent-length:");
    const qsizetype lineEnd = head.indexOf('\r', at + 2);
    const qint64 length = at < 0
                              ? 0
                              : head.mid(at + 17, (lineEnd < 0 ? head.size() : lineEnd) - at - 17)
                                    .trimmed()
                                    .toLongLong();
    return bytes.size() >= end + 4 + length;
}

int statusOf(const QByteArray& bytes) {
    return bytes.startsWith("HTTP/1.1 ") ? bytes.mid(9, 3).toInt() : 0;
}

std::unique_ptr<QTcpSocket> connectTo(quint16 port) {
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(QHostAddress::LocalHost, port);
    socket->waitForConnected(5000);
    return socket;
}

// Reads until a whole answer is in, the server closes, or five seconds pass.
QByteArray readAnswer(QTcpSocket& socket) {
    QByteArray bytes;
    const QDeadlineTimer deadline(5000);
    while (!whole(bytes) && !deadline.hasExpired()) {
        if (socket.state() != QAbstractSocket::ConnectedState && socket.bytesAvailable() == 0)
            break;
        socket.waitForReadyRead(50);
        bytes += socket.readAll();
    }
    return bytes;
}

// Sends prefix and then filler, up to total bytes, until the server answers or
// closes; the status it answers.
int stream(quint16 port, const QByteArray& prefix, qint64 total) {
    const std::unique_ptr<QTcpSocket> socket = connectTo(port);
    socket->write(prefix);
    const QByteArray chunk(64 * 1024, 'a');
    for (qint64 sent = 0; sent < total && socket->state() == QAbstractSocket::ConnectedState &&
                          socket->bytesAvailable() == 0;
         sent += chunk.size()) {
        socket->write(chunk);
        socket->waitForBytesWritten(2000);
    }
    return statusOf(readAnswer(*socket));
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
    const QByteArray tlsHello =
        QByteArray::fromHex("160301020001000200fc0303") + QByteArray(32, 'r');
    const Case cases[] = {
        {"a page, connection kept", get("/"), 200, Ending::Open, "Radiane 五笔字根帮助"},
        {"Connection: close", get("/", "Host: a\r\nConnection: close\r\n"), 200, Ending::Closed},
        {"close among options", get("/", "Host: a\r\nConnection: keep-alive, Close\r\n"), 200,
         Ending::Closed},
        {"HTTP/1.0", "GET / HTTP/1.0\r\n\r\n", 200, Ending::Closed},
        {"HTTP/1.0 asking to keep alive", "GET / HTTP/1.0\r\nConnection: keep-alive\r\n\r\n", 200,
         Ending::Closed},
        {"half-closed after the request", get("/wb"), 200, Ending::Closed, {}, true},
        {"pipelined, the last closing", get("/wb") + get("/", "Host: a\r\nConnection: close\r\n"),
         200, Ending::Closed},
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
        {"TLS hello", tlsHello, 400, Ending::Closed},
        {"nothing sent", "", 0, Ending::ClosedWhenIdle},
        {"head never finished", "GET / HTTP/1.1\r\nHost: a\r\n", 0, Ending::ClosedWhenIdle},
    };
    const ServerProcess server;
    ASSERT_NE(server.port(), 0);
    for (const Case& c : cases) {
        const std::unique_ptr<QTcpSocket> socket = connectTo(server.port());
        socket->write(c.request);
        socket->waitForBytesWritten(5000);
        if (c.halfClose)
            ::shutdown(int(socket->socketDescriptor()), SHUT_WR);
        const QByteArray answer = c.status != 0 ? readAnswer(*socket) : QByteArray();
        // Closing at once means well before the idle timeout.
        const bool closed = socket->state() == QAbstractSocket::UnconnectedState ||
                            socket->waitForDisconnected(c.ending == Ending::Open     ? 300
                                                        : c.ending == Ending::Closed ? kIdleMs / 2
                                                                                     : kIdleMs * 2);
        EXPECT_EQ(statusOf(answer), c.status) << c.name;
        EXPECT_EQ(closed, c.ending != Ending::Open) << c.name;
        EXPECT_TRUE(answer.contains(c.contains)) << c.name;
    }
}

TEST(SiteServer, StaysSmallAndServingUnderHostileClients) {
    struct Load {
        const char* name;
        std::function<QString(const ServerProcess&)> run;
        QString outcome;
    };
    constexpr qint64 k200MB = 200LL * 1024 * 1024;
    const Load loads[] = {
        {"200 MB header",
         [&](const ServerProcess& s) {
             return QString::number(stream(s.port(), "GET / HTTP/1.1\r\nHost: a\r\nX: ", k200MB));
         },
         "431"},
        {"200 MB POST body",
         [&](const ServerProcess& s) {
             return QString::number(
                 stream(s.port(), "POST / HTTP/1.1\r\nHost: a\r\nContent-Length: 209715200\r\n\r\n",
                        k200MB));
         },
         "405"},
        {"30,000 pipelined GETs never read",
         [](const ServerProcess& s) {
             const std::unique_ptr<QTcpSocket> socket = connectTo(s.port());
             const QByteArray requests = get("/").repeated(30000);
             socket->write(requests);
             const QDeadlineTimer deadline(kIdleMs * 2);
             while (socket->bytesToWrite() > 0 && !deadline.hasExpired())
                 socket->waitForBytesWritten(100);
             QThread::msleep(kIdleMs * 3 / 2); // reads nothing meanwhile
             const bool dropped = socket->state() == QAbstractSocket::UnconnectedState ||
                                  socket->waitForDisconnected(kIdleMs);
             return QString(dropped ? "dropped" : "kept");
         },
         "dropped"},
        {"1,030 idle connections, then a page",
         [](const ServerProcess& s) {
             std::vector<std::unique_ptr<QTcpSocket>> idle;
             for (int i = 0; i < 1030; ++i)
                 idle.push_back(connectTo(s.port()));
             const std::unique_ptr<QTcpSocket> socket = connectTo(s.port());
             socket->write(get("/"));
             const int status = statusOf(readAnswer(*socket));
             return QStringLiteral("%1, %2 descriptors")
                 .arg(status)
                 .arg(s.descriptors() < 100 ? "few" : "many");
         },
         "200, few descriptors"},
    };
    const ServerProcess server;
    ASSERT_NE(server.port(), 0);
    const qint64 startKb = server.statusKb("VmRSS");
    for (const Load& load : loads)
        EXPECT_EQ(load.run(server), load.outcome) << load.name;
    const qint64 peakKb = server.statusKb("VmHWM");
    std::printf("server memory: %lld kB resident at start, %lld kB peak across the loads\n",
                static_cast<long long>(startKb), static_cast<long long>(peakKb));
    RecordProperty("peak_kb", QByteArray::number(peakKb).constData());
    EXPECT_TRUE(server.running() && peakKb > 0 && peakKb < 150 * 1024) << peakKb << " kB";
}

} // namespace
