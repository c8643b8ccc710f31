#include "site/sitedata.h"

#include "common/fatalerror.h"
#include "common/picturefile.h"
#include "common/regularfile.h"
#include "common/textfield.h"
#include "lookup/codelookup.h"

#include <QDir>
#include <QSet>

namespace radiane::site {

namespace {

constexpr qint64 kMaxTableBytes = 1024 * 1024;
// Records kept once read: every character of the database, and a bound against queries of others.
constexpr qsizetype kMaxKeptRecords = 10000;

// radicals.tsv: tab-separated, '#' starts a comment line. Columns: key, radical,
// source, drawing, stroke count, picture name, note.
std::vector<RadicalRow> parseRadicals(const QString& text) {
    std::vector<RadicalRow> rows;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QList<QStringView> cells = line.split(u'\t');
        if (cells.size() < 6 || cells[0].size() != 1 || cells[0][0] < u'a' || cells[0][0] > u'y')
            continue;
        const bool fromExample = cells[2] == u"strokes";
        rows.push_back({cells[0][0], cells[1].toString(), fromExample,
                        fromExample ? cells[3].split(u' ').front().toString() : QString(),
                        cells[5].toString(), cells.size() > 6 ? cells[6].toString() : QString()});
    }
    return rows;
}

// zg2.txt: items of three characters, <key><part><character>.
QList<std::pair<QChar, Example>> parseItems(const QString& list) {
    QList<std::pair<QChar, Example>> items;
    for (qsizetype i = 0; i + 3 <= list.size(); i += 3) {
        const QChar key = list[i];
        const int part = list[i + 1].digitValue();
        if (key < u'a' || key > u'y' || part < 1 || part > 4)
            continue;
        items.append({key, {list.mid(i + 2, 1), part}});
    }
    return items;
}

QString formKey(const QString& character, int part) {
    return character + QString::number(part);
}

// zg2forms.txt: UTF-8 lines of character, part and picture name, tab-separated.
QHash<QString, QString> parseForms(const QString& text) {
    QHash<QString, QString> forms;
    for (QStringView line : QStringView(text).split(u'\n')) {
        const QList<QStringView> cells = line.trimmed().split(u'\t');
        if (cells.size() == 3 && cells[0].size() == 1 && cells[1].size() == 1)
            forms.insert(formKey(cells[0].toString(), cells[1][0].digitValue()),
                         cells[2].toString());
    }
    return forms;
}

// The UTF-8 text of a table; nothing, and the file named in unusable, when it
// cannot be read. A missing optional table is no fault.
std::optional<QString> readTable(const QString& path, QStringList& unusable,
                                 bool optional = false) {
    const FileBytes read = readRegularFile(path, kMaxTableBytes);
    if (read.ok())
        return QString::fromUtf8(read.bytes);
    if (!(optional && read.status == FileBytes::Status::Missing))
        unusable << fileMessage(path, read.reason);
    return std::nullopt;
}

QString characterOf(const QString& paintedName, int* part) {
    const qsizetype dash = paintedName.lastIndexOf(u'-');
    if (dash <= 0 || dash != paintedName.size() - 2)
        return {};
    const QChar digit = paintedName.back();
    if (digit < u'1' || digit > u'4')
        return {};
    *part = digit.unicode() - u'0';
    return paintedName.first(dash);
}

} // namespace

