#include "progress/progressstore.h"
#include "progress/statistics.h"

#include "support/tempprogramfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace radiane::progress;
using radiane::test::TempProgramFolder;

namespace {

const auto byName = [](const auto& p) { return std::string(p.param.name); };

KeyRecord key(const char* item, char16_t expected, char16_t typed, int answerMs) {
    KeyRecord k;
    k.when = 1'765'000'000'000;
    k.drill = radiane::drill::DrillKind::RadicalsInCharacters;
    k.item = QString::fromUtf8(item);
    k.part = QStringLiteral("2");
    k.expected = expected;
    k.typed = typed;
    k.right = expected == typed;
    k.answerMs = answerMs;
    return k;
}

// Runs a query on its own connection; the first column of the first row.
QVariant scalar(const QString& file, const QString& sql) {
    QVariant value;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(file);
        EXPECT_TRUE(db.open());
        QSqlQuery query(db);
        if (query.exec(sql) && query.next())
            value = query.value(0);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return value;
}

} // namespace

// Keys written in one run are read back counted in the next, and the file
// carries the schema version.
TEST(ProgressStore, KeepsKeysAcrossRuns) {
    TempProgramFolder dir;
    const QString file = dir.file(QStringLiteral("progress.sqlite"));
    for (int run = 0; run < 2; ++run) {
        ProgressStore store(file);
        ASSERT_EQ(store.open(), std::nullopt);
        ASSERT_EQ(store.append({key("好", u'b', u'b', 800), key("好", u'b', u'n', 300)}),
                  std::nullopt);
    }
    ProgressStore reader(file);
    ASSERT_EQ(reader.open(ProgressStore::Access::ReadOnly), std::nullopt);
    ProgressTotals totals;
    ASSERT_EQ(reader.readTotals(totals), std::nullopt);
    // The counts kept beside the keys are what counting the keys gives.
    const ProgressTotals counted =
        totalsOf({key("好", u'b', u'b', 800), key("好", u'b', u'n', 300),
                  key("好", u'b', u'b', 800), key("好", u'b', u'n', 300)});
    ASSERT_EQ(totals.keys.size(), 1u);
    EXPECT_EQ(std::tie(totals.keys[0].keys, totals.keys[0].right, totals.keys[0].rightMs),
              std::tie(counted.keys[0].keys, counted.keys[0].right, counted.keys[0].rightMs));
    ASSERT_EQ(totals.days.size(), 1u);
    EXPECT_EQ(std::tie(totals.days[0].day, totals.days[0].keys, totals.days[0].rightMs),
              std::tie(counted.days[0].day, counted.days[0].keys, counted.days[0].rightMs));
    ASSERT_EQ(totals.items.size(), 1u);
    EXPECT_EQ(std::tie(totals.items[0].item, totals.items[0].part, totals.items[0].keys,
                       totals.items[0].right),
              std::tie(counted.items[0].item, counted.items[0].part, counted.items[0].keys,
                       counted.items[0].right));
    ASSERT_EQ(totals.confusions.size(), 1u);
    EXPECT_EQ(std::tie(totals.confusions[0].typed, totals.confusions[0].keys),
              std::tie(counted.confusions[0].typed, counted.confusions[0].keys));
    EXPECT_EQ(scalar(file, QStringLiteral("PRAGMA user_version")).toInt(), progressSchemaVersion());
    EXPECT_EQ(scalar(file, QStringLiteral("PRAGMA journal_mode")).toString(),
              QStringLiteral("wal"));
}

TEST(ProgressStore, ExportsEveryKeyAsCsv) {
    TempProgramFolder dir;
    ProgressStore store(dir.file(QStringLiteral("progress.sqlite")));
    ASSERT_EQ(store.open(), std::nullopt);
    KeyRecord quoted = key("a,\"b\"", u'a', u'a', 5);
    ASSERT_EQ(store.append({key("好", u'b', u'n', 300), quoted}), std::nullopt);
    ASSERT_EQ(store.exportCsv(dir.file(QStringLiteral("out.csv"))), std::nullopt);
    const QList<QByteArray> lines = dir.read(QStringLiteral("out.csv")).split('\n');
    ASSERT_EQ(lines.size(), 4); // header, two keys, the empty rest after the last CRLF
    EXPECT_EQ(lines[0], "\xEF\xBB\xBFtime,drill,item,part,expected,typed,right,answer_ms\r");
    EXPECT_TRUE(lines[1].endsWith(",radicals-in-characters,好,2,b,n,0,300\r")) << lines[1].data();
    EXPECT_TRUE(lines[2].endsWith(",\"a,\"\"b\"\"\",2,a,a,1,5\r")) << lines[2].data();
}

struct BadFileCase {
    const char* name;
    const char* reason;
    std::function<void(const QString& file)> make;
};

class BadFileTest : public testing::TestWithParam<BadFileCase> {};

