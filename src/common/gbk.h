#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace radiane {

// The program's text files and database fields are GBK (code page 936).
// Bytes that are not valid GBK decode to U+FFFD; decoding never fails.
QString decodeGbk(QByteArrayView bytes);

// Whether bytes read as a GBK text: false when some bytes are not GBK at all, or
// when they are a valid UTF-8 text with Chinese characters (a GBK Chinese text of
// more than a few characters practically never is).
bool looksLikeGbkText(QByteArrayView bytes);
// Whether bytes are valid UTF-8 holding at least one CJK character.
bool readsAsUtf8Chinese(QByteArrayView bytes);

// Empty when some character of text has no GBK form.
std::optional<QByteArray> encodeGbk(const QString& text);

} // namespace radiane
