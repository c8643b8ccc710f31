// The real start-up, as program entry does it (application font, hidden Form99
// with its start-up skin step, Formg built, loaded, centred and shown), timed to
// the first painted frame of Formg. Started by startup_bench as
//   startup_formg <spawn time ns> <program folder> [groups]
// and prints one line of phase times (ns after the spawn) and memory (kB). With
// groups > 0 it then answers that many groups in each drill mode, as a learner
// would, and prints the memory figures once more.
#include "probe.h"

#include "app/clockrandom.h"
#include "app/ui/entryhelpers.h"
#include "app/ui/fatal.h"
#include "app/ui/formg.h"
#include "appearance/ui/form99.h"
#include "common/programfolder.h"

#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

using radiane::bench::monotonicNs;
using radiane::bench::statusKb;

namespace {

// One typed letter, delivered to the answer box as the keyboard delivers it,
// then everything it posted (the Backspace, the repaint) handled.
void type(QLineEdit* box, const QString& letter) {
    const int key = Qt::Key_A + (letter.at(0).unicode() - u'a');
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, letter);
    QCoreApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, letter);
    QCoreApplication::sendEvent(box, &release);
    QCoreApplication::processEvents();
}

void answerGroups(radiane::app::Formg& formg, int groups) {
    for (int i = 0; i < groups * radiane::drill::kSlotCount; ++i)
        type(formg.Text1, formg.drill().view().Label2);
}

} // namespace

int main(int argc, char** argv) {
    const long long mainNs = monotonicNs();
    const long long spawnNs = argc > 1 ? std::atoll(argv[1]) : mainNs;
    const QString folderPath = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const int groups = argc > 3 ? std::atoi(argv[3]) : 0;

    radiane::app::setFatalHandler([](const QString& message) {
        std::fprintf(stderr, "startup_formg: %s\n", qPrintable(message));
        std::_Exit(2);
    });

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Radiane"));
    QApplication::setFont(radiane::app::songTypeface());
    const long long appNs = monotonicNs();
    const radiane::ProgramFolder folder(folderPath);

    auto* form99 = new radiane::appearance::Form99(folder);
    radiane::app::guarded([&] {
        if (const std::optional<QString> message = form99->startup())
            std::fprintf(stderr, "startup_formg: %s\n", qPrintable(*message));
    });
    const long long skinNs = monotonicNs();

    radiane::app::ClockRandom random;
    radiane::app::Formg formg(folder, random, form99);
    const long long builtNs = monotonicNs();
    radiane::app::guarded([&] { formg.load(); });
    const long long loadedNs = monotonicNs();

    long long shownNs = 0;
    radiane::bench::FirstPaintProbe* probePtr = nullptr;
    radiane::bench::FirstPaintProbe probe([&] {
        const long long paintedNs = monotonicNs();
        std::printf("main=%lld app=%lld skin=%lld built=%lld loaded=%lld shown=%lld paint=%lld "
                    "painted=%lld hwm_kb=%ld rss_kb=%ld\n",
                    mainNs - spawnNs, appNs - spawnNs, skinNs - spawnNs, builtNs - spawnNs,
                    loadedNs - spawnNs, shownNs - spawnNs, probePtr->paintEventNs() - spawnNs,
                    paintedNs - spawnNs, statusKb("VmHWM"), statusKb("VmRSS"));
        std::fflush(stdout);
        if (groups > 0) {
            answerGroups(formg, groups);
            formg.Option2->click();
            QCoreApplication::processEvents();
            answerGroups(formg, groups);
            std::printf("after_groups=%d mode=%d groups_hwm_kb=%ld groups_rss_kb=%ld\n", groups,
                        static_cast<int>(formg.drill().mode()), statusKb("VmHWM"),
                        statusKb("VmRSS"));
            std::fflush(stdout);
        }
        QCoreApplication::quit();
    });
    probePtr = &probe;
    formg.installEventFilter(&probe);
    radiane::app::centreOnScreen(formg);
    formg.show();
    shownNs = monotonicNs();
    return QApplication::exec();
}
