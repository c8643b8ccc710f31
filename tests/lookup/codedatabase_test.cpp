#include "lookup/codedatabase.h"

#include "common/gbk.h"
#include "records.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <vector>

using namespace radiane;
using namespace radiane::lookup;
using radiane::test::record;
using radiane::test::TempProgramFolder;

namespace {

// The double-byte character with the given GBK code.
QByteArray gbkChar(int code) {
    const char bytes[] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xff)};
    return QByteArray(bytes, 2);
}
QString charOf(int code) {
    return decodeGbk(gbkChar(code));
}

// N records holding B0A1, B0A3, B0A5, ...: every other code, so the code in
// between two neighbours is absent.
QByteArray sortedFile(int n) {
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes += record(gbkChar(0xB0A1 + 2 * i));
    return bytes;
}
int codeOfRecord(int n) {
    return 0xB0A1 + 2 * (n - 1);
}

} // namespace

TEST(GbkKey, FirstCharacterAsSigned16Bit) {
    EXPECT_EQ(gbkKey(gbkChar(0xB0A1)), 176 * 256 + 161 - 65536);
    EXPECT_EQ(textKey(QStringLiteral("啊")), 176 * 256 + 161 - 65536);
    EXPECT_EQ(textKey(QStringLiteral("啊阿")), textKey(QStringLiteral("啊")));
    EXPECT_EQ(textKey(QStringLiteral("A")), 65);
    EXPECT_EQ(textKey(QStringLiteral("A啊")), 65);
    EXPECT_LT(*textKey(QStringLiteral("齄")),
              *textKey(QStringLiteral("\u0001"))); // double-byte before single-byte
    EXPECT_FALSE(textKey(QStringLiteral("")));
    EXPECT_FALSE(textKey(QStringLiteral("😀"))); // no GBK form
}

TEST(CodeDatabase, OpenCreatesAMissingFileEmpty) {
    TempProgramFolder folder;
    CodeDatabase db;
    EXPECT_EQ(db.open(folder.file("wwbb11.dat")), CodeDatabase::OpenResult::CreatedEmpty);
    EXPECT_TRUE(folder.exists("wwbb11.dat"));
    EXPECT_EQ(folder.read("wwbb11.dat").size(), 0);
    EXPECT_EQ(db.recordCount(), 0);

    CodeDatabase again;
    EXPECT_EQ(again.open(folder.file("wwbb11.dat")), CodeDatabase::OpenResult::Opened);
}

TEST(CodeDatabase, OpenThatCannotCreateFailsWithAReason) {
    TempProgramFolder folder;
    CodeDatabase db;
    EXPECT_EQ(db.open(folder.file("no-such-folder/wwbb11.dat")), CodeDatabase::OpenResult::Failed);
    EXPECT_FALSE(db.errorString().isEmpty());
    EXPECT_FALSE(db.isOpen());
    EXPECT_EQ(db.recordCount(), 0);
    EXPECT_FALSE(db.read(1));
    EXPECT_FALSE(db.find(QStringLiteral("啊")).found);

    folder.write("folder/x", "");
    EXPECT_EQ(db.open(folder.file("folder")), CodeDatabase::OpenResult::Failed);
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.file("pipe")).constData(), 0600), 0);
    EXPECT_EQ(db.open(folder.file("pipe")), CodeDatabase::OpenResult::Failed); // does not block
}

