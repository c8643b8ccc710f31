#include "common/linewriter.h"
#include "common/textfield.h"
#include "support/tempprogramfolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <unistd.h>

using radiane::readFirstField;
using radiane::writeLine;
using radiane::test::TempProgramFolder;

namespace {

TEST(LineWriter, ReplacesTheWholeFile) {
    TempProgramFolder folder;
    folder.write("face.txt", "a much longer earlier content\r\nsecond line\r\n");
    ASSERT_TRUE(writeLine(folder.file("face.txt"), "Slate.urf").ok);
    EXPECT_EQ(folder.read("face.txt"), QByteArray("Slate.urf\r\n"));
}

TEST(LineWriter, WritesGbkAndRoundTrips) {
    TempProgramFolder folder;
    const QString name = QStringLiteral("取消皮肤.urf");
    ASSERT_TRUE(writeLine(folder.file("face.txt"), name).ok);
    EXPECT_EQ(folder.read("face.txt"), QByteArray("\xc8\xa1\xcf\xfb\xc6\xa4\xb7\xf4.urf\r\n"));
    EXPECT_EQ(readFirstField(folder.file("face.txt")).value, name);
}

TEST(LineWriter, RefusesTextWithoutGbkForm) {
    TempProgramFolder folder;
    folder.write("face.txt", "old\r\n");
    const auto result = writeLine(folder.file("face.txt"), QStringLiteral("\U0001F600.urf"));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.isEmpty());
    EXPECT_EQ(folder.read("face.txt"), QByteArray("old\r\n"));
}

TEST(LineWriter, FailureInReadOnlyFolderKeepsTheOldFile) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions";
    TempProgramFolder folder;
    folder.write("setup.txt", "1\r\n");
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const auto result = writeLine(folder.file("setup.txt"), "2");
    QFile::setPermissions(folder.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(folder.read("setup.txt"), QByteArray("1\r\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"setup.txt"});
}

// Only our own leftovers, and only stale ones: a fresh one may be another run's
// write in progress.
TEST(LineWriter, RemovesStaleLeftoversOfItsOwnWrites) {
    const struct {
        const char* name;
        bool stale;
        bool removed;
    } cases[] = {
        {"face.txt.aB3xYz", true, true},   {"face.txt.Q1w2E3", false, false},
        {"face.txt.bak123x", true, false}, {"face.txt.bak", true, false},
        {"face.txt.ab-cde", true, false},  {"setup.txt.aB3xYz", true, false},
        {"Face.txt.aB3xYz", true, false},
    };
    TempProgramFolder folder;
    folder.write("face.txt", "Slate.urf\r\n");
    const QDateTime old =
        QDateTime::currentDateTimeUtc().addSecs(-radiane::kLeftoverAgeSeconds - 5);
    for (const auto& c : cases) {
        folder.write(c.name, "x\r\n");
        if (c.stale) {
            QFile file(folder.file(c.name));
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
        }
    }
    ASSERT_TRUE(QDir(folder.path()).mkdir("face.txt.dirAbc"));
    radiane::removeLeftoverWrites(folder.file("face.txt"));
    for (const auto& c : cases)
        EXPECT_EQ(QFileInfo::exists(folder.file(c.name)), !c.removed) << c.name;
    EXPECT_TRUE(QFileInfo::exists(folder.file("face.txt.dirAbc")));
    EXPECT_EQ(folder.read("face.txt"), QByteArray("Slate.urf\r\n"));
}

} // namespace
