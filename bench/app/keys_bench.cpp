// The keystroke path through the real main window: a right key (check, marks,
// repaint) and the fifth right key of a group, which refills all five slots
// (mode 1: five pictures; mode 2: five pictures, five lookups with their fills).
// Each key is timed alone; medians and 90th percentiles are reported beside the
// same key typed into a bare window of the same size with one line edit.
//
// Repaint "full": the whole window is repainted at once after the key (the upper
// bound). Repaint "loop": only what the program itself marked dirty is painted,
// by handling the posted events as the event loop does after every key.
#include "benchfolder.h"
#include "common/songfont.h"

#include "app/clockrandom.h"
#include "app/ui/fatal.h"
#include "app/ui/formg.h"
#include "appearance/ui/form99.h"
#include "progress/ui/progresscontroller.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

using namespace radiane;
using bench::quantile;

namespace {

enum class Repaint { Full, Loop };

struct Windows {
    app::Formg* formg = nullptr;
    progress::ProgressController* progress = nullptr;
    QWidget* bare = nullptr;
    QLineEdit* bareBox = nullptr;
};
Windows windows;

using Clock = std::chrono::steady_clock;

double microseconds(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

void finish(QWidget* window, Repaint repaint) {
    if (repaint == Repaint::Full)
        window->repaint();
    QCoreApplication::sendPostedEvents();
}

// One right key into Formg's answer box; returns its time in µs.
double rightKey(Repaint repaint) {
    app::Formg& formg = *windows.formg;
    const char key = formg.drill().view().Label2.at(0).toLatin1();
    const Clock::time_point start = Clock::now();
    QTest::keyClick(formg.Text1, key);
    finish(&formg, repaint);
    return microseconds(Clock::now() - start);
}

// The floor: one letter into the bare window's line edit, the box emptied again
// (as the drill empties Text1), the window repainted.
double floorKey(Repaint repaint) {
    const Clock::time_point start = Clock::now();
    QTest::keyClick(windows.bareBox, 'a');
    windows.bareBox->clear();
    finish(windows.bare, repaint);
    return microseconds(Clock::now() - start);
}

void selectMode(drill::Mode mode) {
    app::Formg& formg = *windows.formg;
    (mode == drill::Mode::SingleRadicals ? formg.Option1 : formg.Option2)->click();
    QCoreApplication::sendPostedEvents();
}

// recording: every judged key goes to progress.sqlite, as in the program.
void BM_Keys(benchmark::State& state, drill::Mode mode, Repaint repaint, bool recording) {
    selectMode(mode);
    app::Formg& formg = *windows.formg;
    formg.setDrillObserver(recording ? &windows.progress->recorder() : nullptr);
    std::vector<double> keys, refills, floors;
    for (auto _ : state) {
        double group = 0;
        for (int slot = 0; slot < drill::kSlotCount; ++slot) {
            const bool refill = formg.drill().slotIndex() == drill::kSlotCount - 1;
            const double us = rightKey(repaint);
            (refill ? refills : keys).push_back(us);
            group += us;
            floors.push_back(floorKey(repaint));
        }
        state.SetIterationTime(group / 1e6);
    }
    if (formg.drill().mode() != mode || formg.drill().view().Label3Caption != u"↑") {
        state.SkipWithError("the drill did not take the keys as right keys");
        return;
    }
    state.counters["key_med_us"] = quantile(keys, 0.5);
    state.counters["key_p90_us"] = quantile(keys, 0.9);
    state.counters["refill_med_us"] = quantile(refills, 0.5);
    state.counters["refill_p90_us"] = quantile(refills, 0.9);
    state.counters["floor_med_us"] = quantile(floors, 0.5);
    state.counters["key_ratio"] = quantile(keys, 0.5) / quantile(floors, 0.5);
    state.counters["key_target_us"] = 500;
    state.counters["refill_target_us"] = mode == drill::Mode::RadicalsInCharacters ? 2000 : 0;
}

// The repaint alone, without a key: how much of a key is painting.
void BM_Repaint(benchmark::State& state) {
    std::vector<double> formg, floors;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        windows.formg->repaint();
        const double us = microseconds(Clock::now() - start);
        formg.push_back(us);
        start = Clock::now();
        windows.bare->repaint();
        floors.push_back(microseconds(Clock::now() - start));
        state.SetIterationTime(us / 1e6);
    }
    state.counters["formg_med_us"] = quantile(formg, 0.5);
    state.counters["floor_med_us"] = quantile(floors, 0.5);
    state.counters["ratio"] = quantile(formg, 0.5) / quantile(floors, 0.5);
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
        std::fprintf(stderr, "keys_bench: no shipped data in %s (build radiane_data first)\n",
                     RADIANE_PROGRAM_DIR);
        return 1;
    }
    app::setFatalHandler([](const QString& message) {
        std::fprintf(stderr, "keys_bench: %s\n", qPrintable(message));
        std::_Exit(2);
    });

    // The main window as program entry makes it, skin included.
    const ProgramFolder folder(dir.path());
    auto form99 = std::make_unique<appearance::Form99>(folder);
    app::guarded([&] { (void)form99->startup(); });
    app::ClockRandom random;
    app::Formg formg(folder, random, form99.get());
    app::guarded([&] { formg.load(); });
    formg.show();
    if (!QTest::qWaitForWindowExposed(&formg))
        return 1;

    QWidget bare;
    bare.resize(formg.size());
    auto* box = new QLineEdit(&bare);
    box->setGeometry(110, 518, 100, 20);
    bare.show();
    if (!QTest::qWaitForWindowExposed(&bare))
        return 1;
    QTest::qWait(20); // the focus timer of Formg
    progress::ProgressController progress(folder, &formg);
    progress.start();
    windows = {&formg, &progress, &bare, box};

    using drill::Mode;
    const auto reg = [](const char* name, Mode mode, Repaint repaint, bool recording = false) {
        benchmark::RegisterBenchmark(name, BM_Keys, mode, repaint, recording)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    };
    reg("BM_Keys/mode1/full_repaint", Mode::SingleRadicals, Repaint::Full);
    reg("BM_Keys/mode2/full_repaint", Mode::RadicalsInCharacters, Repaint::Full);
    reg("BM_Keys/mode1/event_loop", Mode::SingleRadicals, Repaint::Loop);
    reg("BM_Keys/mode2/event_loop", Mode::RadicalsInCharacters, Repaint::Loop);
    reg("BM_Keys/mode1/event_loop/recording", Mode::SingleRadicals, Repaint::Loop, true);
    reg("BM_Keys/mode2/event_loop/recording", Mode::RadicalsInCharacters, Repaint::Loop, true);
    benchmark::RegisterBenchmark("BM_Repaint", BM_Repaint)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    formg.hide();
    return 0;
}
