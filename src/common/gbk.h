#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace radiane {

// The program's text files and database fields are GBK (code page 936).
// Bytes that are not valid GBK decode to U+FFFD; decoding never fails.
QString decodeGbk(QByteArrayView bytes);

// Empty when some character of text has no GBK form.
std::optional<QByteArray> encodeGbk(const QString& text);

} // namespace radiane
