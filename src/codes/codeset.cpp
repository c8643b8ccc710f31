#include "codes/codeset.h"

#include "codes/keymeaning.h"
#include "common/fatalerror.h"
#include "common/gbk.h"
#include "common/textfield.h"
#include "practice/scope.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringConverter>

#include <algorithm>

namespace radiane::codes {

namespace {

// Only simplified characters of GB2312 take part (GBK holds traditional ones too).
bool isGb2312Hanzi(const QString& c) {
    const auto bytes = encodeGbk(c);
    if (!bytes || bytes->size() != 2)
        return false;
    const auto lead = static_cast<uchar>(bytes->at(0));
    const auto trail = static_cast<uchar>(bytes->at(1));
    return lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE;
}

bool isCode(const QString& code) {
    return !code.isEmpty() && code.size() <= kMaxCodeKeys &&
           std::all_of(code.begin(), code.end(), [](QChar c) { return c >= u'a' && c <= u'y'; });
}

// A UTF-8 text file of the program folder, whole.
QString readUtf8(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        throw FatalError(path, QStringLiteral("找不到文件，无法开始编码练习。"));
    if (!info.isFile())
        throw FatalError(path, QStringLiteral("这不是一个普通文件，无法开始编码练习。"));
    if (info.size() > kMaxTextFileBytes)
        throw FatalError(path, QStringLiteral("文件太大，无法开始编码练习。"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FatalError(path, QStringLiteral("文件无法读取，无法开始编码练习。"));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(file.readAll());
    if (utf8.hasError())
        throw FatalError(path, QStringLiteral("文件不是 UTF-8 文本，无法开始编码练习。"));
    return text;
}

// The characters of the drill list (items of key, radical number, character).
QSet<QString> drilledCharacters(const ProgramFolder& folder) {
    const QString path = folder.file(QStringLiteral("zg2.txt"));
    const FieldRead list = readFirstField(path, GbkCheck::Strict);
    if (!list.ok())
        throw FatalError(path, QStringLiteral("%1，无法开始编码练习。").arg(list.reason));
    QSet<QString> characters;
    for (qsizetype i = 2; i < list.value.size(); i += 3)
        characters.insert(list.value.mid(i, 1));
    return characters;
}

// Lines of frequency.txt: one character each, most frequent first; # comments.
QStringList frequencyOrder(const ProgramFolder& folder) {
    const QString path = folder.file(QStringLiteral("frequency.txt"));
    QStringList order;
    for (const QString& line : readUtf8(path).split(u'\n')) {
        const QString c = line.trimmed();
        if (!c.isEmpty() && !c.startsWith(u'#'))
            order.append(c);
    }
    if (order.isEmpty())
        throw FatalError(path, QStringLiteral("文件里没有汉字，无法开始编码练习。"));
    return order;
}

// zg2forms.txt (character, radical number, picture name; tab-separated), when present.
QHash<QString, QString> radicalPictures(const ProgramFolder& folder) {
    QHash<QString, QString> pictures;
    QFile file(folder.file(QStringLiteral("zg2forms.txt")));
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly))
        return pictures;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QStringList fields = QString::fromUtf8(line).trimmed().split(u'\t');
        if (fields.size() == 3)
            pictures.insert(fields[0] + fields[1], fields[2]);
    }
    return pictures;
}

} // namespace

QString codeAt(const CodeItem& item, Level level) {
    return level == Level::FullCodes || item.shortCode.isEmpty() ? item.fullCode : item.shortCode;
}

bool endsWithSpace(const CodeItem& item, Level level) {
    return codeAt(item, level).size() < kMaxCodeKeys;
}

std::optional<CodeItem> itemOfRecord(const lookup::CodeRecord& record) {
    CodeItem item;
    item.character = record.hanzi;
    item.fullCode = record.code1.trimmed();
    if (!isCode(item.fullCode) || item.fullCode.size() < 2)
        return std::nullopt;
    for (const QString& code : {record.code2.trimmed(), record.code3.trimmed()}) {
        if (isCode(code) && code.size() < item.fullCode.size() &&
            (item.shortCode.isEmpty() || code.size() < item.shortCode.size()))
            item.shortCode = code;
    }
    for (int k = 0; k < kMaxCodeKeys; ++k)
        item.radicals[k] = !record.seeds[k].trimmed().isEmpty();
    // No character of two or more radicals has a code of fewer than three keys,
    // so a first radical alone is the character itself.
    item.wholeRadical = item.radicals == std::array<bool, kMaxCodeKeys>{true, false, false, false};
    if (item.wholeRadical)
        return item;
    // Every key but an identification key at the end codes a painted radical.
    const int keys = static_cast<int>(item.fullCode.size());
    for (int k = 0; k < keys; ++k) {
        const bool last = k == keys - 1;
        if (!item.radicals[k] && !(last && !identificationNote(item.fullCode[k]).isEmpty()))
            return std::nullopt;
    }
    if (!item.radicals[0])
        return std::nullopt;
    return item;
}

CodeSet CodeSet::load(const ProgramFolder& folder, lookup::CodeDatabase& database) {
    const QSet<QString> drilled = drilledCharacters(folder);
    const QStringList order = frequencyOrder(folder);
    const QHash<QString, QString> pictures = radicalPictures(folder);

    // A character outside the drill list takes part when the data ship its picture.
    const auto pictured = [&](const QString& c) {
        return drilled.contains(c) ||
               (isGb2312Hanzi(c) &&
                QFileInfo(folder.file(QStringLiteral("bmp/%1.bmp").arg(c))).isFile());
    };
    QHash<QString, lookup::CodeRecord> records;
    const int count = database.recordCount();
    for (int n = 1; n <= count; ++n) {
        std::optional<lookup::CodeRecord> record = database.read(n);
        if (record && !record->seeds[0].trimmed().isEmpty() && pictured(record->hanzi))
            records.insert(record->hanzi, std::move(*record));
    }

    std::vector<CodeItem> items;
    QSet<QString> taken;
    for (const QString& c : order) {
        const auto record = records.constFind(c);
        if (record == records.cend() || !isGb2312Hanzi(c) || taken.contains(c))
            continue;
        std::optional<CodeItem> item = itemOfRecord(*record);
        if (!item)
            continue;
        for (int k = 0; k < kMaxCodeKeys; ++k)
            item->radicalPictures[k] = pictures.value(c + QString::number(k + 1));
        taken.insert(c);
        items.push_back(std::move(*item));
    }
    if (items.empty())
        throw FatalError(folder.file(QStringLiteral("wwbb11.dat")),
                         QStringLiteral("没有可练的汉字编码，无法开始编码练习。"));
    return CodeSet(std::move(items));
}

std::vector<const CodeItem*> CodeSet::level(Level level) const {
    if (level == Level::OneKey) {
        std::vector<const CodeItem*> chosen;
        for (const practice::Zone& zone : practice::zones())
            for (const char16_t* key = zone.keys; *key; ++key)
                for (const CodeItem& item : items_)
                    if (item.shortCode.size() == 1 && item.shortCode.front() == QChar(*key))
                        chosen.push_back(&item);
        return chosen;
    }
    std::vector<const CodeItem*> chosen;
    for (const CodeItem& item : items_) {
        const qsizetype shortest =
            item.shortCode.isEmpty() ? item.fullCode.size() : item.shortCode.size();
        const bool in = level == Level::FullCodes || (level == Level::TwoKeys && shortest == 2);
        if (in)
            chosen.push_back(&item);
    }
    return chosen;
}

} // namespace radiane::codes
