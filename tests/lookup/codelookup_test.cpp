#include "lookup/codelookup.h"

#include "records.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace radiane;
using namespace radiane::lookup;
using radiane::test::record;
using radiane::test::TempProgramFolder;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kBlack = qRgb(0, 0, 0);

// Three characters in code order: 啊 (B0A1) < 阿 (B0A2) < 埃 (B0A3). Each lists
// a point in the left bar of the test picture for radical 1 and one in the right
// bar for radical 2; 阿 also lists both bars for radical 3.
const QString kLeft = QStringLiteral(" 300 750");  // pixel (20, 50)
const QString kRight = QStringLiteral(" 975 750"); // pixel (65, 50)

QByteArray threeCharacters(bool withMiddle = true) {
    QByteArray bytes = record(test::gbk(QStringLiteral("啊")), QStringLiteral("kbsk kbs kb"),
                              {kLeft, kRight, {}, {}});
    if (withMiddle)
        bytes += record(test::gbk(QStringLiteral("阿")), QStringLiteral("bskg bsk bs"),
                        {kLeft, kRight, kLeft + kRight, {}});
    bytes += record(test::gbk(QStringLiteral("埃")), QStringLiteral("fctd fct fc"),
                    {kLeft, kRight, {}, {}});
    return bytes;
}

// A character picture: white with two grey bars that do not touch.
QImage barsPicture() {
    QImage image(112, 113, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter painter(&image);
    painter.fillRect(QRect(10, 10, 30, 90), QColor::fromRgb(kGrey));
    painter.fillRect(QRect(60, 10, 30, 90), QColor::fromRgb(kGrey));
    return image;
}

struct Fixture {
    TempProgramFolder folder;
    CodeDatabase db;
    CodeLookup lookup{db};

    explicit Fixture(const QByteArray& file) {
        folder.write("wwbb11.dat", file);
        EXPECT_NE(db.open(folder.file("wwbb11.dat")), CodeDatabase::OpenResult::Failed);
    }
};

} // namespace

TEST(CodeLookup, HitShowsTheRecordAndPaintsTheNamedRadical) {
    Fixture f(threeCharacters());
    PictureSurface picture{barsPicture()};
    f.lookup.run(QStringLiteral("阿"), QStringLiteral("1"), picture);

    EXPECT_TRUE(f.lookup.lookupFound());
    EXPECT_EQ(f.lookup.lookupRecNo(), 2);
    ASSERT_TRUE(f.lookup.lookupRec());
    EXPECT_EQ(f.lookup.lookupRec()->hanzi, QStringLiteral("阿"));
    EXPECT_EQ(f.lookup.Text11(), QStringLiteral("阿"));
    EXPECT_EQ(f.lookup.Text12(), QStringLiteral("bskg"));
    EXPECT_EQ(f.lookup.Text13(), QStringLiteral("bsk "));
    EXPECT_EQ(f.lookup.Text14(), QStringLiteral("bs  "));
    EXPECT_EQ(f.lookup.Text17().trimmed(), kLeft.trimmed());
    EXPECT_EQ(f.lookup.Text18().trimmed(), kRight.trimmed());
    EXPECT_EQ(f.lookup.Text19().trimmed(), (kLeft + kRight).trimmed());
    EXPECT_EQ(f.lookup.Text20(), QString(72, u' '));
    EXPECT_EQ(f.lookup.Text31(), QStringLiteral("阿"));
    EXPECT_EQ(f.lookup.Text32(), QStringLiteral("埃"));

    EXPECT_EQ(picture.image.pixel(25, 50), kBlack);
    EXPECT_EQ(picture.image.pixel(75, 50), kGrey);
    EXPECT_EQ(picture.image.pixel(50, 50), kWhite);
}

