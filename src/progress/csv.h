#pragma once

#include <QByteArray>
#include <QStringList>

namespace radiane::progress {

// One CSV record (RFC 4180) in UTF-8 with its CRLF: a field holding a comma,
// quote or line break is quoted, quotes doubled.
QByteArray csvLine(const QStringList& fields);

} // namespace radiane::progress
