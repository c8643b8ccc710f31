#include "common/programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace radiane {

ProgramFolder::ProgramFolder(QString path) : path_(QDir::cleanPath(std::move(path))) {}

ProgramFolder ProgramFolder::ofExecutable() {
    return ProgramFolder(QCoreApplication::applicationDirPath());
}

QString ProgramFolder::file(const QString& name) const {
    return path_ + QLatin1Char('/') + name;
}

} // namespace radiane
