#include "appearance/skins.h"
#include "appearance/ui/form99.h"
#include "appearance/ui/skinengine.h"
#include "support/tempprogramfolder.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>
#include <gtest/gtest.h>

using namespace radiane::appearance;
using radiane::test::TempProgramFolder;

namespace {

QString shippedSkin(const char* caption) {
    return radiane::test::builtProgramDir() + QStringLiteral("/") + QLatin1String(caption) +
           QStringLiteral(".urf");
}

std::int16_t start(SkinEngine& engine, const QString& path, int mode) {
    int out = 7;
    const std::int16_t result = engine.SkinStart(path, mode, QString(), 1, 0, &out);
    EXPECT_EQ(out, 0);
    return result;
}

struct PlainLook {
    QString style = QApplication::style()->name();
    QPalette palette = QApplication::palette();
    QString sheet = qApp->styleSheet();
};

void expectPlain(const PlainLook& plain) {
    EXPECT_EQ(qApp->styleSheet(), plain.sheet);
    EXPECT_EQ(QApplication::style()->name(), plain.style);
    EXPECT_EQ(QApplication::palette(), plain.palette);
}

class SkinEngineTest : public ::testing::Test {
protected:
    PlainLook plain;
    SkinEngine engine;
    void TearDown() override { engine.restorePlain(); }
};

TEST_F(SkinEngineTest, EveryShippedSkinParsesAppliesAndComesOffAgain) {
    QStringList sheets;
    for (const char* caption : kSkinCaptions) {
        SCOPED_TRACE(caption);
        const SkinParse parsed = loadSkinFile(shippedSkin(caption));
        ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
        EXPECT_EQ(parsed.skin->name, QLatin1String(caption));

        ASSERT_NE(start(engine, shippedSkin(caption), 2), 0) << engine.lastFailure().toStdString();
        EXPECT_EQ(engine.currentSkin(), QLatin1String(caption));
        EXPECT_TRUE(qApp->styleSheet().endsWith(parsed.skin->styleSheet));
        EXPECT_FALSE(qApp->styleSheet().isEmpty());
        EXPECT_EQ(QApplication::palette().color(QPalette::Window),
                  QColor::fromRgb(QRgb(0xff000000u | *parsed.skin->color(SkinColor::Window))));
        sheets << qApp->styleSheet();
    }
    sheets.removeDuplicates();
    EXPECT_EQ(sheets.size(), qsizetype(kSkinCaptions.size())) << "each skin has its own look";

    EXPECT_NE(start(engine, QString(), 0), 0);
    expectPlain(plain);
    EXPECT_TRUE(engine.currentSkin().isEmpty());
}

TEST_F(SkinEngineTest, RefusesWhatIsNotASkinAndKeepsTheLookInForce) {
    TempProgramFolder folder;
    folder.write("broken.urf", "RADIANE-SKIN 1\nname = Broken\nwindow = #12345\n");
    folder.write("empty.urf", "");
    folder.write("folder.urf/inside.txt", "x");
    folder.write("binary.urf", QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11));

    ASSERT_NE(start(engine, shippedSkin("Slate"), 2), 0);
    const QString slateSheet = qApp->styleSheet();
    for (const char* name :
         {"missing.urf", "broken.urf", "empty.urf", "folder.urf", "binary.urf"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(start(engine, folder.file(QLatin1String(name)), 2), 0);
        EXPECT_FALSE(engine.lastFailure().isEmpty());
        EXPECT_EQ(qApp->styleSheet(), slateSheet);
        EXPECT_EQ(engine.currentSkin(), QStringLiteral("Slate"));
    }
    EXPECT_EQ(start(engine, folder.path() + QStringLiteral("/"), 2), 0) << "the program folder";
}

// Qt reads a style sheet that starts with "file:///" from the file it names.
TEST_F(SkinEngineTest, AppliedSheetIsNeverReadAsAFileName) {
    TempProgramFolder folder;
    folder.write("x.qss", "QPushButton { qproperty-text: \"PWNED\"; }\n");
    const SkinParse slate = loadSkinFile(shippedSkin("Slate"));
    ASSERT_TRUE(slate.ok());
    SkinDescription skin = *slate.skin;
    skin.styleSheet = QStringLiteral("file:///") + folder.file(QStringLiteral("x.qss"));
    engine.apply(skin);
    QPushButton button(QStringLiteral("换 肤"));
    button.ensurePolished();
    EXPECT_EQ(button.text(), QStringLiteral("换 肤"));
}

TEST_F(SkinEngineTest, StartUpCallWithoutSkinChangesNothing) {
    TempProgramFolder folder;
    EXPECT_NE(start(engine, folder.file(QStringLiteral("取消皮肤.urf")), 1), 0);
    expectPlain(plain);
}

TEST_F(SkinEngineTest, SkinRemoveTakesTheSkinOff) {
    ASSERT_NE(start(engine, shippedSkin("XP-Luna"), 2), 0);
    engine.SkinRemove();
    expectPlain(plain);
}

TEST(Form99, MenuHoldsTheTenItemsInOrderAndDrivesTheSkins) {
    TempProgramFolder folder;
    folder.copyFromProgram(QStringLiteral("OpusOS.urf"));
    const PlainLook plain;
    Form99 form(folder.folder());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.face->title(), QStringLiteral("换肤"));
    QStringList captions;
    for (const QAction* action : form.face->actions())
        captions << action->text();
    EXPECT_EQ(captions, QStringList({"取消皮肤", "PixOS", "CoronaLaST", "XP-Metallic", "XP-Luna",
                                     "LE4", "MacOS", "Slate", "OpusOS", "RhodiumX"}));

    form.fff[7]->trigger();
    EXPECT_EQ(form.skinName(), QStringLiteral("OpusOS.urf"));
    EXPECT_FALSE(qApp->styleSheet().isEmpty());
    form.noface->trigger();
    EXPECT_EQ(form.skinName(), QStringLiteral("取消皮肤.urf"));
    expectPlain(plain);
}

TEST(Form99, StartsWithTheDefaultSkinFoundWhateverItsCase) {
    TempProgramFolder folder;
    folder.copyFromProgram(QStringLiteral("PixOS.urf"));
    const PlainLook plain;
    {
        Form99 form(folder.folder());
        EXPECT_FALSE(form.startup().has_value());
        EXPECT_EQ(form.skinName(), QStringLiteral("pixos.urf"));
        EXPECT_TRUE(form.skins().skinActive());
        EXPECT_EQ(static_cast<SkinEngine&>(form.library()).currentSkin(), QStringLiteral("PixOS"));
        form.SkinRemove();
    }
    expectPlain(plain);
}

} // namespace