TEST(CodeDatabase, ReadDecodesEachFieldByItself) {
    TempProgramFolder folder;
    folder.write("wwbb11.dat",
                 record(test::gbk(QStringLiteral("啊")), QStringLiteral("kbsk kbs kb"),
                        {QStringLiteral("  40 120"), {}, {}, {}}) +
                     record(test::gbk(QStringLiteral("阿")), QStringLiteral("bsk"),
                            {QString(), QStringLiteral("  60  80"), {}, {}}));
    CodeDatabase db;
    ASSERT_EQ(db.open(folder.file("wwbb11.dat")), CodeDatabase::OpenResult::Opened);
    ASSERT_EQ(db.recordCount(), 2);

    const auto first = db.read(1);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->hanzi, QStringLiteral("啊"));
    EXPECT_EQ(first->code1, QStringLiteral("kbsk"));
    EXPECT_EQ(first->code2, QStringLiteral("kbs "));
    EXPECT_EQ(first->code3, QStringLiteral("kb  "));
    EXPECT_EQ(first->seeds[0], QString(QStringLiteral("  40 120")) + QString(64, u' '));
    EXPECT_EQ(first->seeds[1], QString(72, u' '));
    EXPECT_EQ(first->key, *textKey(QStringLiteral("啊")));

    const auto second = db.read(2);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->hanzi, QStringLiteral("阿"));
    EXPECT_EQ(second->seeds[1].trimmed(), QStringLiteral("60  80"));
    EXPECT_EQ(db.lastReadNo(), 2);
    EXPECT_EQ(db.recordsRead(), 2);

    EXPECT_FALSE(db.read(0));
    EXPECT_FALSE(db.read(3));
    EXPECT_FALSE(db.read(-1));
    EXPECT_EQ(db.recordsRead(), 2);
}

TEST(CodeDatabase, EmptyOrShrunkenFileMissesWithoutReading) {
    TempProgramFolder folder;
    folder.write("wwbb11.dat", QByteArray(301, ' '));
    CodeDatabase db;
    ASSERT_NE(db.open(folder.file("wwbb11.dat")), CodeDatabase::OpenResult::Failed);
    EXPECT_EQ(db.recordCount(), 0);
    const FindResult result = db.find(QStringLiteral("啊"));
    EXPECT_FALSE(result.found);
    EXPECT_EQ(result.recordNo, 0);
    EXPECT_FALSE(result.lowerHanzi);
    EXPECT_EQ(db.recordsRead(), 0);

    // A trailing partial record does not count.
    folder.write("partial.dat", sortedFile(3) + QByteArray(301, ' '));
    CodeDatabase partial;
    ASSERT_NE(partial.open(folder.file("partial.dat")), CodeDatabase::OpenResult::Failed);
    EXPECT_EQ(partial.recordCount(), 3);
    EXPECT_FALSE(partial.read(4));
    EXPECT_EQ(partial.find(charOf(codeOfRecord(3))).recordNo, 3);

    // A file cut short while open reads as fewer records, never past its end.
    folder.write("full.dat", sortedFile(5));
    CodeDatabase full;
    ASSERT_NE(full.open(folder.file("full.dat")), CodeDatabase::OpenResult::Failed);
    ASSERT_TRUE(QFile::resize(folder.file("full.dat"), 302));
    EXPECT_EQ(full.recordCount(), 1);
    EXPECT_FALSE(full.find(charOf(codeOfRecord(5))).found);
    EXPECT_TRUE(full.find(charOf(codeOfRecord(1))).found);
}

struct SearchCase {
    const char* name;
    int records;
    QString query;
    bool found;
    int recordNo;           // hit, or last record read on a miss
    std::vector<int> reads; // records read, in order
};

class Search : public testing::TestWithParam<SearchCase> {};

TEST_P(Search, ReadsTheBoundsEveryPass) {
    const SearchCase& c = GetParam();
    TempProgramFolder folder;
    folder.write("wwbb11.dat", sortedFile(c.records));
    CodeDatabase db;
    ASSERT_NE(db.open(folder.file("wwbb11.dat")), CodeDatabase::OpenResult::Failed);

    const FindResult result = db.find(c.query);
    EXPECT_EQ(result.found, c.found);
    EXPECT_EQ(result.recordNo, c.recordNo);
    EXPECT_EQ(db.recordsRead(), static_cast<int>(c.reads.size()));
    if (!c.reads.empty()) {
        EXPECT_EQ(db.lastReadNo(), c.reads.back());
        ASSERT_TRUE(db.lastRead());
        EXPECT_EQ(db.lastRead()->hanzi, charOf(codeOfRecord(c.reads.back())));
    }
}

