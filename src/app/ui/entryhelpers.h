#pragma once

#include <QFont>

class QWidget;

namespace radiane::app {

// The application font: Song type (Noto Serif CJK SC), 9 points.
QFont songTypeface();

// Places a window in the middle of its screen's available area.
void centreOnScreen(QWidget& window);

} // namespace radiane::app
