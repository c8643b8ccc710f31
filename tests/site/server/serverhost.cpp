// The help site's server alone in a process, for the socket tests: serves the
// program folder given, with the idle timeout given in milliseconds, prints its
// port and runs until killed.
#include "site/server/siteserver.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return 2;
    radiane::site::ServerLimits limits;
    limits.idleTimeout = std::chrono::milliseconds(QByteArray(argv[2]).toInt());
    radiane::site::SiteServer server(radiane::ProgramFolder(QString::fromLocal8Bit(argv[1])),
                                     nullptr, limits);
    if (!server.listen()) {
        std::fprintf(stderr, "%s\n", qPrintable(server.errorString()));
        return 1;
    }
    std::printf("%u\n", unsigned(server.port()));
    std::fflush(stdout);
    return QGuiApplication::exec();
}
