// The shipped code database wwbb11.dat: record layout, order, padding and content, read both as
// raw bytes and with the program's reader.
#include "wubitable.h"

#include "common/gbk.h"
#include "lookup/codedatabase.h"
#include "lookup/seeds.h"
#include "support/tempprogramfolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace radiane;

namespace {

constexpr int kRecord = 302;

QString dataFile(const QString& name) {
    return test::sourceDir() + QStringLiteral("/data/") + name;
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool isGb2312Hanzi(QByteArrayView b) {
    return b.size() == 2 && uchar(b[0]) >= 0xB0 && uchar(b[0]) <= 0xF7 && uchar(b[1]) >= 0xA1 &&
           uchar(b[1]) <= 0xFE;
}

class DatabaseTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        bytes_ = new QByteArray(readBytes(dataFile(QStringLiteral("wwbb11.dat"))));
    }
    static void TearDownTestSuite() { delete bytes_; }
    static const QByteArray& bytes() { return *bytes_; }
    static int count() { return int(bytes_->size() / kRecord); }
    static QByteArray record(int i) { return bytes_->mid(qsizetype(i) * kRecord, kRecord); }

private:
    static QByteArray* bytes_;
};
QByteArray* DatabaseTest::bytes_ = nullptr;

TEST_F(DatabaseTest, WholeRecordsOfGb2312CharactersInAscendingKeyOrder) {
    ASSERT_GT(bytes().size(), 0);
    EXPECT_EQ(bytes().size() % kRecord, 0);
    EXPECT_FALSE(bytes().contains('\0'));
    EXPECT_GE(count(), 6000);
    EXPECT_LE(count(), 6763);
    int previous = -65537;
    for (int i = 0; i < count(); ++i) {
        const QByteArray hanzi = record(i).first(2);
        ASSERT_TRUE(isGb2312Hanzi(hanzi)) << "record " << i + 1;
        const int key = lookup::gbkKey(hanzi);
        EXPECT_EQ(key, uchar(hanzi[0]) * 256 + uchar(hanzi[1]) - 65536);
        ASSERT_GT(key, previous) << "record " << i + 1 << " out of order or repeated";
        previous = key;
    }
}

TEST_F(DatabaseTest, CodeFieldsAreLettersPaddedWithSpaces) {
    static const QRegularExpression field(QStringLiteral("^[a-y]{0,4} *$"));
    for (int i = 0; i < count(); ++i) {
        const QByteArray r = record(i);
        for (int f = 0; f < 3; ++f) {
            const QString text = QString::fromLatin1(r.mid(2 + 4 * f, 4));
            EXPECT_TRUE(field.match(text).hasMatch()) << "record " << i + 1 << " code" << f + 1;
        }
        EXPECT_NE(r[2], ' ') << "record " << i + 1 << " has no full code";
        // The short codes are shorter than the full one.
        const int full = int(QByteArray(r.mid(2, 4)).trimmed().size());
        EXPECT_LT(QByteArray(r.mid(6, 4)).trimmed().size(), std::max(full, 1));
        EXPECT_LT(QByteArray(r.mid(10, 4)).trimmed().size(), std::max(full, 1));
    }
}

