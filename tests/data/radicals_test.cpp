// The shipped radical data: the drill list zg.txt, the radical pictures, the keyboard picture
// under the key marks, the chart image and the small pictures, read with the program's own
// readers.
#include "common/gbk.h"
#include "common/textfield.h"
#include "common/twips.h"
#include "drill/keyhinttable.h"
#include "radicaltable.h"
#include "support/tempprogramfolder.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QImageReader>
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

// The authored radical table (tools/datagen/radicals.tsv), read with the generator's loader.
std::vector<datagen::Radical> readTable() {
    return datagen::loadRadicalTable(test::sourceDir() +
                                     QStringLiteral("/tools/datagen/radicals.tsv"));
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
        EXPECT_TRUE(item.key.size() == 1 && item.key[0] >= QLatin1Char('a') &&
                    item.key[0] <= QLatin1Char('y'))
            << item.key.toStdString();
        for (QChar c : item.name)
            EXPECT_TRUE(c.unicode() > 0x20 && c.unicode() < 0x7f) << item.name.toStdString();
    }
}

TEST(RadicalList, HoldsEveryRadicalOfTheTableOnceUnderItsKey) {
    const std::vector<datagen::Radical> table = readTable();
    ASSERT_GE(table.size(), 130u);
    QHash<QString, QString> keyOfName;
    for (const datagen::Radical& r : table)
        keyOfName.insert(r.name, r.key);
    QSet<QString> seen;
    QSet<QString> keys;
    for (const Item& item : readList()) {
        EXPECT_FALSE(seen.contains(item.name)) << "listed twice: " << item.name.toStdString();
        seen.insert(item.name);
        keys.insert(item.key);
        ASSERT_TRUE(keyOfName.contains(item.name))
            << "not in the table: " << item.name.toStdString();
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
        GTEST_SKIP()
            << "/usr/share/rime-data/wubi86.dict.yaml is not installed (Debian package "
               "rime-data-wubi; scripts/install-deps installs it): the keys cannot be checked";
    QHash<QString, datagen::Radical> byName;
    for (const datagen::Radical& r : readTable())
        byName.insert(r.name, r);
    int checked = 0;
    for (const Item& item : readList()) {
        const datagen::Radical row = byName.value(item.name);
        if (row.fromGlyph()) {
            // A radical that is a character: each of its codes starts with the key.
            for (const QString& code : codes->value(row.glyph)) {
                EXPECT_TRUE(code.startsWith(item.key))
                    << row.glyph.toStdString() << " " << code.toStdString();
                ++checked;
            }
        } else {
            // A stroke form: the example's full code holds the key, first when the radical
            // opens it (short codes leave radicals out).
            const QStringList all = codes->value(row.exampleChar);
            qsizetype longest = 0;
            for (const QString& code : all)
                longest = std::max(longest, code.size());
            for (const QString& code : all) {
                if (code.size() < longest)
                    continue;
                if (row.firstStroke == 0)
                    EXPECT_TRUE(code.startsWith(item.key))
                        << row.exampleChar.toStdString() << " " << code.toStdString();
                else
                    EXPECT_TRUE(code.mid(1).contains(item.key))
                        << row.exampleChar.toStdString() << " " << code.toStdString();
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
        const QRect white =
            pxRect(row.white.left, row.white.top, row.white.width, row.white.height);
        SCOPED_TRACE(row.key.toStdString());
        // Just inside the red mark: the key's face; just outside the white mark: the case.
        for (const QPoint p :
             {QPoint(red.left() + 1, red.center().y()), QPoint(red.right() - 1, red.center().y()),
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
    EXPECT_NE(QImage(dataFile(QStringLiteral("panel-shown.png"))),
              QImage(dataFile(QStringLiteral("panel-folded.png"))));
    const QByteArray svg = readBytes(dataFile(QStringLiteral("radiane.svg")));
    EXPECT_TRUE(svg.startsWith("<svg")) << "radiane.svg";
    EXPECT_TRUE(svg.trimmed().endsWith("</svg>"));
}

// The loader of the authored table refuses a bad row with the file and line named.
TEST(RadicalTableLoader, ReadsBothSourcesAndTheNote) {
    const auto rows = datagen::parseRadicalTable(
        QStringLiteral(
            "# comment\n\ng\t王\tglyph\t王\t4\tg01\tkey name\r\nd\t羊\tstrokes\t羊 2-5\t4\td04\n"
            "p\t礻\tstrokes\t礻 0-2 in full\t3\tp06\n"),
        QStringLiteral("t.tsv"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_FALSE(rows[1].inFull);
    EXPECT_TRUE(rows[2].inFull);
    EXPECT_EQ(rows[2].lastStroke, 2);
    EXPECT_TRUE(rows[0].fromGlyph());
    EXPECT_EQ(rows[0].glyph, QStringLiteral("王"));
    EXPECT_EQ(rows[0].note, QStringLiteral("key name"));
    EXPECT_TRUE(rows[1].fromStrokes());
    EXPECT_EQ(rows[1].exampleChar, QStringLiteral("羊"));
    EXPECT_EQ(rows[1].firstStroke, 2);
    EXPECT_EQ(rows[1].lastStroke, 5);
    EXPECT_EQ(rows[1].strokeCount, 4);
    EXPECT_TRUE(rows[1].note.isEmpty());
}

TEST(RadicalTableLoader, RefusesBadRowsNamingTheLine) {
    struct Case {
        const char* what;
        const char* row;
        const char* message;
    };
    const Case cases[] = {
        {"too few columns", "g\t王\tglyph\t王\t4", "columns"},
        {"key z", "z\t王\tglyph\t王\t4\tz01", "key"},
        {"upper-case key", "G\t王\tglyph\t王\t4\tg09", "key"},
        {"two characters", "g\t王五\tglyph\t王\t4\tg09", "one character"},
        {"unknown source", "g\t王\tfont\t王\t4\tg09", "source"},
        {"range missing", "d\t羊\tstrokes\t羊 2\t4\td09", "stroke form"},
        {"range backwards", "d\t羊\tstrokes\t羊 5-2\t4\td09", "backwards"},
        {"words after the range", "p\t礻\tstrokes\t礻 0-2 in part\t3\tp09", "stroke form"},
        {"count against range", "d\t羊\tstrokes\t羊 2-5\t3\td09", "does not match"},
        {"count not a number", "g\t王\tglyph\t王\tfour\tg09", "stroke count"},
        {"name of two", "g\t王\tglyph\t王\t4\tg9", "picture name"},
        {"comma in name", "g\t王\tglyph\t王\t4\tg,1", "picture name"},
        {"name used twice", "g\t王\tglyph\t王\t4\tg01", "twice"},
    };
    for (const Case& c : cases) {
        const QString text = QStringLiteral("# header\ng\t王\tglyph\t王\t4\tg01\n") +
                             QString::fromUtf8(c.row) + QStringLiteral("\n");
        try {
            datagen::parseRadicalTable(text, QStringLiteral("t.tsv"));
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const std::runtime_error& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("t.tsv:3:"), std::string::npos) << c.what << ": " << message;
            EXPECT_NE(message.find(c.message), std::string::npos) << c.what << ": " << message;
        }
    }
}
