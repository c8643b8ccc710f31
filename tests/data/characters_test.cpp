// The drill list of radicals in characters (zg2.txt), its character pictures and the painting
// of each item's radical from the code database, all read from the shipped data.
#include "radicaltable.h"
#include "traditional.h"
#include "wubitable.h"

#include "common/gbk.h"
#include "common/textfield.h"
#include "lookup/codedatabase.h"
#include "lookup/floodfill.h"
#include "lookup/seeds.h"
#include "support/tempprogramfolder.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

using namespace radiane;

namespace {

QString dataFile(const QString& name) {
    return test::sourceDir() + QStringLiteral("/data/") + name;
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Item {
    QChar key;
    int part;
    QString character;
};

// The list as the drill reads it: the first field, cut into items of three characters.
std::vector<Item> readItems() {
    const FieldRead field = readFirstField(dataFile(QStringLiteral("zg2.txt")));
    EXPECT_TRUE(field.ok()) << field.reason.toStdString();
    std::vector<Item> items;
    for (qsizetype i = 0; i + 3 <= field.value.size(); i += 3)
        items.push_back(
            {field.value[i], field.value[i + 1].digitValue(), field.value.mid(i + 2, 1)});
    return items;
}

std::string show(const Item& i) {
    return (QString(i.key) + QString::number(i.part) + i.character).toStdString();
}

class Zg2Test : public ::testing::Test {
protected:
    static void SetUpTestSuite() { items_ = new std::vector<Item>(readItems()); }
    static void TearDownTestSuite() { delete items_; }
    static const std::vector<Item>& items() { return *items_; }

private:
    static std::vector<Item>* items_;
};
std::vector<Item>* Zg2Test::items_ = nullptr;

TEST_F(Zg2Test, FileIsOneGbkLineOfThreeCharacterItems) {
    const QByteArray bytes = readBytes(dataFile(QStringLiteral("zg2.txt")));
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    const QByteArray body = bytes.chopped(2);
    EXPECT_FALSE(body.contains('\n'));
    EXPECT_FALSE(body.contains('\r'));
    EXPECT_FALSE(body.contains(','));
    EXPECT_FALSE(body.contains('"'));
    const QString text = decodeGbk(body);
    EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
    EXPECT_EQ(encodeGbk(text), body) << "does not survive a GBK round trip";
    EXPECT_EQ(text.size() % 3, 0);
    EXPECT_LE(text.size(), 32767) << "the drill holds list lengths in 16 bits";
    const FieldRead field = firstFieldOfBytes(bytes);
    ASSERT_TRUE(field.ok());
    EXPECT_EQ(field.value, text) << "the first field must be the whole list";
}

TEST_F(Zg2Test, ItemsAreKeyPartCharacterWithEnoughVariety) {
    QSet<QString> characters;
    QSet<QChar> keys;
    QSet<int> parts;
    for (const Item& i : items()) {
        EXPECT_TRUE(i.key >= QLatin1Char('a') && i.key <= QLatin1Char('y')) << show(i);
        EXPECT_TRUE(i.part >= 1 && i.part <= 4) << show(i);
        ASSERT_EQ(i.character.size(), 1) << show(i);
        EXPECT_GE(i.character[0].unicode(), 0x4E00) << show(i);
        EXPECT_LE(i.character[0].unicode(), 0x9FFF) << show(i);
        characters.insert(i.character);
        keys.insert(i.key);
        parts.insert(i.part);
    }
    EXPECT_GE(items().size(), 1500u);
    EXPECT_GE(characters.size(), 800);
    EXPECT_EQ(keys.size(), 25) << "every key a to y";
    EXPECT_EQ(parts.size(), 4) << "every part 1 to 4";
}

TEST_F(Zg2Test, NoItemTwiceAndOrderIsMixed) {
    QSet<QString> seen;
    int sameKeyNeighbours = 0;
    for (size_t n = 0; n < items().size(); ++n) {
        const Item& i = items()[n];
        EXPECT_FALSE(seen.contains(QString::number(i.part) + i.character)) << show(i);
        seen.insert(QString::number(i.part) + i.character);
        if (n > 0) {
            EXPECT_NE(items()[n - 1].character, i.character) << "neighbours " << show(i);
            sameKeyNeighbours += items()[n - 1].key == i.key;
        }
    }
    EXPECT_LT(sameKeyNeighbours, int(items().size()) / 50);
}

TEST_F(Zg2Test, EveryPictureExistsAtSlotSize) {
    QSet<QString> checked;
    for (const Item& i : items()) {
        if (checked.contains(i.character))
            continue;
        checked.insert(i.character);
        const QImage img(dataFile(QStringLiteral("bmp/") + i.character + QStringLiteral(".bmp")));
        ASSERT_FALSE(img.isNull()) << "missing picture for " << show(i);
        EXPECT_EQ(img.size(), QSize(112, 113)) << show(i);
    }
}

// The drill covers the characters learners type most: of the most frequent simplified GB2312
// characters that are neither radicals of the chart nor key-name characters, all of the first
// 500 and 1,498 of the first 1,500; 1,600 characters in all; every item of the first 300, where
// each drill starts, is one of the first 500; and splits.txt holds a checked decomposition for
// 3,325 (95 %) of the first 3,500. The floors are the figures reached with the shape checks on.
TEST_F(Zg2Test, CoversTheMostFrequentCharacters) {
    const auto codes = test::readWubiCodes();
    const auto byFrequency = test::charactersByFrequency();
    if (!codes || !byFrequency)
        GTEST_SKIP() << test::kWubiTableMissing;
    QSet<QString> radicals;
    for (const datagen::Radical& r : datagen::loadRadicalTable(
             test::sourceDir() + QStringLiteral("/tools/datagen/radicals.tsv")))
        radicals.insert(r.glyph);
    QStringList frequent;
    for (const QString& c : *byFrequency) {
        const auto gb = encodeGbk(c);
        const QString code = test::longestCodes(codes->value(c)).value(0);
        if (!gb || gb->size() != 2 || uchar(gb->at(0)) < 0xB0 || uchar(gb->at(0)) > 0xF7 ||
            uchar(gb->at(1)) < 0xA1 || radicals.contains(c) || code.count(code[0]) == code.size() ||
            datagen::isTraditional(c))
            continue;
        frequent.append(c);
    }
    QSet<QString> drilled;
    for (const Item& i : items()) {
        drilled.insert(i.character);
        EXPECT_FALSE(datagen::isTraditional(i.character)) << show(i) << ": a traditional form";
    }
    QSet<QString> decomposed;
    for (const QString& line :
         QString::fromUtf8(readBytes(dataFile(QStringLiteral("splits.txt")))).split(u'\n'))
        if (!line.isEmpty())
            decomposed.insert(line.section(u'\t', 0, 0));
    auto covered = [&](const QSet<QString>& set, int first) {
        return std::count_if(frequent.cbegin(), frequent.cbegin() + first,
                             [&](const QString& c) { return set.contains(c); });
    };
    EXPECT_EQ(covered(drilled, 500), 500);
    EXPECT_GE(covered(drilled, 1500), 1498);
    EXPECT_GE(drilled.size(), 1600);
    EXPECT_GE(covered(decomposed, 3500), 3325);
    const QSet<QString> first500(frequent.cbegin(), frequent.cbegin() + 500);
    EXPECT_EQ(std::count_if(items().cbegin(), items().cbegin() + 300,
                            [&](const Item& i) { return first500.contains(i.character); }),
              300);
}

// zg2forms.txt names the chart form of the item's key that each item paints, in list order.
TEST_F(Zg2Test, FormsAreChartFormsOfTheItemsKeyInListOrder) {
    QHash<QString, qsizetype> itemIndex;
    for (qsizetype n = 0; n < qsizetype(items().size()); ++n)
        itemIndex.insert(items()[n].character + QString::number(items()[n].part), n);
    QSet<QString> names;
    for (const datagen::Radical& r : datagen::loadRadicalTable(
             test::sourceDir() + QStringLiteral("/tools/datagen/radicals.tsv")))
        names.insert(r.name);
    const QStringList lines =
        QString::fromUtf8(readBytes(dataFile(QStringLiteral("zg2forms.txt")))).split(u'\n');
    ASSERT_EQ(lines.last(), QString());
    qsizetype previous = -1;
    for (const QString& line : lines.first(lines.size() - 1)) {
        const QStringList cells = line.split(u'\t');
        ASSERT_EQ(cells.size(), 3) << line.toStdString();
        const qsizetype n = itemIndex.value(cells[0] + cells[1], -1);
        ASSERT_GT(n, previous) << line.toStdString() << ": not an item, or out of order";
        previous = n;
        EXPECT_TRUE(names.contains(cells[2])) << line.toStdString();
        EXPECT_EQ(cells[2].front(), items()[n].key) << line.toStdString();
    }
    // Share of items whose form is known, in per cent: it must not drop.
    EXPECT_GE((lines.size() - 1) * 100 / qsizetype(items().size()), 95);
}

// Look-alike forms told apart by place and shape, and a form taken from the character itself.
TEST_F(Zg2Test, LookAlikeFormsAreToldApart) {
    const struct {
        const char* name;
        const char16_t* item; // character and part
        const char* form;
    } cases[] = {
        {"王旁, narrow on the left", u"现1", "g02"},
        {"王旁 of 理", u"理1", "g02"},
        {"青头 on top of 青", u"青1", "g03"},
        {"青头 on the right of 情", u"情2", "g03"},
        {"王 on the right", u"狂3", "g01"},
        {"王 at the bottom", u"望4", "g01"},
        {"取自带 in 带", u"带2", "k03"},
        {"王 on the right of 琴, not 青头", u"琴2", "g01"},
        {"提手旁 of 接, not the left of 物", u"接1", "r03"},
        {"the left of 特 is that of 物", u"特2", "r09"},
        {"土 as the left of 地, not 士", u"地1", "f01"},
        {"士 on top of 声", u"声1", "f02"},
        {"十 of 真 has no hook: not 才", u"真1", "f05"},
        {"日 as the left of 时, not 曰", u"时1", "j01"},
        {"木 at the bottom of 采, not 朩", u"采2", "s01"},
        {"古 of 乱, not 石", u"乱2", "d06"},
        {"⺊ on top of 点, not 卜", u"点1", "h07"},
        {"卜 of 外", u"外2", "h06"},
        {"龙头 of 布, not 丆", u"布1", "d09"},
        {"儿 of 兄, not the bottom of 无", u"兄2", "q08"},
        {"the 捺 of 入 is ㇏", u"入2", "y08"},
        {"the 捺 of 尺 is ㇏", u"尺2", "y08"},
        {"the dot of 压 is 丶", u"压3", "y07"},
        {"the dot of 宝's 玉 is 丶", u"宝3", "y07"},
        {"横折钩 of 司 is 𠃌", u"司1", "n12"},
        {"竖折 of 以 is 𠃊", u"以1", "n13"},
        {"横钩 of 买 is 乛", u"买1", "n11"},
        {"竖弯钩 of 尤 is 乚", u"尤2", "n14"},
        {"the frame of 追 is コ", u"追2", "n09"},
        {"the top of 决 is 取自夬", u"决2", "n16"},
        {"小 of 糸 in 紧 is not 少's top", u"紧4", "i05"},
        {"小 of 示 in 票 is not 少's top", u"票3", "i05"},
        {"hooked 小 of 你 in 您 is not 少's top", u"您3", "i05"},
        {"少's top in 省, which holds 少", u"省1", "i12"},
        {"月 of 散 is not 且's", u"散2", "e12"},
        {"月 of 青 in 静 is not 且's", u"静2", "e01"},
        {"且's top in 组, which holds 且", u"组2", "e13"},
        {"青头 of 精 is not 生's", u"精2", "g03"},
        {"青头 on the left of 靓, not 王旁: its last stroke is flat", u"靓1", "g03"},
        {"隆 holds 生, 丿 and all", u"隆4", "g07"},
        {"the 丷 of 美 stands apart: 王, not 生", u"美2", "g01"},
        {"礻 of 福", u"福1", "p06"},
        {"衤 of 被", u"被1", "p07"},
        {"己 of 纪", u"纪2", "n03"},
        {"己 of 配", u"配3", "n03"},
        {"巳 of 包", u"包2", "n02"},
        {"巳 of 巷", u"巷3", "n02"},
        {"ナ of 若 crosses: 龙头, not 厂", u"若2", "d09"},
        {"ナ of 惹, not 丆", u"惹2", "d09"},
        {"丆 of 百 does not cross", u"百1", "d10"},
        {"匕 of 北, not that of 化", u"北2", "x04"},
        {"the 匕 of 化 crosses", u"化2", "x05"},
        {"ス of 经 is kept", u"经2", "c06"},
        {"又 of 怪, not ス", u"怪2", "c01"},
    };
    QHash<QString, QString> forms;
    for (const QString& line :
         QString::fromUtf8(readBytes(dataFile(QStringLiteral("zg2forms.txt")))).split(u'\n'))
        forms.insert(line.section(u'\t', 0, 1).remove(u'\t'), line.section(u'\t', 2));
    for (const auto& c : cases)
        EXPECT_EQ(forms.value(QString::fromUtf16(c.item)), QLatin1String(c.form)) << c.name;
}

TEST_F(Zg2Test, KeyIsTheFullCodesLetterOfThePart) {
    const auto codes = test::readWubiCodes();
    if (!codes)
        GTEST_SKIP() << test::kWubiTableMissing;
    for (const Item& i : items()) {
        const QStringList full = test::longestCodes(codes->value(i.character));
        ASSERT_EQ(full.size(), 1) << show(i) << ": needs exactly one full code";
        const QString& code = full.first();
        // A code of 3 letters is two radicals and the identification letter; parts 1 to 3 are
        // the leading radicals and part 4 the last radical of a 4-letter code.
        const int letters = int(code.size()) - 1;
        if (i.part <= 3)
            EXPECT_LE(i.part, letters) << show(i) << " " << code.toStdString();
        else
            EXPECT_EQ(code.size(), 4) << show(i) << " " << code.toStdString();
        ASSERT_GE(code.size(), i.part) << show(i);
        EXPECT_EQ(code.at(i.part - 1), i.key) << show(i) << " " << code.toStdString();
    }
}

// Fills black at the record's points of the item's part and checks that exactly the pixels of
// one grey turn black: all of that radical, nothing of the others or of the background. The
// pictures at twice the resolution take the same points and paint the same radical's grey.
class PaintingTest : public Zg2Test, public ::testing::WithParamInterface<int> {};

TEST_P(PaintingTest, PaintingColoursExactlyTheRadical) {
    const int scale = GetParam();
    const QString suffix = scale == 1 ? QStringLiteral(".bmp") : QStringLiteral("@2x.png");
    lookup::CodeDatabase db;
    ASSERT_EQ(db.open(dataFile(QStringLiteral("wwbb11.dat"))),
              lookup::CodeDatabase::OpenResult::Opened);
    QHash<QString, QHash<int, QRgb>> partColours;
    QHash<QString, QImage> pictures;
    for (const Item& i : items()) {
        const lookup::FindResult hit = db.find(i.character);
        ASSERT_TRUE(hit.found) << show(i);
        const auto found = db.read(hit.recordNo); // the search may have read a bound last
        ASSERT_TRUE(found) << show(i);
        const lookup::CodeRecord rec = *found;
        const std::vector<QPoint> points = lookup::parseSeeds(rec.seeds[size_t(i.part - 1)]);
        ASSERT_FALSE(points.empty()) << show(i) << ": no fill points";
        ASSERT_LE(points.size(), 9u);

        lookup::PictureSurface surface;
        if (!pictures.contains(i.character)) {
            QImage picture = QImage(dataFile(QStringLiteral("bmp/") + i.character + suffix))
                                 .convertToFormat(QImage::Format_RGB32);
            ASSERT_EQ(picture.size(), QSize(112, 113) * scale) << show(i);
            picture.setDevicePixelRatio(scale);
            pictures.insert(i.character, picture);
        }
        surface.image = pictures.value(i.character);
        const QImage before = surface.image;
        const QPoint first = lookup::twipsToPicturePixel(before, points[0].x(), points[0].y());
        ASSERT_TRUE(before.valid(first)) << show(i);
        const QRgb grey = before.pixel(first);
        EXPECT_TRUE(qRed(grey) == qGreen(grey) && qGreen(grey) == qBlue(grey)) << show(i);
        EXPECT_TRUE(qRed(grey) >= 96 && qRed(grey) <= 160) << show(i) << ": not a mid grey";
        for (const QPoint& p : points) {
            const QPoint px = lookup::twipsToPicturePixel(before, p.x(), p.y());
            EXPECT_EQ(before.pixel(px), grey) << show(i) << ": points on different colours";
            // Inside the stroke, not on its edge: the four neighbours share the colour.
            const QPoint around[4] = {px + QPoint(1, 0), px - QPoint(1, 0), px + QPoint(0, 1),
                                      px - QPoint(0, 1)};
            for (const QPoint& q : around)
                EXPECT_TRUE(before.valid(q) && before.pixel(q) == grey)
                    << show(i) << ": point on an edge at " << px.x() << "," << px.y();
            lookup::FloodFillAt(surface, p.x(), p.y(), qRgb(0, 0, 0));
        }
        int wrong = 0;
        const QImage after = surface.image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < before.height(); ++y) {
            const QRgb* a = reinterpret_cast<const QRgb*>(after.constScanLine(y));
            const QRgb* b = reinterpret_cast<const QRgb*>(before.constScanLine(y));
            for (int x = 0; x < before.width(); ++x)
                wrong += (a[x] == qRgb(0, 0, 0)) != (b[x] == grey);
        }
        EXPECT_EQ(wrong, 0) << show(i) << ": pixels painted wrongly";
        // Each radical of a character has a grey of its own.
        QHash<int, QRgb>& colours = partColours[i.character];
        for (auto it = colours.cbegin(); it != colours.cend(); ++it)
            EXPECT_NE(it.value(), grey) << show(i) << " shares its grey with part " << it.key();
        colours.insert(i.part, grey);
        // The same radical at both resolutions: the part has the grey of the 1x picture.
        const QImage base(dataFile(QStringLiteral("bmp/") + i.character + QStringLiteral(".bmp")));
        EXPECT_EQ(base.pixel(lookup::twipsToPicturePixel(base, points[0].x(), points[0].y())), grey)
            << show(i) << ": another radical than at 1x";
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, PaintingTest, ::testing::Values(1, 2));

} // namespace
