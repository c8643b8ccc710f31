// Program entry: prepares the skin, then shows the main window and runs the
// event loop until the main window closes.
#include "app/clockrandom.h"
#include "app/ui/builtinsite.h"
#include "app/ui/entryhelpers.h"
#include "app/ui/fatal.h"
#include "app/ui/formg.h"
#include "app/ui/progresslauncher.h"
#include "appearance/ui/form99.h"
#include "codes/scheduledorder.h"
#include "codes/ui/codeslauncher.h"
#include "common/programfolder.h"
#include "drill/observerlist.h"
#include "practice/attemptrecorder.h"
#include "practice/scope.h"
#include "practice/ui/practicecontroller.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QMessageBox>
#include <utility>

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

    // radiane --practice gfdsa: straight into targeted practice on those keys.
    QCommandLineParser arguments;
    const QCommandLineOption practiceOption(QStringLiteral("practice"),
                                            QStringLiteral("Practise the given keys."),
                                            QStringLiteral("keys"));
    arguments.addOption(practiceOption);
    // radiane --codes: straight into the code drill.
    const QCommandLineOption codesOption(QStringLiteral("codes"),
                                         QStringLiteral("Start with the code drill."));
    arguments.addOption(codesOption);
    arguments.process(app);

    radiane::app::ClockRandom random;
    radiane::app::Formg formg(folder, random, form99);
    // Every judged key, kept for the run; targeted practice picks its items from it.
    const auto clock = [] { return QDateTime::currentMSecsSinceEpoch(); };
    radiane::practice::MemoryHistory history;
    radiane::practice::AttemptRecorder recorder(history, clock);
    radiane::practice::PracticeController practice(
        folder, &formg, formg.practiceLine,
        [&formg](radiane::drill::ItemSource& source) { formg.startPractice(source); }, history,
        clock);
    radiane::drill::ObserverList observers;
    observers.add(recorder);
    observers.add(practice);
    formg.setDrillObserver(&observers);
    // The code drill's keys count for the history and the progress file alike;
    // the code drill picks its characters from its own keys.
    radiane::drill::ObserverList codesObservers;
    codesObservers.add(recorder);
    radiane::practice::MemoryHistory codesHistory;
    radiane::practice::AttemptRecorder codesRecorder(
        codesHistory, clock, [](const radiane::drill::JudgedKey& key) {
            return radiane::codes::codeKeyId(key.drill, key.item, key.part);
        });
    codesObservers.add(codesRecorder);
    radiane::codes::ScheduledOrder codesOrder(codesHistory, clock);

    // Every judged key goes to progress.sqlite from the first frame on; F2 and
    // the progress button show it.
    auto* progress = new radiane::app::ProgressLauncher(
        folder, formg, [&](radiane::drill::JudgedKeyObserver& progressRecorder) {
            observers.add(progressRecorder);
            codesObservers.add(progressRecorder);
        });
    // Practice and the code drill learn from every run's keys: those of earlier
    // runs come from the progress file, read once, before either first starts.
    const qint64 runStart = clock();
    bool earlierKeysRead = false;
    const auto readEarlierKeys = [&history, &codesHistory, &earlierKeysRead, progress, runStart] {
        if (std::exchange(earlierKeysRead, true))
            return;
        // Read before the recorder starts, so its thread never opens the file
        // while this one does.
        const std::vector<radiane::progress::KeyRecord> keys = progress->earlierKeys(runStart);
        progress->load();
        std::vector<radiane::practice::Attempt> earlier, earlierCodes;
        for (const radiane::progress::KeyRecord& key : keys) {
            earlier.push_back({radiane::practice::attemptItemId(key.item, key.part), key.when,
                               key.right, key.answerMs});
            if (radiane::drill::isCodeDrill(key.drill))
                earlierCodes.push_back({radiane::codes::codeKeyId(key.drill, key.item, key.part),
                                        key.when, key.right, key.answerMs});
        }
        history.prepend(std::move(earlier));
        codesHistory.prepend(std::move(earlierCodes));
    };
    practice.setBeforeFirstStart(readEarlierKeys);
    progress->setPracticeStanding([&practice] { return practice.standing(); });
    QObject::connect(&formg, &radiane::app::Formg::practiceRequested, &practice,
                     &radiane::practice::PracticeController::choose);

    radiane::app::guarded([&] { formg.load(); });
    if (arguments.isSet(practiceOption)) {
        const QString wanted = arguments.value(practiceOption);
        if (const std::optional<QString> keys = radiane::practice::parseKeys(wanted)) {
            radiane::practice::Scope scope = practice.savedScope();
            scope.keys = *keys;
            practice.start(scope);
        } else {
            QMessageBox::warning(
                nullptr, QStringLiteral("Radiane"),
                QStringLiteral("命令行 --practice 的“%1”不是一组键位（a 到 y 的字母），"
                               "照常开始。")
                    .arg(wanted));
        }
    }
    formg.setOnClosed([] { QCoreApplication::exit(0); });

    radiane::app::centreOnScreen(formg);
    formg.show();

    // The code drill: from the top bar, F4, or straight away with --codes.
    radiane::codes::CodesLauncher codes(folder, &formg);
    codes.setObserver(&codesObservers);
    codes.setItemOrder(&codesOrder);
    codes.setBeforeFirstOpen(readEarlierKeys);
    QObject::connect(&formg, &radiane::app::Formg::codesRequested, [&codes] { codes.open(); });
    if (arguments.isSet(codesOption))
        codes.open();
    return QApplication::exec();
}
