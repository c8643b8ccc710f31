// The built-in help site: from the click on a key to the first byte of its page
// (server start included), and each route once warm, over a real socket.
#include "app/ui/builtinsite.h"
#include "lookup/keyhelp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpSocket>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>

namespace {

radiane::ProgramFolder folder() {
    return radiane::ProgramFolder(QStringLiteral(RADIANE_PROGRAM_DIR));
}

void spin() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// Sends a GET and returns the seconds to the first byte of the answer; reads the
// whole answer when whole is set (then the seconds are to its last byte).
double get(quint16 port, const QByteArray& target, bool whole) {
    QElapsedTimer clock;
    clock.start();
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.write("GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    QByteArray reply;
    qsizetype expected = -1;
    while (true) {
        spin();
        reply += socket.readAll();
        if (!whole && !reply.isEmpty())
            break;
        const qsizetype headEnd = reply.indexOf("\r\n\r\n");
        if (expected < 0 && headEnd >= 0) {
            const qsizetype at = reply.toLower().indexOf("content-length:");
            expected = headEnd + 4 +
                       reply.mid(at + 15, reply.indexOf('\r', at) - at - 15).trimmed().toLongLong();
        }
        if (expected >= 0 && reply.size() >= expected)
            break;
        if (socket.state() == QAbstractSocket::UnconnectedState && socket.bytesAvailable() == 0)
            break;
    }
    return clock.nsecsElapsed() / 1e9;
}

// The click in a fresh process: the key's address through the resolver (module
// loaded, server built and started), then the browser's request, to the first
// byte back. Prints the seconds.
int firstClick() {
    const QUrl address = *radiane::lookup::keyPageAddress(6); // g
    QElapsedTimer clock;
    clock.start();
    radiane::app::BuiltInSite site(folder());
    const QUrl opened = site.resolve(address).address;
    const double started = clock.nsecsElapsed() / 1e9;
    get(static_cast<quint16>(opened.port()), opened.path().toUtf8(), false);
    std::printf("%.9f %.9f\n", clock.nsecsElapsed() / 1e9, started);
    return opened.port() > 0 ? 0 : 1;
}

void BM_FirstKeyPage(benchmark::State& state) {
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--first-click")});
        if (!child.waitForFinished(30000) || child.exitCode() != 0) {
            state.SkipWithError("the first click failed");
            return;
        }
        const QList<QByteArray> seconds = child.readAllStandardOutput().trimmed().split(' ');
        state.SetIterationTime(seconds.value(0).toDouble());
        state.counters["server_started_ms"] = seconds.value(1).toDouble() * 1000;
    }
}
BENCHMARK(BM_FirstKeyPage)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

const char* const kRoutes[] = {
    "/",
    "/wbwz/g.htm",
    "/wbwz/86help.htm",
    "/wb",
    "/wbcx",
    "/wbcx/search.asp?page=1&type=title&searchtxt=%B0%DD",
    "/chart",
    "/site.css",
    "/pic/g01.png",
    "/pic/%E5%B8%85-1.png",
    "/nothing",
};

void BM_WarmRoute(benchmark::State& state) {
    static radiane::app::BuiltInSite site(folder());
    const auto port = static_cast<quint16>(
        site.resolve(QUrl(QStringLiteral("http://127.0.0.1/"))).address.port());
    const QByteArray target(kRoutes[state.range(0)]);
    state.SetLabel(target.toStdString());
    get(port, target, true);
    for (auto _ : state)
        state.SetIterationTime(get(port, target, true));
}
BENCHMARK(BM_WarmRoute)
    ->DenseRange(0, std::size(kRoutes) - 1)
    ->UseManualTime()
    ->Iterations(30)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--first-click") == 0)
        return firstClick();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
