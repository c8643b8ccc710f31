#include "common/textfield.h"

#include "common/gbk.h"
#include "common/regularfile.h"

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
    const FileBytes read = readRegularFile(path, kMaxTextFileBytes);
    switch (read.status) {
    case FileBytes::Status::Ok:
        break;
    case FileBytes::Status::Missing:
        return failure(FieldRead::Status::Missing, read.reason);
    case FileBytes::Status::Unreadable:
        return failure(FieldRead::Status::Unreadable, read.reason);
    case FileBytes::Status::TooLarge:
        return failure(FieldRead::Status::TooLarge, read.reason);
    }
    if (check == GbkCheck::Strict && !looksLikeGbkText(read.bytes)) {
        const QString savedAs = likelyEncodingOf(read.bytes);
        return failure(
            FieldRead::Status::NotGbk,
            savedAs.isEmpty()
                ? QStringLiteral("不是 GBK 编码的文本")
                : QStringLiteral("不是 GBK 编码的文本（看来是以 %1 保存的）").arg(savedAs));
    }
    return firstFieldOfBytes(read.bytes);
}

} // namespace radiane
