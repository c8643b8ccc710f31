#include "lookup/codelookup.h"

#include "lookup/seeds.h"

namespace radiane::lookup {

void CodeLookup::run(const QString& text23, const QString& label7Caption, PictureSurface& picture) {
    const FindResult result = database_.find(text23);
    if (result.lowerHanzi)
        Text31_ = *result.lowerHanzi;
    if (result.upperHanzi)
        Text32_ = *result.upperHanzi;
    if (result.recordNo != 0) {
        lookupRecNo_ = result.recordNo;
        lookupRec_ = database_.lastRead();
    }
    lookupFound_ = result.found;
    if (!lookupFound_)
        return; // After a miss lookupRec is a neighbouring character: paint nothing.
    display();
    highlight(label7Caption, picture);
}

void CodeLookup::run(const QString& text23, const QString& label7Caption, QImage& picture) {
    PictureSurface surface{std::move(picture)};
    run(text23, label7Caption, surface);
    picture = std::move(surface.image);
}

void CodeLookup::display() {
    const std::optional<CodeRecord> record = database_.read(lookupRecNo_);
    if (!record)
        return;
    lookupRec_ = record;
    Text11_ = record->hanzi;
    Text12_ = record->code1;
    Text13_ = record->code2;
    Text14_ = record->code3;
    Text17_ = record->seeds[0];
    Text18_ = record->seeds[1];
    Text19_ = record->seeds[2];
    Text20_ = record->seeds[3];
}

void CodeLookup::highlight(const QString& label7Caption, PictureSurface& picture) {
    if (!lookupRec_ || label7Caption.size() != 1)
        return;
    const char16_t part = label7Caption.front().unicode();
    if (part < u'1' || part > u'4')
        return;
    const QString& list = lookupRec_->seeds[static_cast<std::size_t>(part - u'1')];
    for (const QPoint& point : parseSeeds(list))
        FloodFillAt(picture, point.x(), point.y(), qRgb(0, 0, 0));
}

} // namespace radiane::lookup
