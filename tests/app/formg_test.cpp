#include "app/ui/capslocknotice.h"
#include "app/ui/fatal.h"
#include "app/ui/formg.h"
#include "appearance/skins.h"
#include "appearance/ui/form99.h"
#include "appearance/ui/skinengine.h"
#include "common/gbk.h"
#include "common/twips.h"
#include "drillfolder.h"

#include <QApplication>
#include <QFile>
#include <QStringEncoder>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace radiane;
using radiane::app::Formg;
using radiane::test::DrillFolder;

namespace {

// Always the first place of a list: the drill is then fully predictable.
class FirstPlace final : public drill::RandomSource {
public:
    double reseedAndDraw() override { return 0.0; }
};

class FormgTest : public testing::Test {
protected:
    void SetUp() override {
        app::setFatalHandler([this](const QString& message) { failures << message; });
    }
    void TearDown() override { app::setFatalHandler({}); }

    std::unique_ptr<Formg> open() {
        auto formg = std::make_unique<Formg>(data.dir.folder(), random);
        app::guarded([&] { formg->load(); });
        return formg;
    }
    static void showActive(Formg& formg) {
        formg.show();
        formg.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&formg));
    }
    // Closes the window as the learner does.
    static void closeByUser(Formg& formg) { formg.close(); }

    DrillFolder data;
    FirstPlace random;
    QStringList failures;
};

TEST_F(FormgTest, FirstRunStartsSingleRadicalsCreatesTheDatabaseAndWritesModeOne) {
    auto formg = open();
    EXPECT_TRUE(failures.isEmpty()) << failures.join("\n").toStdString();
    EXPECT_TRUE(data.dir.exists("wwbb11.dat"));
    EXPECT_EQ(data.dir.read("wwbb11.dat").size(), 0);
    EXPECT_TRUE(formg->Option1->isChecked());
    EXPECT_EQ(formg->drill().view().Label2, "a");
    for (QLabel* picture : formg->Picture1)
        EXPECT_FALSE(picture->pixmap().isNull());
    closeByUser(*formg);
    EXPECT_EQ(data.dir.read("setup.txt"), QByteArray("1\r\n"));
}

TEST_F(FormgTest, SavedModeTwoIsRestoredAndWrittenBack) {
    data.dir.write("setup.txt", "2\r\n");
    auto formg = open();
    EXPECT_TRUE(formg->Option2->isChecked());
    EXPECT_EQ(formg->drill().mode(), drill::Mode::RadicalsInCharacters);
    EXPECT_EQ(formg->drill().view().Text23, data.characters.first());
    closeByUser(*formg);
    EXPECT_EQ(data.dir.read("setup.txt"), QByteArray("2\r\n"));
}

TEST_F(FormgTest, ModeTwoPaintsTheRadicalOfEverySlot) {
    data.writeDatabase();
    data.dir.write("setup.txt", "2\r\n");
    const QByteArray database = data.dir.read("wwbb11.dat");
    auto formg = open();
    for (int slot = 0; slot < drill::kSlotCount; ++slot) {
        const QImage& picture = formg->slotImage(slot);
        EXPECT_EQ(picture.pixel(50, 50), qRgb(0, 0, 0)) << "slot " << slot;
        EXPECT_EQ(picture.pixel(5, 5), qRgb(255, 255, 255)) << "slot " << slot;
        EXPECT_EQ(formg->Picture1[slot]->pixmap().toImage().pixel(50, 50), qRgb(0, 0, 0));
    }
    EXPECT_TRUE(formg->Command1().lookupFound());
    closeByUser(*formg);
    EXPECT_EQ(data.dir.read("wwbb11.dat"), database);
}

TEST_F(FormgTest, SwitchingToOption2IsWhatTheCloseWrites) {
    data.dir.write("setup.txt", "1\r\n");
    auto formg = open();
    showActive(*formg);
    QTest::mouseClick(formg->Option2, Qt::LeftButton);
    EXPECT_TRUE(formg->Option2->isChecked());
    EXPECT_TRUE(formg->Text1->hasFocus());
    EXPECT_EQ(formg->drill().mode(), drill::Mode::RadicalsInCharacters);
    EXPECT_EQ(formg->Label8, "1");
    closeByUser(*formg);
    EXPECT_EQ(data.dir.read("setup.txt"), QByteArray("2\r\n"));
}

TEST_F(FormgTest, UnknownModeLoadsNoListAndClosesWithOne) {
    data.dir.write("setup.txt", "3\r\n");
    auto formg = open();
    EXPECT_TRUE(formg->Option1->isChecked());
    EXPECT_EQ(formg->Label8, "3");
    for (QLabel* picture : formg->Picture1)
        EXPECT_TRUE(picture->pixmap().isNull());
    closeByUser(*formg);
    EXPECT_EQ(data.dir.read("setup.txt"), QByteArray("1\r\n"));
}

