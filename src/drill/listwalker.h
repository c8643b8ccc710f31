#pragma once

#include "drill/itemsource.h"

#include <QString>

namespace radiane::drill {

// Walks one drill list of fixed-width items (zg.txt: key + picture name,
// zg2.txt: key + part + character) from a start position, five at a time.
class ListWalker final : public ItemSource {
public:
    enum class Layout { Radicals, Characters };
    explicit ListWalker(Layout layout) : layout_(layout) {}

    // pos is the 1-based position just before the first item taken. With wrap
    // off, the first group may run short past the end instead of starting over.
    void restart(QString text, int pos, bool wrapFirstGroup);
    DrillGroup nextGroup() override;

    const QString& text() const { return text_; }
    int pos() const { return pos_; }
    int length() const { return static_cast<int>(text_.size()); }

private:
    int width() const { return layout_ == Layout::Radicals ? 4 : 3; }
    DrillItem next();

    Layout layout_;
    QString text_;
    int pos_ = 0;
    bool wrap_ = true;
};

} // namespace radiane::drill
