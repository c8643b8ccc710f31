#include "progress/progressstore.h"

#include "progress/csv.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <utility>

namespace radiane::progress {

namespace {

// Step i brings a file from version i to i + 1. Never change a shipped step;
// add one (a file keeps its rows through every step).
const std::vector<std::vector<const char*>> kMigrations = {
    {
        "CREATE TABLE keys ("
        " id INTEGER PRIMARY KEY,"
        " at INTEGER NOT NULL,"  // ms since the epoch
        " day INTEGER NOT NULL," // local calendar day, Julian day number
        " drill TEXT NOT NULL,"  // drill kind by name
        " item TEXT NOT NULL,"   // picture name of a radical, or a character
        " part TEXT NOT NULL,"   // radical number in the character, or empty
        " expected TEXT NOT NULL,"
        " typed TEXT NOT NULL,"
        " right INTEGER NOT NULL,"
        " answer_ms INTEGER NOT NULL)", // since the slot became current
        // The counts the progress window reads, kept with every key written.
        "CREATE TABLE key_totals (drill TEXT, expected TEXT, keys INTEGER, right INTEGER,"
        " right_ms INTEGER, PRIMARY KEY (drill, expected)) WITHOUT ROWID",
        "CREATE TABLE day_totals (drill TEXT, day INTEGER, keys INTEGER, right INTEGER,"
        " right_ms INTEGER, PRIMARY KEY (drill, day)) WITHOUT ROWID",
        "CREATE TABLE item_totals (drill TEXT, item TEXT, part TEXT, expected TEXT,"
        " keys INTEGER, right INTEGER, PRIMARY KEY (drill, item, part)) WITHOUT ROWID",
        "CREATE TABLE confusion_totals (drill TEXT, item TEXT, part TEXT, typed TEXT,"
        " keys INTEGER, PRIMARY KEY (drill, item, part, typed)) WITHOUT ROWID",
    },
};

// Each key is one row of keys and one count more in each total.
const char* const kKeyWrites[] = {
    "INSERT INTO keys (at, day, drill, item, part, expected, typed, right, answer_ms)"
    " VALUES (:at, :day, :drill, :item, :part, :expected, :typed, :right, :ms)",
    "INSERT INTO key_totals VALUES (:drill, :expected, 1, :right, :right_ms)"
    " ON CONFLICT DO UPDATE SET keys = keys + 1, right = right + excluded.right,"
    " right_ms = right_ms + excluded.right_ms",
    "INSERT INTO day_totals VALUES (:drill, :day, 1, :right, :right_ms)"
    " ON CONFLICT DO UPDATE SET keys = keys + 1, right = right + excluded.right,"
    " right_ms = right_ms + excluded.right_ms",
    "INSERT INTO item_totals VALUES (:drill, :item, :part, :expected, 1, :right)"
    " ON CONFLICT DO UPDATE SET keys = keys + 1, right = right + excluded.right",
    "INSERT INTO confusion_totals SELECT :drill, :item, :part, :typed, 1 WHERE NOT :right"
    " ON CONFLICT DO UPDATE SET keys = keys + 1",
};

const int kSchemaVersion = static_cast<int>(kMigrations.size());

// SQLite's primary result codes the learner gets told apart.
enum SqliteCode {
    kPerm = 3,
    kReadOnly = 8,
    kIoErr = 10,
    kCorrupt = 11,
    kFull = 13,
    kCantOpen = 14,
    kNotADb = 26
};

QString reasonOf(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    switch (ok ? code : -1) {
    case kNotADb:
    case kCorrupt:
        return QStringLiteral("这不是进度数据库，或文件已损坏");
    case kPerm:
    case kReadOnly:
    case kCantOpen:
        return QStringLiteral("文件或它所在的文件夹不能写入");
    case kFull:
        return QStringLiteral("磁盘已满");
    case kIoErr:
        return QStringLiteral("读写磁盘出错");
    default:
        return error.databaseText().isEmpty() ? error.text() : error.databaseText();
    }
}

QString newConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("radiane-progress-%1").arg(counter.fetchAndAddRelaxed(1));
}

} // namespace

int progressSchemaVersion() {
    return kSchemaVersion;
}

ProgressStore::ProgressStore(QString path)
    : path_(std::move(path)), connection_(newConnectionName()) {}

ProgressStore::~ProgressStore() {
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
}

QString ProgressStore::failure(const QSqlError& error) {
    return failure(reasonOf(error));
}

