// The shipped radical data: the drill list zg.txt, the radical pictures, the keyboard picture
// under the key marks, the chart image and the small pictures, read with the program's own
// readers.
#include "common/gbk.h"
#include "common/textfield.h"
#include "common/twips.h"
#include "drill/keyhinttable.h"
#include "support/tempprogramfolder.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <gtest/gtest.h>

using namespace radiane;

namespace {

QString dataFile(const QString& name) { return test::sourceDir() + QStringLiteral("/data/") + name; }

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A row of the authored radical table (tools/datagen/radicals.tsv).
struct TableRow {
    QString key, text, source, spec, name;
};

std::vector<TableRow> readTable() {
    std::vector<TableRow> rows;
    const QString text = QString::fromUtf8(readBytes(test::sourceDir() + QStringLiteral("/tools/datagen/radicals.tsv")));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList c = line.split(QLatin1Char('\t'));
        if (c.size() >= 6)
            rows.push_back({c[0], c[1], c[2], c[3], c[5]});
    }
    return rows;
}

struct Item {
    QString key;
    QString name;
};

std::vector<Item> readList() {
    const FieldRead field = readFirstField(dataFile(QStringLiteral("zg.txt")));
    EXPECT_TRUE(field.ok()) << field.reason.toStdString();
    std::vector<Item> items;
    for (qsizetype i = 0; i + 4 <= field.value.size(); i += 4)
        items.push_back({field.value.mid(i, 1), field.value.mid(i + 1, 3)});
    return items;
}

// Codes a..y of single characters in the Debian Wubi 86 table; nullopt when not installed.
std::optional<QHash<QString, QStringList>> wubiCodes() {
    QFile f(QStringLiteral("/usr/share/rime-data/wubi86.dict.yaml"));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QHash<QString, QStringList> codes;
    bool body = false;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line == QLatin1String("..."))
            body = true;
        if (!body || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList c = line.split(QLatin1Char('\t'));
        if (c.size() >= 2 && c[0].toUcs4().size() == 1 && !c[1].startsWith(QLatin1Char('z')))
            codes[c[0]].append(c[1]);
    }
    return codes;
}

} // namespace

TEST(RadicalList, IsOneGbkLineOfFourCharacterItemsWithoutComma) {
    const QByteArray bytes = readBytes(dataFile(QStringLiteral("zg.txt")));
    ASSERT_FALSE(bytes.isEmpty());
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    const QByteArray line = bytes.chopped(2);
    EXPECT_FALSE(line.contains('\r'));
    EXPECT_FALSE(line.contains('\n'));
    EXPECT_FALSE(line.contains(','));
    const QString text = decodeGbk(line);
    EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
    EXPECT_FALSE(text.contains(QChar(0xff0c))) << "a full-width comma is no item separator";
    EXPECT_EQ(text.size() % 4, 0);
    EXPECT_GE(text.size() / 4, 54) << "a drill start takes five items from a start of up to 197";

    // The drill reads the first field: it must be the whole line.
    const FieldRead field = readFirstField(dataFile(QStringLiteral("zg.txt")));
    ASSERT_TRUE(field.ok());
    EXPECT_EQ(field.value, text);
    for (const Item& item : readList()) {
        EXPECT_TRUE(item.key.size() == 1 && item.key[0] >= QLatin1Char('a') && item.key[0] <= QLatin1Char('y'))
            << item.key.toStdString();
        for (QChar c : item.name)
            EXPECT_TRUE(c.unicode() > 0x20 && c.unicode() < 0x7f) << item.name.toStdString();
    }
}

TEST(RadicalList, HoldsEveryRadicalOfTheTableOnceUnderItsKey) {
    const std::vector<TableRow> table = readTable();
    ASSERT_GE(table.size(), 130u);
    QHash<QString, QString> keyOfName;
    for (const TableRow& r : table)
        keyOfName.insert(r.name, r.key);
    QSet<QString> seen;
    QSet<QString> keys;
    for (const Item& item : readList()) {
        EXPECT_FALSE(seen.contains(item.name)) << "listed twice: " << item.name.toStdString();
        seen.insert(item.name);
        keys.insert(item.key);
        ASSERT_TRUE(keyOfName.contains(item.name)) << "not in the table: " << item.name.toStdString();
        EXPECT_EQ(item.key, keyOfName.value(item.name)) << item.name.toStdString();
    }
    EXPECT_EQ(seen.size(), qsizetype(table.size()));
    EXPECT_EQ(keys.size(), 25) << "every key a..y carries radicals";
}

TEST(RadicalList, NeighboursRarelyShareAKey) {
    const std::vector<Item> items = readList();
    ASSERT_FALSE(items.empty());
    int same = 0;
    for (std::size_t i = 0; i < items.size(); ++i) // the walk wraps to the first item
        same += items[i].key == items[(i + 1) % items.size()].key;
    EXPECT_LE(same, int(items.size()) / 50);
}

