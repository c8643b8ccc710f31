#include "common/fatalerror.h"

#include <QDir>

namespace radiane {

QString fileMessage(const QString& file, const QString& reason) {
    return QStringLiteral("文件 %1：%2").arg(QDir::toNativeSeparators(file), reason);
}

FatalError::FatalError(QString file, QString reason)
    : std::runtime_error((file + QStringLiteral(": ") + reason).toStdString()),
      file_(std::move(file)), reason_(std::move(reason)) {}

QString FatalError::message() const {
    if (file_.isEmpty())
        return reason_;
    return fileMessage(file_, reason_);
}

} // namespace radiane
