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
// when they evidently are another encoding (likelyEncodingOf): a GBK Chinese text
// of more than a few characters practically never is valid UTF-8.
bool looksLikeGbkText(QByteArrayView bytes);
// Whether bytes are valid UTF-8 holding at least one CJK character.
bool readsAsUtf8Chinese(QByteArrayView bytes);
// The encoding a text that is not GBK was evidently saved in: "UTF-8" (Chinese
// text that is valid UTF-8, or a UTF-8 byte order mark), "UTF-16" (its byte
// order mark, or NUL bytes); empty when the bytes do not tell.
QString likelyEncodingOf(QByteArrayView bytes);

// Empty when some character of text has no GBK form.
std::optional<QByteArray> encodeGbk(const QString& text);

} // namespace radiane
