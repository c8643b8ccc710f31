#include "appearance/skins.h"
#include "common/fatalerror.h"
#include "common/linewriter.h"
#include "support/tempprogramfolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace radiane::appearance;
using radiane::test::gbk;
using radiane::test::TempProgramFolder;

namespace {

struct Call {
    QString path;
    int mode;
    bool operator==(const Call&) const = default;
};
void PrintTo(const Call& call, std::ostream* os) {
    *os << "(" << call.path.toStdString() << ", " << call.mode << ")";
}

// Records every engine call; SkinStart answers with the result the test sets.
class RecordingLibrary : public SkinLibrary {
public:
    std::int16_t SkinStart(const QString& path, int mode, const QString& options, int flag,
                           int reserved, int* out) override {
        EXPECT_TRUE(options.isEmpty());
        EXPECT_EQ(flag, 1);
        EXPECT_EQ(reserved, 0);
        EXPECT_NE(out, nullptr);
        EXPECT_EQ(*out, 0);
        calls.push_back({path, mode});
        return result;
    }
    void SkinRemove() override { ++removes; }
    QString lastFailure() const override { return failure; }

    std::vector<Call> calls;
    std::int16_t result = 1;
    int removes = 0;
    QString failure;
};

const QString kNoSkin = QStringLiteral("取消皮肤.urf");

class SkinsTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    RecordingLibrary library;
    Skins skins{folder.folder(), library};

    QString path(const QString& name) const { return folder.file(name); }
    // What the main window writes at close.
    QByteArray closeAndReadFace() {
        EXPECT_TRUE(radiane::writeLine(skins.faceFilePath(), skins.skinName()).ok);
        return folder.read("face.txt");
    }
};

TEST_F(SkinsTest, FirstRunWithoutFaceFileOrSkinRunsPlainAndSavesNoSkin) {
    EXPECT_FALSE(skins.startup().has_value());
    EXPECT_EQ(folder.read("face.txt"), QByteArray("pixos.urf\r\n"));
    EXPECT_EQ(library.calls, (std::vector<Call>{{path("pixos.urf"), 1}}));
    EXPECT_EQ(skins.skinName(), kNoSkin);
    EXPECT_FALSE(skins.skinActive());
    EXPECT_EQ(closeAndReadFace(), gbk(kNoSkin + "\r\n"));
}

TEST_F(SkinsTest, ExactNameWinsOverOtherCases) {
    folder.write("Slate.urf", "a");
    folder.write("slate.urf", "b");
    folder.writeGbk("face.txt", "slate.urf\r\n");
    skins.startup();
    EXPECT_EQ(library.calls, (std::vector<Call>{{path("slate.urf"), 2}}));
}

