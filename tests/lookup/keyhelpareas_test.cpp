#include "lookup/ui/keyhelpareas.h"

#include "common/twips.h"
#include "lookup/ui/clickablelabel.h"
#include "urlrecorder.h"

#include <QTest>
#include <gtest/gtest.h>

namespace radiane::lookup {
namespace {

using test::UrlRecorder;

QString pageOf(const char* letter) {
    return webSettings().siteUrl + QStringLiteral("/wbwz/") + QString::fromLatin1(letter) +
           QStringLiteral(".htm");
}

// A stand-in for the main window with its keyboard picture Picture5.
class KeyHelpAreasTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(px(11970), px(6855));
        picture->setGeometry(pxRect(180, 2940, 11610, 3510));
        areas = createKeyHelpAreas(picture, &window);
        hint = createHintLine(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    UrlRecorder recorder;
    QWidget window;
    QWidget* picture = new QWidget(&window);
    std::array<ClickableLabel*, kKeyAreaCount> areas{};
    HintLine hint;
};

TEST_F(KeyHelpAreasTest, AreasLieOverTheirKeysInsideThePicture) {
    for (int i = 0; i < kKeyAreaCount; ++i) {
        const KeyArea& key = keyAreas()[i];
        ASSERT_TRUE(areas[i]);
        EXPECT_EQ(areas[i]->parentWidget(), picture);
        EXPECT_EQ(areas[i]->geometry(), pxRect(key.left, key.top, kKeyAreaWidth, kKeyAreaHeight))
            << i;
        EXPECT_TRUE(areas[i]->isVisible() && areas[i]->text().isEmpty() &&
                    !areas[i]->autoFillBackground())
            << i;
        // Only the m key carries the hint.
        EXPECT_EQ(areas[i]->toolTip(), i == 12 ? kKeyHelpHint.toString() : QString()) << i;
    }
}

TEST_F(KeyHelpAreasTest, ClickOnAKeyOpensItsPage) {
    struct Case {
        int index;
        const char* letter;
    };
    for (const Case& c : {Case{0, "a"}, Case{12, "m"}, Case{23, "x"}, Case{24, "y"}}) {
        recorder.opened.clear();
        QTest::mouseClick(areas[c.index], Qt::LeftButton);
        EXPECT_EQ(recorder.openedEncoded(), QStringList{pageOf(c.letter)}) << c.index;
    }
}

TEST_F(KeyHelpAreasTest, OnlyALeftClickOpensAPage) {
    QTest::mouseClick(areas[0], Qt::RightButton);
    // Pressed on the key but released elsewhere: no click.
    QTest::mousePress(areas[0], Qt::LeftButton);
    QTest::mouseRelease(areas[0], Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_TRUE(recorder.opened.isEmpty());
}

TEST_F(KeyHelpAreasTest, WhereThereIsNoAreaNothingOpens) {
    // The z key, left of x on the bottom row, has no area.
    const QPoint zKey = pxPoint(1470 + 487, 2340 + 457);
    EXPECT_EQ(picture->childAt(zKey), nullptr);
    for (int index : {-1, 25, 100})
        openKeyHelp(&window, index);
    EXPECT_TRUE(recorder.opened.isEmpty());
}

TEST_F(KeyHelpAreasTest, HintLineOpensThePageOfA) {
    ASSERT_TRUE(hint.Label9 && hint.Label11);
    EXPECT_EQ(hint.Label9->text(), kKeyHelpHint.toString());
    EXPECT_EQ(hint.Label11->text(), kKeyHelpHint.toString());
    EXPECT_EQ(hint.Label9->pos() - hint.Label11->pos(), QPoint(1, 1));
    EXPECT_EQ(hint.Label11->palette().color(QPalette::WindowText), QColor(Qt::white));

    // Where the two overlap, the click reaches Label9; Label11 takes none.
    const QRect overlap = hint.Label9->geometry() & hint.Label11->geometry();
    ASSERT_FALSE(overlap.isEmpty());
    EXPECT_EQ(window.childAt(overlap.center()), hint.Label9);
    EXPECT_EQ(window.childAt(hint.Label11->geometry().topLeft()), nullptr);

    QTest::mouseClick(hint.Label9, Qt::LeftButton);
    EXPECT_EQ(recorder.openedEncoded(), QStringList{pageOf("a")});
}

} // namespace
} // namespace radiane::lookup
