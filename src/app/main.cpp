// Program entry: prepares the skin, then shows the main window and runs the
// event loop until the main window closes.
#include "app/clockrandom.h"
#include "app/ui/fatal.h"
#include "app/ui/formg.h"
#include "common/programfolder.h"

#include <QApplication>
#include <QFont>
#include <QScreen>

namespace {

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

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Radiane"));
    QApplication::setFont(songTypeface());
    const radiane::ProgramFolder folder = radiane::ProgramFolder::ofExecutable();

    radiane::app::ClockRandom random;
    radiane::app::Formg formg(folder, random);
    radiane::app::guarded([&] { formg.load(); });
    formg.setOnClosed([] { QCoreApplication::exit(0); });
    centreOnScreen(formg);
    formg.show();
    return QApplication::exec();
}