TEST_F(SkinsTest, FaceFileContentsAtStartUp) {
    struct Case {
        const char* label;
        QByteArray face;
        std::vector<const char*> files; // present in the folder
        QString expectedName;           // skinName after start-up
        Call expectedCall;
        bool active;
    };
    const std::vector<Case> cases = {
        {"no-skin name, no such file", gbk(kNoSkin + "\r\n"), {}, kNoSkin, {kNoSkin, 1}, false},
        {"name, comma, more",
         "Slate.urf,ignored\r\n",
         {"Slate.urf"},
         "Slate.urf",
         {"Slate.urf", 2},
         true},
        {"quoted name", "\"LE4.urf\"\r\n", {"LE4.urf"}, "LE4.urf", {"LE4.urf", 2}, true},
        {"leading blanks", "   MacOS.urf\r\n", {"MacOS.urf"}, "MacOS.urf", {"MacOS.urf", 2}, true},
        {"skin file missing", "OpusOS.urf\r\n", {}, kNoSkin, {"OpusOS.urf", 1}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TempProgramFolder f;
        f.write("face.txt", c.face);
        for (const char* file : c.files)
            f.write(QLatin1String(file), "skin");
        RecordingLibrary lib;
        Skins s(f.folder(), lib);
        EXPECT_FALSE(s.startup().has_value());
        EXPECT_EQ(s.skinName(), c.expectedName);
        EXPECT_EQ(s.skinActive(), c.active);
        EXPECT_EQ(lib.calls,
                  (std::vector<Call>{{f.file(c.expectedCall.path), c.expectedCall.mode}}));
        EXPECT_EQ(f.read("face.txt"), c.face) << "start-up leaves an existing face.txt alone";
    }
}

TEST_F(SkinsTest, EmptyLineHandsTheProgramFolderToTheEngine) {
    folder.write("face.txt", "\r\n");
    library.result = 0; // the engine refuses a folder
    library.failure = QStringLiteral("这是一个文件夹，不是皮肤文件");
    const auto message = skins.startup();
    EXPECT_EQ(library.calls, (std::vector<Call>{{path(""), 2}, {path(""), 1}}));
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(skins.skinName(), kNoSkin);
}

TEST_F(SkinsTest, MissingOrEmptyFaceFileFindsTheDefaultSkinWhateverItsCase) {
    for (const auto& content : {std::optional<QByteArray>(), std::optional(QByteArray()),
                                std::optional(QByteArray("   "))}) {
        TempProgramFolder f;
        if (content)
            f.write("face.txt", *content);
        f.write("PixOS.urf", "skin");
        RecordingLibrary lib;
        Skins s(f.folder(), lib);
        EXPECT_FALSE(s.startup().has_value());
        EXPECT_EQ(f.read("face.txt"), QByteArray("pixos.urf\r\n"));
        EXPECT_EQ(lib.calls, (std::vector<Call>{{f.file("PixOS.urf"), 2}}));
        EXPECT_EQ(s.skinName(), QStringLiteral("pixos.urf"));
        EXPECT_EQ(s.skinPath(), f.file("PixOS.urf"));
        EXPECT_TRUE(s.skinActive());
    }
}

TEST_F(SkinsTest, RefusedSkinRunsPlainAndSaysWhichFile) {
    folder.write("face.txt", "XP-Luna.urf\r\n");
    folder.write("XP-Luna.urf", "not a skin");
    library.result = 0;
    library.failure = QStringLiteral("第 1 行：缺少文件头");
    const auto message = skins.startup();
    EXPECT_EQ(library.calls,
              (std::vector<Call>{{path("XP-Luna.urf"), 2}, {path("XP-Luna.urf"), 1}}));
    ASSERT_TRUE(message.has_value());
    EXPECT_TRUE(message->contains(QStringLiteral("XP-Luna.urf"))) << message->toStdString();
    EXPECT_TRUE(message->contains(library.failure));
    EXPECT_FALSE(skins.skinActive());
    EXPECT_EQ(skins.skinName(), kNoSkin);
    EXPECT_EQ(folder.read("face.txt"), QByteArray("XP-Luna.urf\r\n"));
    EXPECT_EQ(closeAndReadFace(), gbk(kNoSkin + "\r\n")) << "the next start is repaired";

    library.calls.clear();
    skins.nofaceClick();
    EXPECT_TRUE(library.calls.empty()) << "no skin is in force to take off";
}

TEST_F(SkinsTest, NamesReachingOutsideTheFolderCountAsMissing) {
    QDir(folder.path()).mkpath("sub");
    folder.write("sub/Slate.urf", "skin");
    for (const char* name : {"../Slate.urf", "sub/Slate.urf", "sub\\Slate.urf", "..", "/etc/passwd",
                             "..\\..\\Slate.urf"}) {
        SCOPED_TRACE(name);
        folder.writeGbk("face.txt", QLatin1String(name) + "\r\n");
        RecordingLibrary lib;
        Skins s(folder.folder(), lib);
        EXPECT_FALSE(s.startup().has_value());
        ASSERT_EQ(lib.calls.size(), 1u);
        EXPECT_EQ(lib.calls[0].mode, 1);
        EXPECT_EQ(s.skinName(), kNoSkin);
        EXPECT_FALSE(s.skinActive());
    }
    EXPECT_FALSE(isSafeSkinName("a..b.urf"));
    EXPECT_TRUE(isSafeSkinName(QStringLiteral("取消皮肤.urf")));
    EXPECT_TRUE(isSafeSkinName(""));
}

TEST_F(SkinsTest, UnreadableFaceFileEndsTheProgram) {
    QDir(folder.path()).mkpath("face.txt");
    EXPECT_THROW(skins.startup(), radiane::FatalError);
    EXPECT_TRUE(library.calls.empty());
}

TEST_F(SkinsTest, CancelTwiceCallsTheEngineOnce) {
    folder.write("PixOS.urf", "skin");
    skins.startup();
    library.calls.clear();
    skins.nofaceClick();
    skins.nofaceClick();
    EXPECT_EQ(library.calls, (std::vector<Call>{{"", 0}}));
    EXPECT_EQ(skins.skinName(), kNoSkin);
    EXPECT_FALSE(skins.skinActive());
}

TEST_F(SkinsTest, CancelRightAfterAPlainStartCallsNothing) {
    skins.startup();
    library.calls.clear();
    skins.nofaceClick();
    EXPECT_TRUE(library.calls.empty());
    EXPECT_EQ(skins.skinName(), kNoSkin);
}

TEST_F(SkinsTest, ChoosingSlateAndClosingSavesItsName) {
    skins.startup();
    library.calls.clear();
    skins.fffClick(QStringLiteral("Slate"));
    EXPECT_EQ(library.calls, (std::vector<Call>{{path("Slate.urf"), 2}}));
    EXPECT_TRUE(skins.skinActive());
    EXPECT_EQ(closeAndReadFace(), QByteArray("Slate.urf\r\n"));
}

TEST_F(SkinsTest, OneSkinAfterAnotherNothingTakenOff) {
    folder.write("LE4.urf", "skin");
    skins.startup();
    library.calls.clear();
    for (const char* caption : kSkinCaptions)
        skins.fffClick(QLatin1String(caption));
    std::vector<Call> expected;
    for (const char* caption : kSkinCaptions)
        expected.push_back({path(QLatin1String(caption) + ".urf"), 2});
    EXPECT_EQ(library.calls, expected);
    EXPECT_EQ(skins.skinName(), QStringLiteral("RhodiumX.urf"));

    library.calls.clear();
    skins.nofaceClick();
    EXPECT_EQ(library.calls, (std::vector<Call>{{"", 0}}));
}

TEST_F(SkinsTest, MenuChoiceIsSavedEvenWhenTheEngineRefusesIt) {
    skins.startup();
    library.result = 0;
    skins.fffClick(QStringLiteral("MacOS"));
    EXPECT_TRUE(skins.skinActive());
    EXPECT_EQ(skins.skinName(), QStringLiteral("MacOS.urf"));
}

} // namespace
