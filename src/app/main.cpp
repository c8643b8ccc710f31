// Program entry: prepares the skin, then shows the main window and runs the
// event loop until the main window closes.
#include "app/clockrandom.h"
#include "app/ui/builtinsite.h"
#include "app/ui/entryhelpers.h"
#include "app/ui/fatal.h"
#include "app/ui/formg.h"
#include "appearance/ui/form99.h"
#include "codes/ui/codeslauncher.h"
#include "common/programfolder.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Radiane"));
    QApplication::setFont(radiane::app::songTypeface());
    const radiane::ProgramFolder folder = radiane::ProgramFolder::ofExecutable();

    // The hidden owner of the skin menu, for the whole run; then the start-up
    // skin step, which may refuse a broken skin file and go on without a skin.
    auto* form99 = new radiane::appearance::Form99(folder);
    radiane::app::guarded([&] {
        if (const std::optional<QString> message = form99->startup())
            QMessageBox::warning(nullptr, QStringLiteral("Radiane"), *message);
    });

    // Help links open the built-in site; its server starts at the first one.
    radiane::app::BuiltInSite site(folder);

    radiane::app::ClockRandom random;
    radiane::app::Formg formg(folder, random, form99);
    radiane::app::guarded([&] { formg.load(); });
    formg.setOnClosed([] { QCoreApplication::exit(0); });
    radiane::app::centreOnScreen(formg);
    formg.show();

    // The code drill: from the top bar, F4, or straight away with --codes.
    radiane::codes::CodesLauncher codes(folder, &formg);
    QObject::connect(&formg, &radiane::app::Formg::codesRequested, [&codes] { codes.open(); });
    if (QApplication::arguments().contains(QStringLiteral("--codes")))
        codes.open();
    return QApplication::exec();
}
