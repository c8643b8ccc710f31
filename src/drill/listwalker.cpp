#include "drill/listwalker.h"

namespace radiane::drill {

void ListWalker::restart(QString text, int pos, bool wrapFirstGroup) {
    text_ = std::move(text);
    pos_ = pos;
    wrap_ = wrapFirstGroup;
}

DrillGroup ListWalker::nextGroup() {
    DrillGroup group;
    for (DrillItem& item : group)
        item = next();
    wrap_ = true;
    return group;
}

DrillItem ListWalker::next() {
    // Past the end of the list, start over at position 1.
    if (wrap_ && pos_ + width() > length())
        pos_ = 1 - width();
    pos_ += width();
    // At the end of the list an item comes out shorter, or empty.
    const QString item = pos_ >= 1 && pos_ <= length() ? text_.mid(pos_ - 1, width()) : QString();
    DrillItem out;
    out.key = item.left(1);
    if (layout_ == Layout::Radicals) {
        out.picture = item.right(3);
    } else {
        out.kind = DrillItem::Kind::Character;
        out.part = item.mid(1, 1);
        out.character = item.right(1);
    }
    return out;
}

} // namespace radiane::drill