TEST_F(DatabaseTest, FillPointsAreRightAlignedTwipsInsideThePicture) {
    static const QRegularExpression entry(QStringLiteral("^ *\\d{1,4} *\\d{1,4}$"));
    int withPoints = 0;
    for (int i = 0; i < count(); ++i) {
        const QByteArray r = record(i);
        bool any = false;
        for (int part = 0; part < 4; ++part) {
            const QString list = QString::fromLatin1(r.mid(14 + 72 * part, 72));
            bool ended = false;
            for (int e = 0; e < 9; ++e) {
                const QString text = list.mid(8 * e, 8);
                if (text.trimmed().isEmpty()) {
                    ended = true;
                    continue;
                }
                ASSERT_FALSE(ended) << "record " << i + 1 << ": a gap before entry " << e + 1;
                ASSERT_TRUE(entry.match(text).hasMatch())
                    << "record " << i + 1 << " '" << text.toStdString() << "'";
                ASSERT_NE(text[3], QLatin1Char(' ')) << "x not right-aligned";
                ASSERT_NE(text[7], QLatin1Char(' ')) << "y not right-aligned";
                const int x = text.left(4).trimmed().toInt();
                const int y = text.mid(4).trimmed().toInt();
                EXPECT_TRUE(x >= 0 && x < 1680 && x % 15 == 0) << "record " << i + 1;
                EXPECT_TRUE(y >= 0 && y < 1695 && y % 15 == 0) << "record " << i + 1;
                any = true;
            }
            const std::vector<QPoint> parsed = lookup::parseSeeds(list);
            EXPECT_LE(parsed.size(), 9u);
        }
        withPoints += any;
        // Part 1 always has points when any part has.
        if (any) {
            EXPECT_NE(r[14 + 7], ' ') << "record " << i + 1;
        }
    }
    EXPECT_GE(withPoints, 800);
}

TEST_F(DatabaseTest, ReaderFindsEveryRecordAndPicturesHavePoints) {
    lookup::CodeDatabase db;
    ASSERT_EQ(db.open(dataFile(QStringLiteral("wwbb11.dat"))),
              lookup::CodeDatabase::OpenResult::Opened);
    ASSERT_EQ(db.recordCount(), count());
    QSet<QString> withPoints;
    for (int n = 1; n <= count(); ++n) {
        const auto rec = db.read(n);
        ASSERT_TRUE(rec.has_value());
        ASSERT_EQ(rec->hanzi.size(), 1);
        if (n % 7 == 1 || n == count()) { // a spread of searches keeps the test quick
            const lookup::FindResult hit = db.find(rec->hanzi);
            ASSERT_TRUE(hit.found) << rec->hanzi.toStdString();
            EXPECT_EQ(hit.recordNo, n);
        }
        if (!rec->seeds[0].trimmed().isEmpty())
            withPoints.insert(rec->hanzi);
    }
    // A character picture exists exactly for the characters that have fill points.
    QSet<QString> pictures;
    for (const QString& name :
         QDir(dataFile(QStringLiteral("bmp"))).entryList({QStringLiteral("?.bmp")}))
        pictures.insert(name.left(1));
    EXPECT_EQ(pictures, withPoints);
}

TEST_F(DatabaseTest, OneRecordPerGb2312CharacterOfTheCodeTableWithItsCodes) {
    const auto codes = test::readWubiCodes();
    if (!codes)
        GTEST_SKIP() << test::kWubiTableMissing;
    QHash<QString, QStringList> expected;
    for (auto it = codes->cbegin(); it != codes->cend(); ++it) {
        const auto b = encodeGbk(it.key());
        if (b && isGb2312Hanzi(*b))
            expected.insert(it.key(), it.value());
    }
    EXPECT_EQ(count(), expected.size());
    for (int i = 0; i < count(); ++i) {
        const QByteArray r = record(i);
        const QString hanzi = decodeGbk(r.first(2));
        ASSERT_TRUE(expected.contains(hanzi)) << hanzi.toStdString();
        const QStringList& all = expected[hanzi];
        const QString code1 = QString::fromLatin1(r.mid(2, 4)).trimmed();
        const QString code2 = QString::fromLatin1(r.mid(6, 4)).trimmed();
        const QString code3 = QString::fromLatin1(r.mid(10, 4)).trimmed();
        EXPECT_TRUE(test::longestCodes(all).contains(code1)) << hanzi.toStdString();
        if (!code2.isEmpty()) {
            EXPECT_TRUE(all.contains(code2)) << hanzi.toStdString();
        }
        if (!code3.isEmpty()) {
            EXPECT_TRUE(all.contains(code3)) << hanzi.toStdString();
            EXPECT_LE(code2.size(), code3.size()) << hanzi.toStdString();
        }
    }
}

} // namespace