QString ProgressStore::failure(const QString& reason) {
    open_ = false;
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
    }
    return QStringLiteral(
               "学习进度无法记录到 %1：%2。练习照常进行，此后的按键不再记录，已有的记录不受影响。")
        .arg(path_, reason);
}

std::optional<QString> ProgressStore::open(Access access) {
    const QFileInfo info(path_);
    exists_ = info.exists();
    if (exists_ && !info.isFile())
        return failure(QStringLiteral("这不是一个普通文件"));
    if (!exists_ && access == Access::ReadOnly)
        return std::nullopt; // nothing recorded yet

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    db.setConnectOptions(access == Access::ReadOnly
                             ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000")
                             : QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open())
        return failure(db.lastError());
    open_ = true;

    // Reading the header tells a database from any other file before anything is written.
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return failure(query.lastError());
    const int version = query.value(0).toInt();
    if (version > kSchemaVersion)
        return failure(QStringLiteral("文件由更新版本的程序写入"));
    if (version == 0) {
        if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next())
            return failure(query.lastError());
        if (query.value(0).toInt() > 0)
            return failure(QStringLiteral("这是别的程序的数据库"));
    }
    if (access == Access::ReadOnly) {
        if (version < kSchemaVersion)
            return failure(QStringLiteral("文件尚未更新到本版本的格式"));
        return std::nullopt;
    }

    // WAL: a commit is an append, readers never wait, and a killed writer
    // leaves every committed transaction intact.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
        return failure(query.lastError());
    if (!query.exec(QStringLiteral("PRAGMA synchronous=NORMAL")))
        return failure(query.lastError());
    return migrate();
}

std::optional<QString> ProgressStore::migrate() {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    // Taking the write lock also proves that the file and its folder are writable.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failure(query.lastError());
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        const QSqlError error = query.lastError();
        query.exec(QStringLiteral("ROLLBACK"));
        return failure(error);
    }
    for (int version = query.value(0).toInt(); version < kSchemaVersion; ++version) {
        for (const char* statement : kMigrations[version]) {
            if (!query.exec(QString::fromLatin1(statement))) {
                const QSqlError error = query.lastError();
                query.exec(QStringLiteral("ROLLBACK"));
                return failure(error);
            }
        }
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)) ||
        !query.exec(QStringLiteral("COMMIT"))) {
        const QSqlError error = query.lastError();
        query.exec(QStringLiteral("ROLLBACK"));
        return failure(error);
    }
    return std::nullopt;
}

std::optional<QString> ProgressStore::append(const std::vector<KeyRecord>& keys) {
    if (!open_)
        return std::nullopt;
    if (keys.empty())
        return std::nullopt;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.transaction())
        return failure(db.lastError());
    std::vector<QSqlQuery> writes;
    for (const char* statement : kKeyWrites) {
        writes.emplace_back(db);
        if (!writes.back().prepare(QString::fromLatin1(statement))) {
            const QSqlError error = writes.back().lastError();
            db.rollback();
            return failure(error);
        }
    }
    // A null string would be bound as NULL.
    const auto text = [](const QString& value) {
        return value.isNull() ? QStringLiteral("") : value;
    };
    for (const KeyRecord& key : keys) {
        const std::pair<QString, QVariant> values[] = {
            {QStringLiteral(":at"), key.when},
            {QStringLiteral(":day"), localDay(key.when)},
            {QStringLiteral(":drill"), drillKindName(key.drill)},
            {QStringLiteral(":item"), text(key.item)},
            {QStringLiteral(":part"), text(key.part)},
            {QStringLiteral(":expected"), text(QString(key.expected))},
            {QStringLiteral(":typed"), text(QString(key.typed))},
            {QStringLiteral(":right"), key.right ? 1 : 0},
            {QStringLiteral(":ms"), key.answerMs},
            {QStringLiteral(":right_ms"), key.right ? key.answerMs : 0},
        };
        for (QSqlQuery& write : writes) {
            for (const auto& [name, value] : values)
                write.bindValue(name, value); // names a statement lacks are ignored
            if (!write.exec()) {
                const QSqlError error = write.lastError();
                writes.clear();
                db.rollback();
                return failure(error);
            }
        }
    }
    writes.clear();
    if (!db.commit()) {
        const QSqlError error = db.lastError();
        db.rollback();
        return failure(error);
    }
    return std::nullopt;
}

