#pragma once

#include "common/regularfile.h"

#include <QImage>
#include <QString>

namespace radiane {

// No picture of the program comes near this.
inline constexpr qint64 kMaxPictureFileBytes = 32 * 1024 * 1024;

struct PictureRead {
    QImage image;
    FileBytes::Status status = FileBytes::Status::Ok;
    QString reason; // set when the image is null, in the program's voice

    bool ok() const { return !image.isNull(); }
};

// The picture (BMP or PNG, told by its bytes) in the regular file at path.
PictureRead readPictureFile(const QString& path);

} // namespace radiane
