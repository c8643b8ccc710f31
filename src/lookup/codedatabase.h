#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <QStringView>
#include <array>
#include <optional>

namespace radiane::lookup {

// One character of the code database, each field decoded from GBK by itself.
struct CodeRecord {
    QString hanzi;
    QString code1;
    QString code2;
    QString code3;
    // Fill-point lists of radicals 1 to 4 (index 0 to 3).
    std::array<QString, 4> seeds;
    // Sort key of hanzi, taken from its bytes (see gbkKey).
    int key = 0;
};

// Sort key of GBK text: the code of its first character as a signed 16-bit
// value. A double-byte character gives (lead * 256 + trail) - 65536, which is
// negative, so every double-byte character sorts before every single-byte one.
// Empty bytes give 0.
int gbkKey(QByteArrayView bytes);

// Key of the first character of text; empty when text is empty or its first
// character has no GBK form.
std::optional<int> textKey(QStringView text);

struct FindResult {
    bool found = false;
    // The matching record on a hit; on a miss the last record the search read
    // (0 when it read none).
    int recordNo = 0;
    // hanzi of the last lower-bound (or probe) record and of the last upper-bound
    // record read by this search; empty when the search read none.
    std::optional<QString> lowerHanzi;
    std::optional<QString> upperHanzi;
};

// wwbb11.dat: a headerless file of fixed 302-byte records numbered from 1,
// sorted by the key of hanzi. Kept open for random access; only ever read.
class CodeDatabase {
public:
    static constexpr int kRecordSize = 302;

    enum class OpenResult { Opened, CreatedEmpty, Failed };

    CodeDatabase() = default;
    CodeDatabase(const CodeDatabase&) = delete;
    CodeDatabase& operator=(const CodeDatabase&) = delete;

    // Opens path for reading; a missing file is created empty first.
    OpenResult open(const QString& path);
    void close();
    bool isOpen() const { return file_.isOpen(); }
    // Why the last open failed, in the program's voice.
    QString errorString() const { return error_; }

    // File length / 302; a trailing partial record does not count.
    int recordCount() const;

    // Record n (1 to recordCount); empty when out of range or unreadable.
    std::optional<CodeRecord> read(int n);

    // Binary search for the first character of query, reading the bounds again
    // on every pass and keeping no index or cache. An empty database, a query
    // without a GBK first character or a failed read give a miss.
    FindResult find(QStringView query);

    // The last record read from the file, by read or find, and its number.
    const std::optional<CodeRecord>& lastRead() const { return lastRead_; }
    int lastReadNo() const { return lastReadNo_; }

    // Records read from the file since open.
    int recordsRead() const { return recordsRead_; }

private:
    std::optional<CodeRecord> readRecord(int n);

    QFile file_;
    // One decoder for every field: opening a codec costs more than a whole
    // record read. Stateless, so each field is decoded by itself.
    QStringDecoder gbk_{"GBK", QStringDecoder::Flag::Stateless};
    QString error_;
    std::optional<CodeRecord> lastRead_;
    int lastReadNo_ = 0;
    int recordsRead_ = 0;
};

} // namespace radiane::lookup
