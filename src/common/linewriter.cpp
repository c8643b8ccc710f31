#include "common/linewriter.h"

#include "common/gbk.h"

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

} // namespace radiane