TEST_F(FormgTest, PanelToggleFoldsAndUnfoldsAndKeepsTheDrill) {
    auto formg = open();
    showActive(*formg);
    QTest::keyClicks(formg->Text1, "a");
    const QPoint frame = formg->Shape11->pos();
    const qint64 shown = formg->Image3.cacheKey();
    EXPECT_EQ(formg->Image1->pixmap().cacheKey(), shown);

    formg->togglePanel();
    EXPECT_EQ(formg->frameGeometry().height(), px(3315));
    EXPECT_EQ(formg->Label116, "1");
    EXPECT_EQ(formg->Image1->pixmap().cacheKey(), formg->Image4.cacheKey());
    EXPECT_TRUE(formg->Text1->hasFocus());

    formg->togglePanel();
    EXPECT_EQ(formg->frameGeometry().height(), px(6960));
    EXPECT_EQ(formg->Label116, "2");
    EXPECT_EQ(formg->Image1->pixmap().cacheKey(), shown);
    EXPECT_EQ(formg->Shape11->pos(), frame);
    EXPECT_EQ(formg->drill().slotIndex(), 1);
}

TEST_F(FormgTest, UpperCaseOfTheExpectedKeyShowsTheCapsLockNotice) {
    auto formg = open();
    showActive(*formg);
    // Keys typed in turn while "a" is expected.
    const struct {
        const char* typed;
        bool notice;
    } steps[] = {{"A", true}, {"B", false}, {"A", true}, {"a", false}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.typed);
        QTest::keyClicks(formg->Text1, step.typed);
        EXPECT_EQ(formg->capsLockNotice->isVisible(), step.notice);
    }
    EXPECT_EQ(formg->drill().slotIndex(), 1);
}

TEST_F(FormgTest, AnswerBoxHasTheFocusAfterStartAndAfterClicks) {
    auto formg = open();
    showActive(*formg);
    QTest::qWait(20); // Timer1
    EXPECT_TRUE(formg->Text1->hasFocus());
    EXPECT_FALSE(formg->Timer1->isActive());

    formg->Option1->setFocus();
    QTest::mouseClick(formg->Option1, Qt::LeftButton);
    EXPECT_TRUE(formg->Text1->hasFocus());

    formg->Picture5->setFocus(); // not focusable: focus stays where it was
    formg->Command3->setFocus();
    QTest::mouseClick(formg.get(), Qt::LeftButton, {}, QPoint(5, 300));
    EXPECT_TRUE(formg->Text1->hasFocus());
    QTest::mouseClick(formg->Image1, Qt::LeftButton);
    EXPECT_TRUE(formg->Text1->hasFocus());
    // Nothing answers the learner's path buttons here: as after a cancelled dialog.
    for (QPushButton* button : {formg->progressButton, formg->practiceButton, formg->codesButton}) {
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(formg->Text1->hasFocus()) << button->objectName().toStdString();
    }
}

TEST_F(FormgTest, TypingMovesFrameArrowAndMark) {
    auto formg = open();
    showActive(*formg);
    // The list starts a, b, c, ... (keys cycle through the alphabet).
    QTest::keyClicks(formg->Text1, "a");
    EXPECT_EQ(formg->Text1->text(), "");
    EXPECT_EQ(formg->Shape11->x(), px(drill::kFrameLeft0 + drill::kSlotStep));
    EXPECT_EQ(formg->Label3->x(), px(drill::kArrowLeft0 + drill::kSlotStep));
    EXPECT_EQ(formg->Label3->text(), "↑");
    const int b = drill::findKeyHint("b")->markIndex;
    for (int i = 0; i < drill::kMarkCount; ++i) {
        EXPECT_EQ(formg->Shape1[i]->isVisibleTo(formg.get()), i == b) << i;
        EXPECT_EQ(formg->Shape2[i]->isVisibleTo(formg.get()), i == b) << i;
    }

    QTest::keyClicks(formg->Text1, "xyz");
    EXPECT_EQ(formg->Label3->text(), "↑×");
    EXPECT_TRUE(formg->Label4->isVisibleTo(formg.get()));
    EXPECT_EQ(formg->Label4->text(), "提示：B 键： 子耳了也框向上");
    // Centred across the window, 2145 twips above the arrow's top.
    const int centre = formg->Label4->x() + formg->Label4->width() / 2;
    EXPECT_NEAR(centre, formg->frameGeometry().width() / 2, 1);
    EXPECT_EQ(formg->Label4->y(), px(drill::kArrowTop - drill::kHintAboveArrow));
    EXPECT_LT(formg->Label4->geometry().bottom(), formg->Shape11->y()); // frame stays whole

    QTest::keyClicks(formg->Text1, "b");
    EXPECT_FALSE(formg->Label4->isVisibleTo(formg.get()));
    EXPECT_EQ(formg->Label3->text(), "↑");
    QTest::qWait(10); // the posted Backspace reaches an empty box and changes nothing
    EXPECT_EQ(formg->Text1->text(), "");
    EXPECT_EQ(formg->drill().slotIndex(), 2);
}

