// The code database over arbitrary bytes: open, count, read every record,
// search for a few characters, parse the fill-point lists of what was read,
// and run the lookup with its painting as the main window does.
#include "fuzzsupport.h"
#include "lookup/codedatabase.h"
#include "lookup/codelookup.h"
#include "lookup/seeds.h"

#include <QFile>
#include <QImage>

using namespace radiane;
using namespace radiane::lookup;

namespace {

void checkFind(CodeDatabase& db, QStringView query) {
    const FindResult result = db.find(query);
    fuzz::check(result.recordNo >= 0 && result.recordNo <= db.recordCount(),
                "find names a record outside the file");
    if (!result.found)
        return;
    const auto record = db.read(result.recordNo);
    fuzz::check(record.has_value(), "find hit a record that cannot be read");
    fuzz::check(textKey(query) == record->key, "find hit a record of another key");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const std::uint8_t slot = input.byte();
    const QByteArrayView bytes = input.rest();

    static const QString path = fuzz::scratchDir() + "/wwbb11.dat";
    fuzz::writeFile(path, bytes);

    CodeDatabase db;
    fuzz::check(db.open(path) == CodeDatabase::OpenResult::Opened, "cannot open the file");
    const int count = db.recordCount();
    fuzz::check(count == bytes.size() / CodeDatabase::kRecordSize, "wrong record count");
    fuzz::check(!db.read(0) && !db.read(count + 1) && !db.read(-1),
                "a record outside the file was read");

    for (int n = 1; n <= count; ++n) {
        const auto record = db.read(n);
        fuzz::check(record.has_value(), "a record inside the file cannot be read");
        fuzz::check(db.lastReadNo() == n, "lastReadNo is not the record read");
        for (const QString& list : record->seeds) {
            const std::vector<QPoint> points = parseSeeds(list);
            fuzz::check(points.size() <= static_cast<std::size_t>(list.size() / 8 + 1),
                        "more points than entries");
        }
        // Searching for a record's own character finds a record of that key.
        checkFind(db, record->hanzi);
    }
    for (const char16_t* query : {u"", u"一", u"中", u"a", u"\U0002000B", u"\uFFFD"})
        checkFind(db, QStringView(query));

    // The main window's lookup: find, show, paint the chosen radical.
    if (count > 0) {
        const auto first = db.read(1 + slot % count);
        QImage picture(40, 40, QImage::Format_RGB32);
        picture.fill(Qt::white);
        CodeLookup lookup(db);
        const QString caption(QChar(u'0' + slot % 6)); // "0" to "5": some name no radical
        lookup.run(first->hanzi, caption, picture);
        fuzz::check(picture.size() == QSize(40, 40), "the lookup changed the picture's size");
    }
    db.close();
    return 0;
}
