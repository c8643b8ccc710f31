#include "benchfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace radiane::bench {

bool copyProgramData(const QString& programDir, const QString& folder) {
    const QDir from(programDir);
    if (!from.exists(QStringLiteral("zg.txt")) || !from.exists(QStringLiteral("zg2.txt")) ||
        !from.exists(QStringLiteral("bmp")))
        return false;
    QDir to(folder);
    const QStringList shipped = {QStringLiteral("*.txt"), QStringLiteral("*.dat"),
                                 QStringLiteral("*.png"), QStringLiteral("*.urf"),
                                 QStringLiteral("*.svg")};
    for (const QFileInfo& file : from.entryInfoList(shipped, QDir::Files)) {
        // Settings files are the program's own; every run starts without them.
        if (file.fileName() == u"setup.txt" || file.fileName() == u"face.txt")
            continue;
        if (!QFile::copy(file.filePath(), to.filePath(file.fileName())))
            return false;
    }
    to.mkpath(QStringLiteral("bmp"));
    QDirIterator pictures(from.filePath(QStringLiteral("bmp")), QDir::Files);
    while (pictures.hasNext()) {
        pictures.next();
        if (!QFile::copy(pictures.filePath(),
                         to.filePath(QStringLiteral("bmp/") + pictures.fileName())))
            return false;
    }
    return true;
}

double quantile(std::vector<double> samples, double q) {
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const auto index = static_cast<std::size_t>(std::lround(q * double(samples.size() - 1)));
    return samples[std::min(index, samples.size() - 1)];
}

} // namespace radiane::bench
