#include "practice/itempool.h"
#include "practice/scopesetting.h"

#include "support/tempprogramfolder.h"

#include <gtest/gtest.h>
#include <optional>

using namespace radiane::practice;

struct SavedScopeCase {
    const char* name;
    std::optional<QByteArray> bytes; // none: no file
    Scope expected;
    bool problem;
};

class SavedScope : public testing::TestWithParam<SavedScopeCase> {};

TEST_P(SavedScope, ReadsBackOrFallsBackWithAReason) {
    const SavedScopeCase& c = GetParam();
    radiane::test::TempProgramFolder folder;
    if (c.bytes)
        folder.write(QStringLiteral("practice.txt"), *c.bytes);
    const ScopeRead read = readScope(folder.folder());
    EXPECT_EQ(read.scope, c.expected);
    EXPECT_EQ(read.problem.has_value(), c.problem);
    if (read.problem) {
        EXPECT_TRUE(read.problem->contains(folder.file(QStringLiteral("practice.txt"))));
    }
}

const SavedScopeCase kSaved[] = {
    {"Missing", std::nullopt, {}, false},
    {"Zone", QByteArray("hjklm 2\r\n"), {QStringLiteral("hjklm"), Content::Characters}, false},
    {"KeysInAnyOrderAndCase", QByteArray("AqG 3"), {QStringLiteral("gaq"), Content::Both}, false},
    {"KeyZ", QByteArray("gz 1\r\n"), {}, true},
    {"ContentOutOfRange", QByteArray("gfdsa 4\r\n"), {}, true},
    {"NoContent", QByteArray("gfdsa\r\n"), {}, true},
    {"Empty", QByteArray(""), {}, true},
};
INSTANTIATE_TEST_SUITE_P(Cases, SavedScope, testing::ValuesIn(kSaved),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SavedScope, WrittenScopeReadsBack) {
    radiane::test::TempProgramFolder folder;
    const Scope scope{QStringLiteral("yuiop"), Content::Both};
    ASSERT_TRUE(writeScope(folder.folder(), scope).ok);
    EXPECT_EQ(readScope(folder.folder()).scope, scope);
}

struct PoolCase {
    const char* name;
    Scope scope;
    const char* removed;       // a list file taken away, or nullptr
    const char* expectedStart; // ids of the first items, or the file a problem names
};

class Pool : public testing::TestWithParam<PoolCase> {};

TEST_P(Pool, KeyNamesFirstOrAProblemNamingTheFile) {
    const PoolCase& c = GetParam();
    radiane::test::TempProgramFolder folder;
    for (const char* name : {"zg.txt", "zg2.txt", "radicals.tsv"}) {
        if (!c.removed || qstrcmp(name, c.removed) != 0)
            folder.copyFromProgram(QString::fromLatin1(name));
    }
    const auto pool = loadPool(folder.folder(), c.scope);
    QString got;
    if (const QString* problem = std::get_if<QString>(&pool)) {
        got = problem->contains(folder.file(QString::fromLatin1(c.removed)))
                  ? QString::fromLatin1(c.removed)
                  : *problem;
    } else {
        const auto& items = std::get<ItemPool>(pool).items;
        for (std::size_t i = 0; i < items.size() && i < 3; ++i)
            got += (i ? QStringLiteral(" ") : QString()) + items[i].id;
    }
    EXPECT_EQ(got, QString::fromUtf8(c.expectedStart));
}

const PoolCase kPools[] = {
    {"RadicalsKeyNamesFirst", {QStringLiteral("gkq"), Content::Radicals}, nullptr, "g01 k01 q01"},
    {"RadicalsWithoutChartOrder",
     {QStringLiteral("k"), Content::Radicals},
     "radicals.tsv",
     "k02 k03 k01"},
    {"CharactersInListOrder", {QStringLiteral("a"), Content::Characters}, nullptr, "开2 并2 空3"},
    {"RadicalsListMissing", {QStringLiteral("g"), Content::Both}, "zg.txt", "zg.txt"},
    {"CharactersListMissing", {QStringLiteral("g"), Content::Characters}, "zg2.txt", "zg2.txt"},
};
INSTANTIATE_TEST_SUITE_P(Cases, Pool, testing::ValuesIn(kPools),
                         [](const auto& info) { return std::string(info.param.name); });