TEST(RadicalPictures, EachLoadsAt112x113WithTheRadicalLargeAndCentred) {
    for (const Item& item : readList()) {
        const QString path = dataFile(QStringLiteral("bmp/%1.bmp").arg(item.name));
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << path.toStdString();
        EXPECT_EQ(image.size(), QSize(112, 113)) << path.toStdString();
        EXPECT_EQ(QImageReader::imageFormat(path), "bmp") << path.toStdString();
        // Ink: pixels darker than mid grey; white elsewhere.
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    ink |= QRect(x, y, 1, 1);
        ASSERT_FALSE(ink.isNull()) << "blank picture " << path.toStdString();
        EXPECT_GE(std::max(ink.width(), ink.height()), 50) << path.toStdString();
        EXPECT_NEAR(ink.center().x(), 56, 3) << path.toStdString();
        EXPECT_NEAR(ink.center().y(), 56, 3) << path.toStdString();
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    }
}

TEST(RadicalKeys, AgreeWithTheWubiCodeTable) {
    const auto codes = wubiCodes();
    if (!codes)
        GTEST_SKIP() << "/usr/share/rime-data/wubi86.dict.yaml is not installed (Debian package "
                        "rime-data-wubi; scripts/install-deps installs it): the keys cannot be checked";
    QHash<QString, TableRow> byName;
    for (const TableRow& r : readTable())
        byName.insert(r.name, r);
    int checked = 0;
    for (const Item& item : readList()) {
        const TableRow row = byName.value(item.name);
        if (row.source == QLatin1String("glyph")) {
            // A radical that is a character: each of its codes starts with the key.
            for (const QString& code : codes->value(row.spec)) {
                EXPECT_TRUE(code.startsWith(item.key)) << row.spec.toStdString() << " " << code.toStdString();
                ++checked;
            }
        } else {
            // A stroke form "<example> <first>-<last>": the example's code holds the key, first
            // when the radical opens the character.
            const QStringList spec = row.spec.split(QLatin1Char(' '));
            ASSERT_EQ(spec.size(), 2) << row.spec.toStdString();
            const bool opens = spec[1].startsWith(QLatin1String("0-"));
            for (const QString& code : codes->value(spec[0])) {
                if (opens)
                    EXPECT_TRUE(code.startsWith(item.key)) << row.spec.toStdString() << " " << code.toStdString();
                else
                    EXPECT_TRUE(code.mid(1).contains(item.key)) << row.spec.toStdString() << " " << code.toStdString();
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 150);
}

TEST(KeyboardPicture, EveryLetterKeyLiesUnderItsMarks) {
    const QImage image(dataFile(QStringLiteral("keyboard.png")));
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.size(), QSize(774, 234)); // 11610 × 3510 twips
    const QRgb caseColour = image.pixel(0, image.height() - 1);
    for (const auto& row : drill::keyHintTable()) {
        const QRect red = pxRect(row.red.left, row.red.top, row.red.width, row.red.height);
        const QRect white = pxRect(row.white.left, row.white.top, row.white.width, row.white.height);
        SCOPED_TRACE(row.key.toStdString());
        // Just inside the red mark: the key's face; just outside the white mark: the case.
        for (const QPoint p : {QPoint(red.left() + 1, red.center().y()), QPoint(red.right() - 1, red.center().y()),
                               QPoint(red.center().x(), red.top() + 1), QPoint(red.center().x(), red.bottom() - 4)})
            EXPECT_NE(image.pixel(p), caseColour) << p.x() << "," << p.y();
        for (const QPoint p : {QPoint(white.left() - 1, white.center().y()),
                               QPoint(white.right() + 1, white.center().y())})
            EXPECT_EQ(image.pixel(p), caseColour) << p.x() << "," << p.y();
    }
}

TEST(ChartImage, Is651x523InSixteenColoursWithTheButtonCornerFree) {
    const QImage image(dataFile(QStringLiteral("chart.png")));
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.size(), QSize(651, 523));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    EXPECT_LE(colours.size(), 16);
    if (image.format() == QImage::Format_Indexed8) {
        EXPECT_LE(image.colorCount(), 16);
    }
    // The print and return buttons cover the lower right corner.
    const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
    for (int y = 440; y < image.height(); ++y)
        for (int x = 430; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), background) << x << "," << y;
}

TEST(SmallPictures, ToggleIconsAre16x16AndTheIconIsSvg) {
    for (const char* name : {"panel-shown.png", "panel-folded.png"}) {
        const QImage image(dataFile(QString::fromLatin1(name)));
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.size(), QSize(16, 16)) << name;
    }
    EXPECT_NE(QImage(dataFile(QStringLiteral("panel-shown.png"))), QImage(dataFile(QStringLiteral("panel-folded.png"))));
    const QByteArray svg = readBytes(dataFile(QStringLiteral("radiane.svg")));
    EXPECT_TRUE(svg.startsWith("<svg")) << "radiane.svg";
    EXPECT_TRUE(svg.trimmed().endsWith("</svg>"));
}
