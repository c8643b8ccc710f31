#pragma once

#include "progress/keyrecord.h"

#include <QString>
#include <optional>
#include <vector>

class QSqlError;

namespace radiane::progress {

inline constexpr auto kProgressFileName = "progress.sqlite";

// progress.sqlite: one row per judged key, in SQLite through Qt SQL. Use it
// from one thread only (the one that opened it). Every failure comes back as
// the learner's message, naming the file and the reason; after one the store
// writes nothing more, and a file that is not ours is never written to.
class ProgressStore {
public:
    enum class Access { ReadWrite, ReadOnly };

    explicit ProgressStore(QString path);
    ~ProgressStore();
    ProgressStore(const ProgressStore&) = delete;
    ProgressStore& operator=(const ProgressStore&) = delete;

    // Opens the file, creating or migrating it when writing. A missing file
    // read only is an empty history.
    std::optional<QString> open(Access access = Access::ReadWrite);
    bool isOpen() const { return open_; }

    // The keys in one transaction: all of them are kept or none.
    std::optional<QString> append(const std::vector<KeyRecord>& keys);

    // The counts of every key kept.
    std::optional<QString> readTotals(ProgressTotals& totals);

    // The keys judged before the time `before` (ms since the epoch), oldest first.
    std::optional<QString> readKeys(qint64 before, std::vector<KeyRecord>& keys);

    // Every key as a row of CSV (UTF-8), written to path atomically.
    std::optional<QString> exportCsv(const QString& path);

    const QString& path() const { return path_; }

private:
    QString failure(const QSqlError& error);
    QString failure(const QString& reason);
    std::optional<QString> migrate();

    QString path_;
    QString connection_;
    bool open_ = false;
    bool exists_ = false;
};

// The schema version this program writes; older files are migrated.
int progressSchemaVersion();

} // namespace radiane::progress
