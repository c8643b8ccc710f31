#pragma once

#include "common/twips.h"

#include <QWidget>

namespace radiane::lookup {

// Places widget at its designed rectangle (twips). Where the font needs more
// room than the design gave (a CJK font's line is taller than its point size),
// the widget grows: to the right, and equally up and down, so its text stays
// centred where it was designed.
inline void placeTwips(QWidget* widget, int left, int top, int width, int height) {
    const QSize hint = widget->sizeHint();
    const int w = std::max(px(width), hint.width());
    const int h = std::max(px(height), hint.height());
    widget->setGeometry(px(left), px(top) - (h - px(height)) / 2, w, h);
}

} // namespace radiane::lookup
