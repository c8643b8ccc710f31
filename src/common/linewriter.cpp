#include "common/linewriter.h"

#include "common/gbk.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace radiane {

WriteResult writeLine(const QString& path, const QString& value) {
    const std::optional<QByteArray> encoded = encodeGbk(value);
    if (!encoded)
        return {false, QStringLiteral("“%1”含有无法用 GBK 保存的字符").arg(value)};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, QStringLiteral("无法写入（%1）").arg(file.errorString())};
    file.write(*encoded + QByteArrayLiteral("\r\n"));
    if (!file.commit())
        return {false, QStringLiteral("无法写入（%1）").arg(file.errorString())};
    return {};
}

void removeLeftoverWrites(const QString& path) {
    const QFileInfo file(path);
    const QRegularExpression leftover(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(file.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    const QDateTime stale = QDateTime::currentDateTimeUtc().addSecs(-kLeftoverAgeSeconds);
    const QFileInfoList candidates =
        file.dir().entryInfoList({file.fileName() + QStringLiteral(".??????")},
                                 QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& candidate : candidates)
        if (leftover.match(candidate.fileName()).hasMatch() && candidate.lastModified() < stale)
            QFile::remove(candidate.filePath());
}

} // namespace radiane
