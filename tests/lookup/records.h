#pragma once

#include "lookup/codedatabase.h"
#include "support/tempprogramfolder.h"

#include <QStringList>
#include <array>
#include <gtest/gtest.h>

namespace radiane::test {

// GBK bytes of text, padded with blanks to width.
inline QByteArray padded(const QString& text, int width) {
    QByteArray bytes = gbk(text);
    EXPECT_LE(bytes.size(), width) << text.toStdString();
    bytes.resize(width, ' ');
    return bytes;
}

// One 302-byte code database record: the character's bytes, up to three codes
// separated by blanks, and the fill-point lists of radicals 1 to 4.
inline QByteArray record(QByteArray hanzi, const QString& codes = {},
                         const std::array<QString, 4>& seeds = {}) {
    hanzi.resize(2, ' ');
    QStringList fields = codes.split(u' ');
    fields.resize(3);
    for (const QString& code : fields)
        hanzi += padded(code, 4);
    for (const QString& list : seeds)
        hanzi += padded(list, 72);
    EXPECT_EQ(hanzi.size(), lookup::CodeDatabase::kRecordSize);
    return hanzi;
}

} // namespace radiane::test
