#include "common/fatalerror.h"

#include <QDir>

namespace radiane {

FatalError::FatalError(QString file, QString reason)
    : std::runtime_error((file + QStringLiteral(": ") + reason).toStdString()),
      file_(std::move(file)), reason_(std::move(reason)) {}

QString FatalError::message() const {
    if (file_.isEmpty())
        return reason_;
    return QStringLiteral("文件 %1：%2").arg(QDir::toNativeSeparators(file_), reason_);
}

} // namespace radiane
