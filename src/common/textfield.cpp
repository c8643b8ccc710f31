#include "common/textfield.h"

#include "common/gbk.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace radiane {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

FieldRead failure(FieldRead::Status status, QString reason) {
    return FieldRead{status, QString(), std::move(reason)};
}

} // namespace

FieldRead firstFieldOfText(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i == text.size())
        return failure(FieldRead::Status::Empty, QStringLiteral("文件是空的，没有可读的内容"));

    if (text[i] == u'"') {
        const qsizetype close = text.indexOf(u'"', i + 1);
        const qsizetype end = close < 0 ? text.size() : close;
        return FieldRead{FieldRead::Status::Ok, text.mid(i + 1, end - i - 1), {}};
    }

    qsizetype end = i;
    while (end < text.size() && text[end] != u',' && !isLineEnd(text[end]))
        ++end;
    // Blanks before the comma or line end are not part of the field.
    qsizetype last = end;
    while (last > i && isBlank(text[last - 1]))
        --last;
    return FieldRead{FieldRead::Status::Ok, text.mid(i, last - i), {}};
}

FieldRead firstFieldOfBytes(QByteArrayView bytes) {
    return firstFieldOfText(decodeGbk(bytes));
}

FieldRead readFirstField(const QString& path, GbkCheck check) {
    const QFileInfo info(path);
    if (!info.exists())
        return failure(FieldRead::Status::Missing, QStringLiteral("找不到文件"));
    if (info.isDir())
        return failure(FieldRead::Status::Unreadable, QStringLiteral("这是一个文件夹，不是文件"));
    // A pipe or device would block the read or never end.
    if (!info.isFile())
        return failure(FieldRead::Status::Unreadable, QStringLiteral("这不是一个普通文件"));
    if (info.size() > kMaxTextFileBytes)
        return failure(FieldRead::Status::TooLarge, QStringLiteral("文件太大，不像是本程序的数据"));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(FieldRead::Status::Unreadable,
                       QStringLiteral("无法读取（%1）").arg(file.errorString()));
    // In pieces: asking for the whole limit at once would allocate it for every
    // small settings file.
    QByteArray bytes;
    while (bytes.size() <= kMaxTextFileBytes) {
        const QByteArray piece =
            file.read(std::min<qint64>(64 * 1024, kMaxTextFileBytes + 1 - bytes.size()));
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError)
        return failure(FieldRead::Status::Unreadable,
                       QStringLiteral("无法读取（%1）").arg(file.errorString()));
    if (check == GbkCheck::Strict && !looksLikeGbkText(bytes))
        return failure(FieldRead::Status::NotGbk,
                       readsAsUtf8Chinese(bytes)
                           ? QStringLiteral("不是 GBK 编码的文本（看来是以 UTF-8 保存的）")
                           : QStringLiteral("不是 GBK 编码的文本"));
    return firstFieldOfBytes(bytes);
}

} // namespace radiane
