#include "common/regularfile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace radiane {

namespace {

FileBytes failure(FileBytes::Status status, QString reason) {
    return FileBytes{status, QByteArray(), std::move(reason)};
}

FileBytes tooLarge() {
    return failure(FileBytes::Status::TooLarge, QStringLiteral("文件太大，不像是本程序的数据"));
}

} // namespace

FileBytes checkRegularFile(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return failure(FileBytes::Status::Missing, QStringLiteral("找不到文件"));
    if (info.isDir())
        return failure(FileBytes::Status::Unreadable, QStringLiteral("这是一个文件夹，不是文件"));
    if (!info.isFile())
        return failure(FileBytes::Status::Unreadable, QStringLiteral("这不是一个普通文件"));
    return {};
}

FileBytes readRegularFile(const QString& path, qint64 maxBytes) {
    if (FileBytes refused = checkRegularFile(path); !refused.ok())
        return refused;
    if (QFileInfo(path).size() > maxBytes)
        return tooLarge();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(FileBytes::Status::Unreadable,
                       QStringLiteral("无法读取（%1）").arg(file.errorString()));
    // In pieces, and never more than the bound: the file may grow while it is
    // read, and asking for the whole bound at once would allocate it every time.
    FileBytes read;
    while (read.bytes.size() <= maxBytes) {
        const QByteArray piece =
            file.read(std::min<qint64>(64 * 1024, maxBytes + 1 - read.bytes.size()));
        if (piece.isEmpty())
            break;
        read.bytes += piece;
    }
    if (file.error() != QFileDevice::NoError)
        return failure(FileBytes::Status::Unreadable,
                       QStringLiteral("无法读取（%1）").arg(file.errorString()));
    if (read.bytes.size() > maxBytes)
        return tooLarge();
    return read;
}

} // namespace radiane
