#include "lookup/codedatabase.h"

#include "common/gbk.h"
#include "common/regularfile.h"

#include <QFileInfo>

#include <limits>

namespace radiane::lookup {

namespace {

// Field layout of a record: offset and width in bytes.
struct Field {
    int offset;
    int width;
};
constexpr Field kHanzi{0, 2};
constexpr std::array<Field, 3> kCodes{{{2, 4}, {6, 4}, {10, 4}}};
constexpr std::array<Field, 4> kSeeds{{{14, 72}, {86, 72}, {158, 72}, {230, 72}}};
static_assert(kSeeds[3].offset + kSeeds[3].width == CodeDatabase::kRecordSize);

QByteArrayView fieldBytes(const char* record, Field field) {
    return QByteArrayView(record + field.offset, field.width);
}

} // namespace

int gbkKey(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return 0;
    const auto lead = static_cast<unsigned char>(bytes[0]);
    // 0x00-0x80 are single-byte characters in code page 936; 0xFF is unused.
    if (lead <= 0x80 || lead == 0xFF || bytes.size() < 2)
        return lead;
    const auto trail = static_cast<unsigned char>(bytes[1]);
    return lead * 256 + trail - 65536;
}

std::optional<int> textKey(QStringView text) {
    if (text.isEmpty())
        return std::nullopt;
    const qsizetype width = text.front().isHighSurrogate() && text.size() > 1 ? 2 : 1;
    const auto bytes = encodeGbk(text.first(width).toString());
    if (!bytes || bytes->isEmpty() || bytes->size() > 2)
        return std::nullopt;
    return gbkKey(*bytes);
}

CodeDatabase::OpenResult CodeDatabase::open(const QString& path) {
    close();
    error_.clear();
    OpenResult result = OpenResult::Opened;
    file_.setFileName(path);
    if (!QFileInfo::exists(path)) {
        QFile create(path);
        if (!create.open(QIODevice::WriteOnly)) {
            error_ = QStringLiteral("无法创建（%1）").arg(create.errorString());
            return OpenResult::Failed;
        }
        create.close();
        result = OpenResult::CreatedEmpty;
    }
    // A pipe or device would block every read.
    if (const FileBytes refused = checkRegularFile(path); !refused.ok()) {
        error_ = refused.reason;
        return OpenResult::Failed;
    }
    // Unbuffered: nothing of the file is kept between reads.
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        error_ = QStringLiteral("无法读取（%1）").arg(file_.errorString());
        return OpenResult::Failed;
    }
    return result;
}

void CodeDatabase::close() {
    if (file_.isOpen())
        file_.close();
}

int CodeDatabase::recordCount() const {
    if (!file_.isOpen())
        return 0;
    const qint64 records = file_.size() / kRecordSize;
    return records > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                     : static_cast<int>(records);
}

std::optional<CodeRecord> CodeDatabase::read(int n) {
    if (n < 1 || n > recordCount())
        return std::nullopt;
    return readRecord(n);
}

std::optional<CodeRecord> CodeDatabase::readRecord(int n) {
    char bytes[kRecordSize];
    if (!file_.isOpen())
        return std::nullopt;
    const qint64 offset = static_cast<qint64>(n - 1) * kRecordSize;
    if (!file_.seek(offset) || file_.read(bytes, kRecordSize) != kRecordSize)
        return std::nullopt;
    ++recordsRead_;

    CodeRecord record;
    record.hanzi = gbk_.decode(fieldBytes(bytes, kHanzi));
    record.code1 = gbk_.decode(fieldBytes(bytes, kCodes[0]));
    record.code2 = gbk_.decode(fieldBytes(bytes, kCodes[1]));
    record.code3 = gbk_.decode(fieldBytes(bytes, kCodes[2]));
    for (std::size_t i = 0; i < kSeeds.size(); ++i)
        record.seeds[i] = gbk_.decode(fieldBytes(bytes, kSeeds[i]));
    // The key comes from the bytes, so a character the codec cannot decode
    // still sorts where the file put it.
    record.key = gbkKey(fieldBytes(bytes, kHanzi));

    lastRead_ = record;
    lastReadNo_ = n;
    return record;
}

FindResult CodeDatabase::find(QStringView query) {
    FindResult result;
    const int count = recordCount();
    const std::optional<int> target = textKey(query);
    if (count < 1 || !target)
        return result;
    const int t = *target;

    auto miss = [&]() {
        result.found = false;
        return result;
    };
    auto hit = [&](int n) {
        result.found = true;
        result.recordNo = n;
        return result;
    };

    int lo = 1;
    int hi = count;
    for (;;) {
        const auto low = readRecord(lo);
        if (!low)
            return miss();
        result.recordNo = lo;
        result.lowerHanzi = low->hanzi;
        const auto high = readRecord(hi);
        if (!high)
            return miss();
        result.recordNo = hi;
        result.upperHanzi = high->hanzi;

        if (t > high->key || t < low->key)
            return miss();
        // The lower bound is tested first.
        if (low->key == t)
            return hit(lo);
        if (high->key == t)
            return hit(hi);

        const int m = lo + (hi - lo) / 2;
        const auto probe = readRecord(m);
        if (!probe)
            return miss();
        result.recordNo = m;
        result.lowerHanzi = probe->hanzi;
        if (t > probe->key)
            lo = m;
        else if (t < probe->key)
            hi = m;
        else
            return hit(m);
        if (hi - lo == 1)
            return miss();
    }
}

} // namespace radiane::lookup
