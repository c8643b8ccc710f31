// progress_store_child open <file>: opens the file for writing; prints the
// message and exits 1 when it cannot be used.
// progress_store_child record <file>: writes groups of five keys, one
// transaction each, and prints "committed <groups>" after every commit, until
// it is killed.
#include "progress/progressstore.h"

#include <QCoreApplication>
#include <cstdio>

using namespace radiane::progress;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString command = QString::fromLocal8Bit(argv[1]);
    ProgressStore store(QString::fromLocal8Bit(argv[2]));
    if (const std::optional<QString> problem = store.open()) {
        std::printf("%s\n", qPrintable(*problem));
        return 1;
    }
    if (command == QLatin1String("open"))
        return 0;
    std::vector<KeyRecord> group(5);
    for (int i = 0; i < 5; ++i) {
        group[i].when = 1'700'000'000'000 + i;
        group[i].item = QStringLiteral("g0%1").arg(i + 1);
        group[i].expected = u'g';
        group[i].typed = i % 2 ? u'g' : u'f';
        group[i].right = i % 2;
        group[i].answerMs = 900;
    }
    for (int groups = 1;; ++groups) {
        if (const std::optional<QString> problem = store.append(group)) {
            std::printf("%s\n", qPrintable(*problem));
            return 1;
        }
        std::printf("committed %d\n", groups);
        std::fflush(stdout);
    }
}
