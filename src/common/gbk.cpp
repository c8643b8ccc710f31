#include "common/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace radiane {

QString decodeGbk(QByteArrayView bytes) {
    QStringDecoder decoder("GBK", QStringDecoder::Flag::Stateless);
    Q_ASSERT(decoder.isValid());
    return decoder.decode(bytes);
}

bool readsAsUtf8Chinese(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return false;
    // CJK radicals up to the unified ideographs, and the compatibility ideographs.
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() >= 0x2E80 && c.unicode() <= 0x9FFF) ||
               (c.unicode() >= 0xF900 && c.unicode() <= 0xFAFF);
    });
}

QString likelyEncodingOf(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF") || readsAsUtf8Chinese(bytes))
        return QStringLiteral("UTF-8");
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || bytes.contains('\0'))
        return QStringLiteral("UTF-16");
    return {};
}

bool looksLikeGbkText(QByteArrayView bytes) {
    return !decodeGbk(bytes).contains(QChar::ReplacementCharacter) &&
           likelyEncodingOf(bytes).isEmpty();
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
