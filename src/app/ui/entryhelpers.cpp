#include "app/ui/entryhelpers.h"

#include <QScreen>
#include <QWidget>

namespace radiane::app {

QFont songTypeface() {
    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(9);
    return font;
}

void centreOnScreen(QWidget& window) {
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
}

} // namespace radiane::app