std::optional<QString> ProgressStore::readTotals(ProgressTotals& totals) {
    totals = {};
    if (!open_)
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    const auto first = [](const QVariant& value) {
        const QString text = value.toString();
        return text.isEmpty() ? QChar() : text.front();
    };
    // Rows of a drill kind a later version added are left out.
    const auto read = [&](const char* sql, auto&& row) -> std::optional<QString> {
        if (!query.exec(QString::fromLatin1(sql)))
            return failure(query.lastError());
        while (query.next()) {
            if (const std::optional<drill::DrillKind> kind =
                    drillKindFromName(query.value(0).toString()))
                row(*kind);
        }
        if (query.lastError().isValid())
            return failure(query.lastError());
        return std::nullopt;
    };
    std::optional<QString> problem =
        read("SELECT drill, expected, keys, right, right_ms FROM key_totals",
             [&](drill::DrillKind kind) {
                 totals.keys.push_back({kind, first(query.value(1)), query.value(2).toInt(),
                                        query.value(3).toInt(), query.value(4).toLongLong()});
             });
    if (!problem)
        problem = read(
            "SELECT drill, day, keys, right, right_ms FROM day_totals", [&](drill::DrillKind kind) {
                totals.days.push_back({kind, query.value(1).toLongLong(), query.value(2).toInt(),
                                       query.value(3).toInt(), query.value(4).toLongLong()});
            });
    if (!problem)
        problem = read("SELECT drill, item, part, expected, keys, right FROM item_totals",
                       [&](drill::DrillKind kind) {
                           totals.items.push_back({kind, query.value(1).toString(),
                                                   query.value(2).toString(), first(query.value(3)),
                                                   query.value(4).toInt(), query.value(5).toInt()});
                       });
    if (!problem)
        problem = read("SELECT drill, item, part, typed, keys FROM confusion_totals",
                       [&](drill::DrillKind kind) {
                           totals.confusions.push_back(
                               {kind, query.value(1).toString(), query.value(2).toString(),
                                first(query.value(3)), query.value(4).toInt()});
                       });
    return problem;
}

std::optional<QString> ProgressStore::readKeys(qint64 before, std::vector<KeyRecord>& keys) {
    if (!open_)
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT at, drill, item, part, expected, typed, right, answer_ms"
                                 " FROM keys WHERE at < :before ORDER BY id"));
    query.bindValue(QStringLiteral(":before"), before);
    if (!query.exec())
        return failure(query.lastError());
    while (query.next()) {
        KeyRecord key;
        key.when = query.value(0).toLongLong();
        key.drill =
            drillKindFromName(query.value(1).toString()).value_or(drill::DrillKind::SingleRadicals);
        key.item = query.value(2).toString();
        key.part = query.value(3).toString();
        key.expected = query.value(4).toString().front();
        key.typed = query.value(5).toString().front();
        key.right = query.value(6).toBool();
        key.answerMs = query.value(7).toInt();
        keys.push_back(std::move(key));
    }
    if (query.lastError().isValid())
        return failure(query.lastError());
    return std::nullopt;
}

std::optional<QString> ProgressStore::exportCsv(const QString& path) {
    const auto refuse = [&](const QString& reason) {
        return QStringLiteral("无法导出到 %1：%2。").arg(path, reason);
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return refuse(file.errorString());
    file.write("\xEF\xBB\xBF"); // lets spreadsheet programs read the Chinese as UTF-8
    file.write(csvLine({QStringLiteral("time"), QStringLiteral("drill"), QStringLiteral("item"),
                        QStringLiteral("part"), QStringLiteral("expected"), QStringLiteral("typed"),
                        QStringLiteral("right"), QStringLiteral("answer_ms")}));
    if (open_) {
        QSqlQuery query(QSqlDatabase::database(connection_, false));
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT at, drill, item, part, expected, typed, right,"
                                       " answer_ms FROM keys ORDER BY id")))
            return refuse(reasonOf(query.lastError()));
        while (query.next()) {
            const QString when = QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong())
                                     .toString(Qt::ISODateWithMs);
            file.write(csvLine({when, query.value(1).toString(), query.value(2).toString(),
                                query.value(3).toString(), query.value(4).toString(),
                                query.value(5).toString(), query.value(6).toString(),
                                query.value(7).toString()}));
        }
        if (query.lastError().isValid())
            return refuse(reasonOf(query.lastError()));
    }
    if (!file.commit())
        return refuse(file.errorString());
    return std::nullopt;
}

} // namespace radiane::progress
