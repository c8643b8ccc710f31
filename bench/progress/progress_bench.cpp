// The progress window opened over progress.sqlite holding 100,000 keys (120
// days of drilling, both seed modes, one key in eight wrong): F2 to the window
// painted, file read, statistics, keyboard, weakest items and charts included.
// Each open builds the window anew, as the first F2 of a run does. And what
// recording adds to each key of the drill.
#include "benchfolder.h"
#include "common/songfont.h"

#include "progress/progressstore.h"
#include "progress/ui/progresscontroller.h"
#include "progress/ui/progresswindow.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

using namespace radiane;

namespace {

constexpr int kKeys = 100'000;
QString programFolder;

bool fill(const QString& file) {
    progress::ProgressStore store(file);
    if (store.open())
        return false;
    QRandomGenerator random(86);
    const qint64 start = QDateTime::currentMSecsSinceEpoch() - 120LL * 24 * 3600 * 1000;
    std::vector<progress::KeyRecord> batch;
    for (int i = 0; i < kKeys; ++i) {
        progress::KeyRecord key;
        key.when = start + qint64(i) * (120LL * 24 * 3600 * 1000 / kKeys);
        const int letter = random.bounded(25);
        key.expected = QChar(u'a' + letter);
        if (random.bounded(2) == 0) {
            key.drill = drill::DrillKind::SingleRadicals;
            key.item = QStringLiteral("%1%2")
                           .arg(key.expected)
                           .arg(random.bounded(1, 12), 2, 10, QLatin1Char('0'));
        } else {
            key.drill = drill::DrillKind::RadicalsInCharacters;
            key.item = QChar(0x4e00 + random.bounded(1600));
            key.part = QString::number(random.bounded(1, 5));
        }
        key.right = random.bounded(8) != 0;
        key.typed = key.right ? key.expected : QChar(u'a' + random.bounded(25));
        key.answerMs = 400 + random.bounded(2600);
        batch.push_back(key);
        if (batch.size() == 5000) {
            if (store.append(batch))
                return false;
            batch.clear();
        }
    }
    return true;
}

void BM_OpenProgressWindow(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        progress::ProgressController controller{ProgramFolder(programFolder), nullptr};
        const Clock::time_point start = Clock::now();
        controller.showWindow();
        controller.window()->repaint();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        controller.window()->hide();
    }
    state.counters["keys"] = kKeys;
    state.counters["target_ms"] = 150;
}

// What recording adds to a key in the drill: the recorder's part of a judged
// key (clock, record, hand-over; every fifth key ends a group and hands five
// keys to the writing thread, which writes them meanwhile).
void BM_RecordKey(benchmark::State& state) {
    QTemporaryDir dir;
    progress::ProgressController controller{ProgramFolder(dir.path()), nullptr};
    controller.start();
    drill::JudgedKey key{drill::DrillKind::RadicalsInCharacters,
                         QStringLiteral("好"),
                         QStringLiteral("2"),
                         u'b',
                         u'b',
                         true};
    int n = 0;
    for (auto _ : state) {
        controller.recorder().keyJudged(key);
        if (++n % 5 == 0)
            controller.recorder().groupFinished();
    }
    state.counters["target_us"] = 50;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setFont(radiane::songFont(9));
    benchmark::Initialize(&argc, argv);

    QTemporaryDir dir;
    if (!bench::copyProgramData(QStringLiteral(RADIANE_PROGRAM_DIR), dir.path())) {
        std::fprintf(stderr, "progress_bench: no shipped data in %s\n", RADIANE_PROGRAM_DIR);
        return 1;
    }
    programFolder = dir.path();
    if (!fill(ProgramFolder(programFolder).file(QStringLiteral("progress.sqlite")))) {
        std::fprintf(stderr, "progress_bench: could not write the progress file\n");
        return 1;
    }
    benchmark::RegisterBenchmark("BM_OpenProgressWindow/100000_keys", BM_OpenProgressWindow)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(15);
    benchmark::RegisterBenchmark("BM_RecordKey", BM_RecordKey)->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
