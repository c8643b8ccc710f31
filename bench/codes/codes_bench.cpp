// The code drill's keys on the shipped data, full-code level: a right key that
// paints a radical, and the key that completes a code (the next character's
// picture loaded, the finished one painted whole). "drill": the state machine
// and the lookup's fills on the picture, at scale 1 and 2. "window": the key
// into the real window on the offscreen platform, repainted whole after it.
#include "codes/codedrill.h"
#include "codes/codepicture.h"
#include "codes/scheduledorder.h"
#include "codes/ui/codeswindow.h"

#include "practice/attemptrecorder.h"

#include <QApplication>
#include <QDateTime>
#include <QTest>
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

using namespace radiane;
using namespace radiane::codes;
using Clock = std::chrono::steady_clock;

namespace {

const ProgramFolder kFolder{QStringLiteral(RADIANE_PROGRAM_DIR)};

struct Shipped {
    lookup::CodeDatabase database;
    CodeSet set;
    Shipped() {
        database.open(kFolder.file(QStringLiteral("wwbb11.dat")));
        set = CodeSet::load(kFolder, database);
    }
};

Shipped& shipped() {
    static Shipped data;
    return data;
}

// Times right keys of one kind: completing ones or the others.
void rightKeys(benchmark::State& state, bool completing, const std::function<void()>& before,
               const std::function<const CodeDrillView&()>& view,
               const std::function<void(QChar)>& type) {
    before();
    for (auto _ : state) {
        for (;;) {
            const CodeDrillView& v = view();
            const bool completes =
                v.expected == kSpace || (!v.endsWithSpace && v.typed.size() + 1 == v.code.size());
            if (completes == completing)
                break;
            type(v.expected);
        }
        const QChar key = view().expected;
        const Clock::time_point start = Clock::now();
        type(key);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}

void drillKeys(benchmark::State& state, bool completing) {
    const int scale = static_cast<int>(state.range(0));
    // The program's order: the scheduler over the keys as they are typed.
    radiane::practice::MemoryHistory keys;
    const auto clock = [] { return QDateTime::currentMSecsSinceEpoch(); };
    radiane::practice::AttemptRecorder recorder(
        keys, clock,
        [](const radiane::drill::JudgedKey& k) { return codeKeyId(k.drill, k.item, k.part); });
    ScheduledOrder order(keys, clock);
    CodeDrill drill(shipped().set, order);
    drill.setObserver(&recorder);
    CodePicture current(kFolder, shipped().database);
    CodePicture previous(kFolder, shipped().database);
    rightKeys(
        state, completing, [&] { drill.start(Level::FullCodes); },
        [&]() -> const CodeDrillView& { return drill.view(); },
        [&](QChar key) {
            drill.type(key);
            const CodeDrillView& v = drill.view();
            if (current.character() == v.previous.character && v.character != v.previous.character)
                previous.showAs(current);
            current.show(v.character, v.painted, scale);
            if (!v.previous.character.isEmpty())
                previous.show(v.previous.character, v.previous.painted, scale);
            benchmark::DoNotOptimize(current.image().constBits());
        });
}

void BM_DrillRightKey(benchmark::State& state) {
    drillKeys(state, false);
}
void BM_DrillCompletingKey(benchmark::State& state) {
    drillKeys(state, true);
}

void windowKeys(benchmark::State& state, bool completing) {
    CodesWindow window(kFolder, shipped().database, shipped().set, nullptr);
    window.show();
    rightKeys(
        state, completing, [&] { window.startLevel(Level::FullCodes); },
        [&]() -> const CodeDrillView& { return window.drill().view(); },
        [&](QChar key) {
            QTest::keyClick(&window, key == kSpace ? Qt::Key_Space
                                                   : Qt::Key(Qt::Key_A + (key.unicode() - u'a')));
            window.repaint();
            QCoreApplication::sendPostedEvents();
        });
}

void BM_WindowRightKey(benchmark::State& state) {
    windowKeys(state, false);
}
void BM_WindowCompletingKey(benchmark::State& state) {
    windowKeys(state, true);
}

} // namespace

BENCHMARK(BM_DrillRightKey)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrillCompletingKey)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowRightKey)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowCompletingKey)->UseManualTime()->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
