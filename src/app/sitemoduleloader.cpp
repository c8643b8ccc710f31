#include "app/sitemoduleloader.h"

#include "site/server/sitemodule.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace radiane::app {

SiteStart startSiteModule(const ProgramFolder& folder) {
    const QString path = folder.file(QString::fromLatin1(kSiteModuleBaseName));
    // Never unloaded: the server lives on in the application object.
    QLibrary module(path);
    if (!module.load()) {
        const QString base = QString::fromLatin1(kSiteModuleBaseName);
        const QFileInfoList files =
            QDir(folder.path())
                .entryInfoList({base + QStringLiteral(".*"),
                                QStringLiteral("lib") + base + QStringLiteral(".*")},
                               QDir::Files);
        if (files.isEmpty())
            return {0, QStringLiteral("找不到本机帮助的服务模块 %1，无法打开帮助页。")
                           .arg(QDir::toNativeSeparators(path))};
        return {0,
                QStringLiteral("无法载入本机帮助的服务模块 %1：%2")
                    .arg(QDir::toNativeSeparators(files.front().filePath()), module.errorString())};
    }
    const auto start = reinterpret_cast<SiteStartFunction>(module.resolve(kSiteStartSymbol));
    if (!start)
        return {0, QStringLiteral("本机帮助的服务模块 %1 不能用：%2")
                       .arg(QDir::toNativeSeparators(module.fileName()), module.errorString())};
    const QString& root = folder.path();
    const char16_t* failure = nullptr;
    const quint16 port =
        start(reinterpret_cast<const char16_t*>(root.utf16()), root.size(), &failure);
    if (port == 0)
        return {0, QStringLiteral("本机帮助无法在 127.0.0.1 上开始服务：%1")
                       .arg(failure ? QString::fromUtf16(failure) : QString())};
    return {port, {}};
}

} // namespace radiane::app