// Records hold B0A1, B0A3, ... (record n: B0A1 + 2(n - 1)); even codes fall
// between neighbours.
INSTANTIATE_TEST_SUITE_P(
    CodeDatabase, Search,
    testing::Values(
        SearchCase{"FirstRecordHitsThroughTheLowerBound", 7, charOf(0xB0A1), true, 1, {1, 7}},
        SearchCase{"LastRecordHitsThroughTheUpperBound", 7, charOf(0xB0AD), true, 7, {1, 7}},
        SearchCase{"BelowTheFirstKeyMisses", 7, QStringLiteral("丂"), false, 7, {1, 7}},
        SearchCase{"AboveTheLastKeyMisses", 7, QStringLiteral("齄"), false, 7, {1, 7}},
        SearchCase{"SingleByteSortsAfterDoubleByte", 7, QStringLiteral("A"), false, 7, {1, 7}},
        SearchCase{"MiddleHitsOnTheFirstProbe", 7, charOf(0xB0A7), true, 4, {1, 7, 4}},
        SearchCase{"HitOnALaterProbe", 7, charOf(0xB0A3), true, 2, {1, 7, 4, 1, 4, 2}},
        SearchCase{"HitAfterThreePasses", 7, charOf(0xB0AB), true, 6, {1, 7, 4, 4, 7, 5, 5, 7, 6}},
        SearchCase{"BetweenNeighboursMissesWhenBoundsMeet",
                   7,
                   charOf(0xB0A2),
                   false,
                   2,
                   {1, 7, 4, 1, 4, 2}},
        SearchCase{
            "OnlyTheFirstCharacterCounts", 7, charOf(0xB0A7) + charOf(0xB0A1), true, 4, {1, 7, 4}},
        SearchCase{"OneRecordHits", 1, charOf(0xB0A1), true, 1, {1, 1}},
        SearchCase{"OneRecordOtherQueryMisses", 1, charOf(0xB0A3), false, 1, {1, 1}},
        SearchCase{"TwoRecordsBetweenProbesTheFirst", 2, charOf(0xB0A2), false, 1, {1, 2, 1}},
        SearchCase{"TwoRecordsSecondHits", 2, charOf(0xB0A3), true, 2, {1, 2}},
        SearchCase{"EmptyQueryMisses", 7, QString(), false, 0, {}},
        SearchCase{"QueryWithoutGbkFormMisses", 7, QStringLiteral("😀"), false, 0, {}},
        SearchCase{"NoRecordsMisses", 0, QStringLiteral("啊"), false, 0, {}}),
    [](const testing::TestParamInfo<SearchCase>& info) { return info.param.name; });

TEST(CodeDatabase, SingleByteRecordsFollowDoubleByteOnes) {
    TempProgramFolder folder;
    folder.write("wwbb11.dat", sortedFile(3) + record("1") + record("A") + record("z"));
    CodeDatabase db;
    ASSERT_NE(db.open(folder.file("wwbb11.dat")), CodeDatabase::OpenResult::Failed);
    for (const auto& [query, n] : std::vector<std::pair<QString, int>>{
             {QStringLiteral("A"), 5}, {QStringLiteral("z"), 6}, {QStringLiteral("1"), 4}}) {
        const FindResult result = db.find(query);
        EXPECT_TRUE(result.found) << query.toStdString();
        EXPECT_EQ(result.recordNo, n) << query.toStdString();
    }
    EXPECT_EQ(db.find(charOf(0xB0A5)).recordNo, 3);
}

TEST(CodeDatabase, SearchReportsTheBoundsItRead) {
    TempProgramFolder folder;
    folder.write("wwbb11.dat", sortedFile(7));
    CodeDatabase db;
    ASSERT_NE(db.open(folder.file("wwbb11.dat")), CodeDatabase::OpenResult::Failed);
    // Reads 1, 7, 4, then 1, 4, 2: lower (or probe) last = record 2, upper last = 4.
    const FindResult result = db.find(charOf(0xB0A2));
    EXPECT_EQ(result.lowerHanzi, charOf(codeOfRecord(2)));
    EXPECT_EQ(result.upperHanzi, charOf(codeOfRecord(4)));
}
