#include "common/textfield.h"
#include "support/tempprogramfolder.h"

#include <QFile>
#include <gtest/gtest.h>

using radiane::FieldRead;
using radiane::readFirstField;
using radiane::test::TempProgramFolder;

namespace {

struct FieldCase {
    const char* name;
    QByteArray bytes;
    FieldRead::Status status;
    QString value;
};

class FirstFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(FirstFieldTest, ReadsTheFirstFieldOfTheFile) {
    const FieldCase& c = GetParam();
    TempProgramFolder folder;
    folder.write("setup.txt", c.bytes);
    const FieldRead read = readFirstField(folder.file("setup.txt"));
    EXPECT_EQ(read.status, c.status);
    EXPECT_EQ(read.value.toStdU16String(), c.value.toStdU16String());
    if (!read.ok()) {
        EXPECT_FALSE(read.reason.isEmpty());
    }
}

const FieldCase kCases[] = {
    {"ModeOne", "1\r\n", FieldRead::Status::Ok, "1"},
    {"ModeTwoNoLineEnd", "2", FieldRead::Status::Ok, "2"},
    {"CommaEndsTheField", "1,2\r\n", FieldRead::Status::Ok, "1"},
    {"LeadingBlankSkipped", " 2\r\n", FieldRead::Status::Ok, "2"},
    {"LeadingTabSkipped", "\t2\r\n", FieldRead::Status::Ok, "2"},
    {"TrailingBlanksDropped", "2  \r\n", FieldRead::Status::Ok, "2"},
    {"QuotedField", "\"a, b\",c\r\n", FieldRead::Status::Ok, "a, b"},
    {"UnclosedQuoteRunsToEnd", "\"ab", FieldRead::Status::Ok, "ab"},
    {"OtherDigit", "3\r\n", FieldRead::Status::Ok, "3"},
    {"LineFeedOnly", "1\n2\n", FieldRead::Status::Ok, "1"},
    {"EmptyLine", "\r\n", FieldRead::Status::Ok, ""},
    {"BlanksThenLineEnd", "   \r\n", FieldRead::Status::Ok, ""},
    {"EmptyFile", "", FieldRead::Status::Empty, ""},
    {"OnlyBlanks", "   ", FieldRead::Status::Empty, ""},
    // 取消皮肤.urf in GBK
    {"GbkText", "\xc8\xa1\xcf\xfb\xc6\xa4\xb7\xf4.urf\r\n", FieldRead::Status::Ok,
     QStringLiteral("取消皮肤.urf")},
    {"FullWidthCommaIsOrdinary",
     "\xa3\xac"
     "a,b",
     FieldRead::Status::Ok, QStringLiteral("，a")},
    {"InvalidBytesBecomeReplacement", "a\x81\r\n", FieldRead::Status::Ok,
     QStringLiteral("a\uFFFD")},
};

INSTANTIATE_TEST_SUITE_P(Cases, FirstFieldTest, testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(FirstField, MissingFileIsReported) {
    TempProgramFolder folder;
    const FieldRead read = readFirstField(folder.file("setup.txt"));
    EXPECT_EQ(read.status, FieldRead::Status::Missing);
    EXPECT_FALSE(read.reason.isEmpty());
}

} // namespace
