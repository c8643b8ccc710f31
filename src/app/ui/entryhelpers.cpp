#include "app/ui/entryhelpers.h"

#include "common/songfont.h"

#include <QScreen>
#include <QWidget>

namespace radiane::app {

QFont songTypeface() {
    return songFont(9);
}

void centreOnScreen(QWidget& window) {
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
}

} // namespace radiane::app
