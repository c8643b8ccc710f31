#include "common/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace radiane {

QString decodeGbk(QByteArrayView bytes) {
    QStringDecoder decoder("GBK", QStringDecoder::Flag::Stateless);
    Q_ASSERT(decoder.isValid());
    return decoder.decode(bytes);
}

std::optional<QByteArray> encodeGbk(const QString& text) {
    QStringEncoder encoder("GBK", QStringEncoder::Flag::Stateless);
    Q_ASSERT(encoder.isValid());
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    // ICU substitutes silently for some characters; a round trip tells.
    if (decodeGbk(bytes) != text)
        return std::nullopt;
    return bytes;
}

} // namespace radiane
