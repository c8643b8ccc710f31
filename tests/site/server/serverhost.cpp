// The help site's server alone: serves the program folder given with the idle
// timeout given (ms), prints its port and runs until killed.
#include "site/server/siteserver.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    radiane::site::ServerLimits limits;
    limits.idleTimeout = std::chrono::milliseconds(QByteArray(argv[argc - 1]).toInt());
    radiane::site::SiteServer server(radiane::ProgramFolder(QString::fromLocal8Bit(argv[1])),
                                     nullptr, limits);
    if (argc != 3 || !server.listen())
        return 1;
    std::printf("%u\n", unsigned(server.port()));
    std::fflush(stdout);
    return QGuiApplication::exec();
}
