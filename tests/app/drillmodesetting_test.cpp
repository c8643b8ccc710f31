#include "app/drillmodesetting.h"
#include "support/tempprogramfolder.h"

#include <gtest/gtest.h>

using namespace radiane;
using radiane::test::TempProgramFolder;

namespace {

struct SetupCase {
    const char* name;
    std::optional<QByteArray> bytes; // nullopt: no setup.txt
    QString label8;
};

class ReadDrillMode : public testing::TestWithParam<SetupCase> {};

TEST_P(ReadDrillMode, GivesTheCaptionOfLabel8) {
    TempProgramFolder folder;
    if (GetParam().bytes)
        folder.write("setup.txt", *GetParam().bytes);
    const app::SetupRead read = app::readDrillMode(folder.folder());
    EXPECT_FALSE(read.failure.has_value());
    EXPECT_EQ(read.Label8, GetParam().label8);
}

const SetupCase kCases[] = {
    {"One", "1\r\n", "1"},
    {"Two", "2\r\n", "2"},
    {"CommaThenTwo", "1,2\r\n", "1"},
    {"BlankThenTwo", " 2\r\n", "2"},
    {"Three", "3\r\n", "3"},
    {"QuotedTwo", "\"2\"\r\n", "2"},
    // A first run, or a file with nothing to read, starts the single-radical drill.
    {"Missing", std::nullopt, "1"},
    {"Empty", "", "1"},
    {"OnlyBlanks", "   ", "1"},
    {"OnlyLineEnd", "\r\n", "1"},
    {"LeadingComma", ",2\r\n", "1"},
    {"EmptyQuotes", "\"\"\r\n", "1"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ReadDrillMode, testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(ReadDrillModeFailure, FolderInsteadOfFileIsReported) {
    TempProgramFolder folder;
    folder.write("setup.txt/x", "1");
    const app::SetupRead read = app::readDrillMode(folder.folder());
    ASSERT_TRUE(read.failure.has_value());
    EXPECT_FALSE(read.failure->isEmpty());
}

TEST(WriteDrillMode, WritesThreeBytes) {
    TempProgramFolder folder;
    ASSERT_TRUE(app::writeDrillMode(folder.folder(), true).ok);
    EXPECT_EQ(folder.read("setup.txt"), QByteArray("1\r\n"));
    ASSERT_TRUE(app::writeDrillMode(folder.folder(), false).ok);
    EXPECT_EQ(folder.read("setup.txt"), QByteArray("2\r\n"));
}

} // namespace
