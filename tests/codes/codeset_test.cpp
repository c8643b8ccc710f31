#include "codes/codepicture.h"
#include "codes/codeset.h"

#include "common/fatalerror.h"
#include "support/tempprogramfolder.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace radiane::codes;
using radiane::FatalError;
using radiane::ProgramFolder;
using radiane::lookup::CodeDatabase;
using radiane::test::TempProgramFolder;

namespace {

// The drill over the shipped data: the characters that take part, in order.
class ShippedData : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(database.open(folder.file(QStringLiteral("wwbb11.dat"))),
                  CodeDatabase::OpenResult::Opened);
        set = CodeSet::load(folder, database);
    }
    ProgramFolder folder{radiane::test::builtProgramDir()};
    CodeDatabase database;
    CodeSet set;
};

TEST_F(ShippedData, LevelsFollowTheFrequencyOrder) {
    const auto first = [&](Level level, int n) {
        QString text;
        for (const CodeItem* item : set.level(level))
            if (text.size() < n)
                text += item->character;
        return text;
    };
    // 一 工 上 人 了 are radicals themselves.
    EXPECT_EQ(first(Level::OneKey, 25), QStringLiteral("的为中在我有是不和要发这主以地同国经产民"));
    EXPECT_EQ(first(Level::TwoKeys, 5).size(), 5);
    EXPECT_GE(set.items().size(), 1500u);
}

TEST_F(ShippedData, PaintsEachRadicalOfACodeBlack) {
    const auto black = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == qRgb(0, 0, 0);
        return n;
    };
    CodePicture picture(folder, database);
    for (const int scale : {1, 2}) {
        picture.show(QStringLiteral("的"), {}, scale);
        EXPECT_EQ(black(picture.image()), 0) << scale;
        picture.show(QStringLiteral("的"), {1}, scale);
        const int one = black(picture.image());
        picture.show(QStringLiteral("的"), {1, 2}, scale);
        const int two = black(picture.image());
        picture.show(QStringLiteral("的"), {2}, scale); // 1 taken back, 2 kept
        const int second = black(picture.image());
        EXPECT_GT(one, 30 * scale * scale) << scale;
        EXPECT_EQ(two, one + second) << scale;
    }
}

struct BadFolder {
    const char* name;
    std::function<void(const TempProgramFolder&)> spoil;
    const char16_t* file; // the file the message names
};

const BadFolder kBadFolders[] = {
    {"no frequency list",
     [](const TempProgramFolder& f) { QFile::remove(f.file("frequency.txt")); }, u"frequency.txt"},
    {"frequency list not UTF-8",
     [](const TempProgramFolder& f) { f.write("frequency.txt", radiane::test::gbk("的\n是\n")); },
     u"frequency.txt"},
    {"frequency list without characters",
     [](const TempProgramFolder& f) { f.write("frequency.txt", "# none\n\n"); }, u"frequency.txt"},
    {"drill list is a folder",
     [](const TempProgramFolder& f) {
         QFile::remove(f.file("zg2.txt"));
         f.write("zg2.txt/x", "");
     },
     u"zg2.txt"},
    {"no character in common", [](const TempProgramFolder& f) { f.write("frequency.txt", "一\n"); },
     u"wwbb11.dat"},
};

class BadFiles : public testing::TestWithParam<BadFolder> {};

TEST_P(BadFiles, AreNamedAndNothingIsWritten) {
    TempProgramFolder temp;
    for (const char* name : {"zg2.txt", "zg2forms.txt", "frequency.txt", "wwbb11.dat"})
        temp.copyFromProgram(QString::fromLatin1(name));
    GetParam().spoil(temp);
    const QByteArray database = temp.read("wwbb11.dat");
    CodeDatabase db;
    db.open(temp.file("wwbb11.dat"));
    try {
        CodeSet::load(temp.folder(), db);
        ADD_FAILURE() << "loaded";
    } catch (const FatalError& error) {
        EXPECT_EQ(error.file(), temp.file(QString::fromUtf16(GetParam().file)));
    }
    EXPECT_EQ(temp.read("wwbb11.dat"), database);
}

INSTANTIATE_TEST_SUITE_P(CodeSet, BadFiles, testing::ValuesIn(kBadFolders),
                         [](const testing::TestParamInfo<BadFolder>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

} // namespace
