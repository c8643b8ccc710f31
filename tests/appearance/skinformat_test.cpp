#include "appearance/skinformat.h"
#include "support/tempprogramfolder.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace radiane::appearance;
using radiane::test::TempProgramFolder;

namespace {

const QByteArray kColors = "window = #eeeeee\n"
                           "window-text = #111\n"
                           "base = #ffffff\n"
                           "text = #000000\n"
                           "button = #dddddd\n"
                           "button-text = #000000\n"
                           "highlight = #3366CC\n"
                           "highlighted-text = #ffffff\n";

QByteArray skinText(const QByteArray& extra = {}, const QByteArray& sheet = "QPushButton { }\n") {
    return "RADIANE-SKIN 1\n# a comment\nname = Test\n" + kColors + extra + "[style-sheet]\n" +
           sheet;
}

TEST(SkinFormat, ReadsNameStyleColoursAndStyleSheet) {
    const QByteArray sheet = "QMenu {\n  color: #123456;\n}\n/* { */ QLineEdit { border: 1px "
                             "solid \"}\"; }\n";
    const SkinParse parsed =
        parseSkin("\xEF\xBB\xBF" + skinText("STYLE = windows\nlink = #abc\n", sheet));
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    const SkinDescription& skin = *parsed.skin;
    EXPECT_EQ(skin.name, QStringLiteral("Test"));
    EXPECT_EQ(skin.style, QStringLiteral("Windows"));
    EXPECT_EQ(skin.color(SkinColor::Window), 0xeeeeeeu);
    EXPECT_EQ(skin.color(SkinColor::WindowText), 0x111111u);
    EXPECT_EQ(skin.color(SkinColor::Highlight), 0x3366ccu);
    EXPECT_EQ(skin.color(SkinColor::Link), 0xaabbccu);
    EXPECT_FALSE(skin.color(SkinColor::Shadow).has_value());
    EXPECT_EQ(skin.styleSheet, QString::fromUtf8(sheet));

    // CR LF line ends, and the default style.
    QByteArray crlf = skinText();
    crlf.replace("\n", "\r\n");
    const SkinParse plain = parseSkin(crlf);
    ASSERT_TRUE(plain.ok()) << plain.error.toStdString();
    EXPECT_EQ(plain.skin->style, QStringLiteral("Fusion"));
    EXPECT_EQ(plain.skin->color(SkinColor::Button), 0xddddddu);
}

TEST(SkinFormat, RefusesWhatIsNotASkinWithTheReason) {
    struct Case {
        const char* label;
        QByteArray text;
        const char* reasonPart;
    };
    QByteArray noHighlight = skinText();
    noHighlight.replace("highlight = #3366CC\n", "");
    const std::vector<Case> cases = {
        {"empty", "", "RADIANE-SKIN 1"},
        {"no header", "name = X\n" + kColors, "RADIANE-SKIN 1"},
        {"other version", "RADIANE-SKIN 2\n", "版本"},
        {"bad colour", skinText("link = #12345\n"), "第 12 行"},
        {"colour name", skinText("link = red\n"), "red"},
        {"unknown key", skinText("shine = 3\n"), "shine"},
        {"duplicate key", skinText("window = #000000\n"), "重复"},
        {"not key = value", skinText("just words\n"), "just words"},
        {"unknown style", skinText("style = Aqua\n"), "Aqua"},
        {"missing colour", noHighlight, "highlight"},
        {"no name", "RADIANE-SKIN 1\n" + kColors, "name"},
        {"empty name", "RADIANE-SKIN 1\nname =\n" + kColors, "名称"},
        {"open brace", skinText({}, "QMenu {\n color: red;\n"), "第 13 行"},
        {"extra brace", skinText({}, "QMenu { }\n}\n"), "}"},
        {"nested brace", skinText({}, "QMenu { QLabel { } }\n"), "嵌套"},
        {"open comment", skinText({}, "/* QMenu { }\n"), "*/"},
        {"open string", skinText({}, "QMenu { font-family: \"Song; }\n"), "字符串"},
        {"outside file", skinText({}, "QMenu { image: URL(/etc/x.png); }\n"), "url"},
        {"escaped url", skinText({}, "QPushButton { background-image: \\75rl(/x.png); }\n"), "\\"},
        {"url in string", skinText({}, "QLabel { font-family: \"url(/x.png)\"; }\n"), "url"},
        {"escape in string", skinText({}, "QLabel { font-family: \"\\75rl\"; }\n"), "\\"},
        {"widget property", skinText({}, "QLabel { qproperty-styleSheet: \"color: red\"; }\n"),
         "qproperty"},
        {"not UTF-8", skinText("# \xff\xfe\n"), "UTF-8"},
        {"NUL byte", QByteArray("RADIANE-SKIN 1\n\0\n", 17), "空字符"},
        // The sheet starts on line 13.
        {"file name for a sheet", skinText({}, "file:///../../../../tmp/x.qss"), "file:"},
        {"file name after blank lines", skinText({}, "\n \nFILE:///tmp/x.qss\n"), "第 15 行"},
        {"file name after a BOM",
         skinText({}, "\xEF\xBB\xBF"
                      "file:///tmp/x.qss\n"),
         "file:"},
        {"labels", skinText({}, "QLabel { max-width: 0; max-height: 0; }\n"), "QLabel"},
        {"every widget", skinText({}, "QWidget { background: #ff8000; }\n"), "QWidget"},
        {"universal", skinText({}, "QMenu { }\n* { color: red; }\n"), "第 14 行"},
        {"bare frame, labels too", skinText({}, "QFrame { border: none; }\n"), "QFrame"},
        {"another frame", skinText({}, "QFrame#Picture5 { }\n"), "QFrame#Picture5"},
        {"name alone", skinText({}, "#Frame2 { }\n"), "#Frame2"},
        {"label in a dialog", skinText({}, "QDialog QLabel { }\n"), "QDialog QLabel"},
        {"label below a button", skinText({}, "QPushButton > QLabel { }\n"), "QLabel"},
        {"second of a list", skinText({}, "QMenu,\n  QLabel { }\n"), "第 14 行"},
        {"attribute", skinText({}, "QPushButton[flat=\"true\"] { }\n"), "QPushButton["},
        {"text after the rules", skinText({}, "QMenu { }\nQLabel\n"), "第 14 行"},
        {"huge dialog", skinText({}, "QDialog { min-width: 30000px; }\n"), "min-width"},
        {"huge in points", skinText({}, "QPushButton {\n height: 700pt; }\n"), "第 14 行"},
        {"huge padding", skinText({}, "QMenu::item { padding: 4px 4px 4px 900px; }\n"), "900px"},
        {"huge border", skinText({}, "QLineEdit { border: 200px solid #000; }\n"), "200px"},
        {"huge font", skinText({}, "QPushButton { font: bold 500px; }\n"), "500px"},
        {"other unit", skinText({}, "QPushButton { padding: 90em; }\n"), "px 或 pt"},
        {"negative margin", skinText({}, "QMenu { margin: -5px; }\n"), "-5px"},
        {"no room left", skinText({}, "QPushButton { max-width: 0; }\n"), "max-width"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const SkinParse parsed = parseSkin(c.text);
        EXPECT_FALSE(parsed.ok());
        EXPECT_TRUE(parsed.error.contains(QString::fromUtf8(c.reasonPart)))
            << parsed.error.toStdString();
    }
}

TEST(SkinFormat, TakesWhatSkinsStyle) {
    const char* sheets[] = {
        "QDialog, QMessageBox { background: #2e343c; }",
        "QMessageBox QLabel { color: #e2e7ed; }",
        "QComboBox QAbstractItemView { border: 1px solid rgb(255, 0, 0); }",
        "QFrame#Frame2 { border: 2px solid qlineargradient(stop:0 rgb(9, 9, 99), stop:1 #f0f); }",
        "QRadioButton::indicator:checked, QPushButton:!hover { width: 12px; padding: 2px 12px; }",
        "QDialog > QPushButton { min-height: 800px; font-size: 36pt; max-width: 16px; }",
        "/* QLabel { } */ QToolTip { font-family: \"QLabel { width: 9999px }\"; }",
    };
    for (const char* sheet : sheets) {
        const SkinParse parsed = parseSkin(skinText({}, sheet));
        EXPECT_TRUE(parsed.ok()) << sheet << ": " << parsed.error.toStdString();
    }
}

TEST(SkinFormat, LoadRefusesMissingFolderAndOversizedFiles) {
    TempProgramFolder folder;
    QDir(folder.path()).mkpath("dir.urf");
    folder.write("big.urf", skinText() + "/*" + QByteArray(kMaxSkinFileBytes, ' ') + "*/");
    folder.write("good.urf", skinText());
    EXPECT_FALSE(loadSkinFile(folder.file("none.urf")).ok());
    EXPECT_FALSE(loadSkinFile(folder.file("dir.urf")).ok());
    EXPECT_FALSE(loadSkinFile(folder.file("big.urf")).ok());
    EXPECT_FALSE(loadSkinFile(QString()).ok());
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.file("pipe.urf")).constData(), 0600), 0);
    EXPECT_FALSE(loadSkinFile(folder.file("pipe.urf")).ok()); // refused, not read: never blocks
    EXPECT_TRUE(loadSkinFile(folder.file("good.urf")).ok());
}

} // namespace