TEST(CodeLookup, EachRadicalNumberTakesItsList) {
    Fixture f(threeCharacters());
    struct Case {
        QString label7;
        bool left;
        bool right;
    };
    for (const Case& c :
         {Case{QStringLiteral("1"), true, false}, Case{QStringLiteral("2"), false, true},
          Case{QStringLiteral("3"), true, true}, Case{QStringLiteral("4"), false, false}}) {
        QImage picture = barsPicture();
        f.lookup.run(QStringLiteral("阿"), c.label7, picture);
        EXPECT_EQ(picture.pixel(25, 50) == kBlack, c.left) << c.label7.toStdString();
        EXPECT_EQ(picture.pixel(75, 50) == kBlack, c.right) << c.label7.toStdString();
        EXPECT_EQ(picture.pixel(50, 50), kWhite);
    }
}

TEST(CodeLookup, OtherRadicalNumbersPaintNothingEvenOnAHit) {
    Fixture f(threeCharacters());
    const QImage original = barsPicture();
    for (const QString& label7 :
         {QStringLiteral("0"), QStringLiteral("5"), QString(), QStringLiteral(" 1"),
          QStringLiteral("1 "), QStringLiteral("12"), QStringLiteral("１"), QStringLiteral("a")}) {
        QImage picture = original;
        f.lookup.run(QStringLiteral("阿"), label7, picture);
        EXPECT_TRUE(f.lookup.lookupFound());
        EXPECT_EQ(picture, original) << label7.toStdString();
    }
}

TEST(CodeLookup, MissPaintsNothingAndKeepsTheShownRecord) {
    // Without 阿 the search for it ends beside 啊 and 埃, whose lists would
    // paint the picture.
    Fixture f(threeCharacters(false));
    PictureSurface hitPicture{barsPicture()};
    f.lookup.run(QStringLiteral("埃"), QStringLiteral("2"), hitPicture);
    ASSERT_TRUE(f.lookup.lookupFound());

    const QImage original = barsPicture();
    for (const QString& query : {QStringLiteral("阿"), QStringLiteral("一"), QStringLiteral("丂"),
                                 QStringLiteral("A"), QString()}) {
        QImage picture = original;
        f.lookup.run(query, QStringLiteral("1"), picture);
        EXPECT_FALSE(f.lookup.lookupFound()) << query.toStdString();
        EXPECT_EQ(picture, original) << query.toStdString();
        EXPECT_EQ(f.lookup.Text11(), QStringLiteral("埃"));
        EXPECT_EQ(f.lookup.Text12(), QStringLiteral("fctd"));
    }
    // The search still leaves the last record it read.
    f.lookup.run(QStringLiteral("阿"), QStringLiteral("1"), hitPicture);
    ASSERT_TRUE(f.lookup.lookupRec());
    EXPECT_EQ(f.lookup.lookupRecNo(), 1);
    EXPECT_EQ(f.lookup.lookupRec()->hanzi, QStringLiteral("啊"));
}

TEST(CodeLookup, EmptyOrMissingDatabaseIsAMiss) {
    TempProgramFolder folder;
    CodeDatabase db;
    ASSERT_EQ(db.open(folder.file("wwbb11.dat")), CodeDatabase::OpenResult::CreatedEmpty);
    CodeLookup lookup(db);
    const QImage original = barsPicture();
    QImage picture = original;
    lookup.run(QStringLiteral("阿"), QStringLiteral("1"), picture);
    EXPECT_FALSE(lookup.lookupFound());
    EXPECT_FALSE(lookup.lookupRec());
    EXPECT_EQ(lookup.lookupRecNo(), 0);
    EXPECT_TRUE(lookup.Text11().isEmpty());
    EXPECT_EQ(picture, original);
    lookup.display(); // record 0: nothing to show, nothing fails
    EXPECT_TRUE(lookup.Text11().isEmpty());

    CodeDatabase closed;
    CodeLookup never(closed);
    never.run(QStringLiteral("阿"), QStringLiteral("1"), picture);
    EXPECT_FALSE(never.lookupFound());
    EXPECT_EQ(picture, original);
}