// A file that is not ours is told with its name and reason and never written.
TEST_P(BadFileTest, IsRefusedAndLeftAlone) {
    TempProgramFolder dir;
    const QString file = dir.file(QStringLiteral("progress.sqlite"));
    GetParam().make(file);
    const QByteArray before =
        QFileInfo(file).isFile() ? dir.read(QStringLiteral("progress.sqlite")) : "";
    const QStringList entries = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    {
        ProgressStore store(file);
        const std::optional<QString> problem = store.open();
        ASSERT_TRUE(problem.has_value());
        EXPECT_TRUE(problem->contains(file)) << qPrintable(*problem);
        EXPECT_TRUE(problem->contains(QString::fromUtf8(GetParam().reason)))
            << qPrintable(*problem);
        EXPECT_EQ(store.append({key("好", u'b', u'b', 1)}), std::nullopt); // dropped, quietly
    }
    if (QFileInfo(file).isFile()) {
        EXPECT_EQ(dir.read(QStringLiteral("progress.sqlite")), before);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entries);
}

void sqlite(const QString& file, const QStringList& statements) {
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(file);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        for (const QString& statement : statements)
            ASSERT_TRUE(query.exec(statement)) << qPrintable(statement);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadFileTest,
    testing::Values(BadFileCase{"TextFile", "这不是进度数据库",
                                [](const QString& file) {
                                    QFile f(file);
                                    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                                    f.write(QByteArray("g f d s a\r\n").repeated(400));
                                }},
                    BadFileCase{"AnotherProgramsDatabase", "别的程序的数据库",
                                [](const QString& file) {
                                    sqlite(file,
                                           {QStringLiteral("CREATE TABLE notes (text)"),
                                            QStringLiteral("INSERT INTO notes VALUES ('mine')")});
                                }},
                    BadFileCase{"WrittenByANewerVersion", "更新版本",
                                [](const QString& file) {
                                    sqlite(file, {QStringLiteral("CREATE TABLE keys (at)"),
                                                  QStringLiteral("PRAGMA user_version = 99")});
                                }},
                    BadFileCase{"Folder", "不是一个普通文件",
                                [](const QString& file) { ASSERT_TRUE(QDir().mkpath(file)); }}),
    byName);

namespace {

// The store child as another user when we are root, who may write anywhere.
QProcess* storeChild(const QStringList& arguments) {
    auto* child = new QProcess;
    if (geteuid() == 0) {
        child->setChildProcessModifier([] {
            if (setgid(65534) != 0 || setuid(65534) != 0)
                _exit(3);
        });
    }
    child->start(QStringLiteral(STORE_CHILD), arguments);
    return child;
}

} // namespace

// A folder the learner may not write to: told, nothing created.
TEST(ProgressStore, ReadOnlyFolderIsTold) {
    TempProgramFolder dir;
    ASSERT_TRUE(QFile::setPermissions(
        dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                        QFileDevice::ExeOther | QFileDevice::ReadGroup | QFileDevice::ExeGroup));
    const QString file = dir.file(QStringLiteral("progress.sqlite"));
    std::unique_ptr<QProcess> child(storeChild({QStringLiteral("open"), file}));
    ASSERT_TRUE(child->waitForFinished(20000));
    EXPECT_EQ(child->exitCode(), 1);
    const QString said = QString::fromLocal8Bit(child->readAllStandardOutput());
    EXPECT_TRUE(said.contains(file) && said.contains(QStringLiteral("不能写入")))
        << qPrintable(said);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Killed while writing, the file passes the integrity check and holds every
// group committed, whole.
TEST(ProgressStore, KillNineKeepsEveryCommittedGroup) {
    TempProgramFolder dir;
    const QString file = dir.file(QStringLiteral("progress.sqlite"));
    QProcess child;
    child.start(QStringLiteral(STORE_CHILD), {QStringLiteral("record"), file});
    ASSERT_TRUE(child.waitForStarted());
    int committed = 0;
    while (committed < 40 && child.waitForReadyRead(20000)) {
        while (child.canReadLine()) {
            const QByteArray line = child.readLine().trimmed();
            if (line.startsWith("committed "))
                committed = line.mid(10).toInt();
        }
    }
    child.kill(); // SIGKILL
    ASSERT_TRUE(child.waitForFinished(20000));
    while (child.canReadLine()) {
        const QByteArray line = child.readLine().trimmed();
        if (line.startsWith("committed "))
            committed = line.mid(10).toInt();
    }
    ASSERT_GE(committed, 40);
    EXPECT_EQ(scalar(file, QStringLiteral("PRAGMA integrity_check")).toString(),
              QStringLiteral("ok"));
    const int rows = scalar(file, QStringLiteral("SELECT count(*) FROM keys")).toInt();
    EXPECT_GE(rows, committed * 5);
    EXPECT_EQ(rows % 5, 0);
}