SiteData::SiteData(const ProgramFolder& folder) {
    const QString radicals = folder.file(QStringLiteral("radicals.tsv"));
    if (const auto text = readTable(radicals, unusableFiles_)) {
        radicals_ = parseRadicals(*text);
        if (radicals_.empty())
            unusableFiles_ << fileMessage(radicals, QStringLiteral("里面没有一行字根"));
    }
    const QString list = folder.file(QStringLiteral("zg2.txt"));
    if (const FieldRead read = readFirstField(list, GbkCheck::Strict); read.ok())
        items_ = parseItems(read.value);
    else
        unusableFiles_ << fileMessage(list, read.reason);
    // Without it the key pages list the drilled characters in one list.
    if (const auto text =
            readTable(folder.file(QStringLiteral("zg2forms.txt")), unusableFiles_, true))
        forms_ = parseForms(*text);
    tables_ = CodeTables(folder.path(), unusableFiles_);

    // The picture table: the radicals' pictures and the drilled characters' ones,
    // by the names the data give them (a file that is missing fails when read).
    const QDir pictures(folder.file(QStringLiteral("bmp")));
    auto add = [&](const QString& name) {
        pictureFiles_.insert(name, pictures.filePath(name + QStringLiteral(".bmp")));
    };
    for (const RadicalRow& row : radicals_)
        add(row.picture);
    for (const auto& item : items_)
        add(item.second.character);

    const QString database = folder.file(QStringLiteral("wwbb11.dat"));
    if (const FileBytes refused = checkRegularFile(database); !refused.ok())
        unusableFiles_ << fileMessage(database, refused.reason);
    else if (database_.open(database) == lookup::CodeDatabase::OpenResult::Failed)
        unusableFiles_ << fileMessage(database, database_.errorString());
}

std::vector<const RadicalRow*> SiteData::radicalsOf(QChar key) const {
    std::vector<const RadicalRow*> rows;
    for (const RadicalRow& row : radicals_)
        if (row.key == key)
            rows.push_back(&row);
    return rows;
}

QList<Example> SiteData::examplesOf(QChar key) const {
    QList<Example> examples;
    QSet<QString> seen;
    for (const auto& [itemKey, example] : items_) {
        if (itemKey != key)
            continue;
        const QString id = example.character + formOf(example);
        if (!seen.contains(id)) {
            seen.insert(id);
            examples.append(example);
        }
    }
    return examples;
}

QString SiteData::formOf(const Example& example) const {
    return forms_.value(formKey(example.character, example.part));
}

QStringList SiteData::drilledCharacters() const {
    QStringList characters;
    QSet<QString> seen;
    for (const auto& item : items_)
        if (!seen.contains(item.second.character)) {
            seen.insert(item.second.character);
            characters.append(item.second.character);
        }
    return characters;
}

std::optional<lookup::CodeRecord> SiteData::codes(const QString& character) {
    if (!database_.isOpen() || character.isEmpty())
        return std::nullopt;
    // A key page shows hundreds of characters, each a search of the file: each is searched once.
    const auto kept = records_.constFind(character);
    if (kept != records_.cend())
        return *kept;
    // The record found, read again by its number: the search's last read is a bound.
    const lookup::FindResult result = database_.find(character);
    const std::optional<lookup::CodeRecord> record =
        result.found ? database_.read(result.recordNo) : std::nullopt;
    if (records_.size() < kMaxKeptRecords)
        records_.insert(character, record);
    return record;
}

bool SiteData::hasPicture(const QString& name) const {
    int part = 0;
    const QString character = characterOf(name, &part);
    return pictureFiles_.contains(character.isEmpty() ? name : character);
}

std::optional<QImage> SiteData::picture(const QString& name) {
    int part = 0;
    const QString character = characterOf(name, &part);
    const QString file = pictureFiles_.value(character.isEmpty() ? name : character);
    if (file.isEmpty())
        return std::nullopt;
    // A character's part is painted only where the code database has it.
    if (!character.isEmpty()) {
        const std::optional<lookup::CodeRecord> record = codes(character);
        if (!record || record->seeds[part - 1].trimmed().isEmpty())
            return std::nullopt;
    }
    // Only regular files, bounded: a pipe here would hang the server.
    const PictureRead read = readPictureFile(file);
    if (!read.ok())
        return std::nullopt;
    QImage image = read.image.convertToFormat(QImage::Format_RGB32);
    if (!character.isEmpty()) {
        lookup::CodeLookup painter(database_);
        painter.run(character, QString::number(part), image);
    }
    return image;
}

} // namespace radiane::site
