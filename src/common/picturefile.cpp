#include "common/picturefile.h"

namespace radiane {

PictureRead readPictureFile(const QString& path) {
    const FileBytes read = readRegularFile(path, kMaxPictureFileBytes);
    if (read.status == FileBytes::Status::Missing)
        return {QImage(), read.status, QStringLiteral("找不到图片文件")};
    if (!read.ok())
        return {QImage(), read.status, read.reason};
    QImage image = QImage::fromData(read.bytes);
    if (image.isNull())
        return {QImage(), FileBytes::Status::Unreadable, QStringLiteral("图片无法读取")};
    return {std::move(image), FileBytes::Status::Ok, {}};
}

} // namespace radiane