TEST_F(FormgTest, CloseWritesTheSkinNameAndTheWindowStaysWithinItsLimits) {
    appearance::Form99 form99(data.dir.folder());
    EXPECT_FALSE(form99.startup().has_value());
    EXPECT_EQ(data.dir.read("face.txt"), QByteArray("pixos.urf\r\n"));
    {
        Formg formg(data.dir.folder(), random, &form99);
        formg.load();
        showActive(formg);
        formg.resize(2000, 2000);
        EXPECT_LE(formg.frameGeometry().width(), 808);
        EXPECT_LE(formg.frameGeometry().height(), 490);
        closeByUser(formg);
    }
    // No skin file of that name here: the program ran plain and says so at close.
    EXPECT_EQ(data.dir.read("face.txt"), test::gbk(QStringLiteral("取消皮肤.urf\r\n")));
    EXPECT_EQ(data.dir.read("setup.txt"), QByteArray("1\r\n"));
}

// Skins restyle the window but must leave the drill's own colours alone: slot
// pictures white, the hint bar orange with white text, the arrow red, the
// marker orange.
TEST_F(FormgTest, SkinsLeaveTheDrillColoursAlone) {
    struct PlainAtEnd {
        appearance::SkinEngine engine;
        ~PlainAtEnd() { engine.restorePlain(); }
    } skin;
    auto formg = open();
    showActive(*formg);
    QTest::keyClicks(formg->Text1, "xyz"); // shows the hint bar
    const auto pixel = [](QWidget* widget, QPoint p) {
        return widget->grab().toImage().pixelColor(p);
    };
    // The share of a widget's pixels in one colour (text covers the rest).
    const auto share = [](QWidget* widget, QColor colour) {
        const QImage image = widget->grab().toImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == colour;
        return double(n) / (image.width() * image.height());
    };
    const QColor orange(255, 128, 0);
    for (const char* caption : appearance::kSkinCaptions) {
        SCOPED_TRACE(caption);
        int out = 0;
        ASSERT_NE(skin.engine.SkinStart(test::builtProgramDir() + "/" + caption + ".urf", 2, {}, 1,
                                        0, &out),
                  0);
        QApplication::processEvents();
        EXPECT_EQ(pixel(formg->Picture1[0], QPoint(3, 3)), QColor(Qt::white));
        EXPECT_GT(share(formg->Label4, orange), 0.5);
        EXPECT_EQ(formg->Label4->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_EQ(formg->Label3->palette().color(QPalette::WindowText), QColor(Qt::red));
        EXPECT_EQ(pixel(formg->Shape11, QPoint(6, 6)), orange);
    }
}

// A file the window needs that is missing, not a regular file, or not GBK ends
// the program with a message naming that file and the reason; nothing blocks.
TEST_F(FormgTest, UnusableFileEndsWithAMessageNamingIt) {
    enum Change { Remove, Pipe, Utf8, Utf8Bom, Utf16 };
    const struct {
        const char* file;
        Change change;
        const char* mode;
        QString messagePart;
    } cases[] = {
        {"bmp/r02.bmp", Remove, "1", QStringLiteral("r02.bmp：找不到图片文件")},
        {"bmp/r02.bmp", Pipe, "1", QStringLiteral("r02.bmp：这不是一个普通文件")},
        {"keyboard.png", Remove, "1", QStringLiteral("keyboard.png：找不到图片文件")},
        {"panel-folded.png", Remove, "1", QStringLiteral("panel-folded.png：找不到图片文件")},
        {"zg.txt", Pipe, "1", QStringLiteral("zg.txt：这不是一个普通文件")},
        {"zg2.txt", Utf8, "2",
         QStringLiteral("zg2.txt：不是 GBK 编码的文本（看来是以 UTF-8 保存的）")},
        {"zg.txt", Utf8Bom, "1",
         QStringLiteral("zg.txt：不是 GBK 编码的文本（看来是以 UTF-8 保存的）")},
        {"zg.txt", Utf16, "1",
         QStringLiteral("zg.txt：不是 GBK 编码的文本（看来是以 UTF-16 保存的）")},
        {"zg2.txt", Utf16, "2",
         QStringLiteral("zg2.txt：不是 GBK 编码的文本（看来是以 UTF-16 保存的）")},
        {"wwbb11.dat", Pipe, "2", QStringLiteral("wwbb11.dat：这不是一个普通文件")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        DrillFolder folder;
        folder.dir.write("setup.txt", QByteArray(c.mode) + "\r\n");
        const QString path = folder.dir.file(QString::fromLatin1(c.file));
        const QByteArray gbkText = folder.dir.read(QString::fromLatin1(c.file));
        QFile::remove(path);
        if (c.change == Pipe) {
            ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        if (c.change == Utf8 || c.change == Utf8Bom)
            folder.dir.write(QString::fromLatin1(c.file),
                             (c.change == Utf8Bom ? "\xEF\xBB\xBF" : "") +
                                 decodeGbk(gbkText).toUtf8());
        if (c.change == Utf16) {
            QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
            folder.dir.write(QString::fromLatin1(c.file), utf16.encode(decodeGbk(gbkText)));
        }
        failures.clear();
        Formg formg(folder.dir.folder(), random);
        app::guarded([&] { formg.load(); });
        ASSERT_EQ(failures.size(), 1);
        EXPECT_TRUE(failures.first().contains(c.messagePart)) << failures.first().toStdString();
    }
}

} // namespace
