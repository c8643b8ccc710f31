// Reading settings files in pieces (the reader used to ask for its whole size
// limit at once): what is read must not depend on where the pieces end.
#include "common/gbk.h"
#include "common/textfield.h"
#include "support/tempprogramfolder.h"

#include <gtest/gtest.h>

using namespace radiane;
using radiane::test::gbk;
using radiane::test::TempProgramFolder;

namespace {

TEST(TextFieldPieces, AFieldLongerThanOnePieceIsReadWhole) {
    TempProgramFolder folder;
    // A GBK character straddles every 64 KiB boundary: 1 ASCII byte, then pairs.
    const QByteArray field = "a" + gbk(QString(100 * 1024, QChar(u'中')));
    folder.write("list.txt", field + ",second\r\n");
    const FieldRead read = readFirstField(folder.file("list.txt"));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value, decodeGbk(field));
}

TEST(TextFieldPieces, AFileOfExactlyTheLimitIsRead) {
    TempProgramFolder folder;
    QByteArray bytes(kMaxTextFileBytes, ' ');
    bytes[kMaxTextFileBytes - 1] = 'x';
    folder.write("big.txt", bytes);
    const FieldRead read = readFirstField(folder.file("big.txt"));
    ASSERT_TRUE(read.ok()) << read.reason.toStdString();
    EXPECT_EQ(read.value, QStringLiteral("x"));
}

} // namespace
