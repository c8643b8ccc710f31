// The scheduler of targeted practice over a long history: every key of the
// keyboard, radicals and characters (the largest pool), 100,000 recorded keys
// spread over 60 days, a fifth of them wrong.
#include "practice/scheduler.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <random>

using namespace radiane::practice;

namespace {

constexpr qint64 kStart = 1'800'000'000'000;
constexpr int kAttempts = 100'000;

const ItemPool& wholePool() {
    static const ItemPool pool = [] {
        auto read = loadPool(radiane::ProgramFolder(QStringLiteral(RADIANE_PROGRAM_DIR)),
                             Scope{QStringLiteral("gfdsahjklmtrewqyuiopnbvcx"), Content::Both});
        return std::get<ItemPool>(std::move(read));
    }();
    return pool;
}

MemoryHistory longHistory() {
    MemoryHistory history;
    std::mt19937 rng(1);
    const auto& items = wholePool().items;
    std::uniform_int_distribution<std::size_t> pick(0, items.size() - 1);
    const qint64 step = 60LL * 24 * 3600 * 1000 / kAttempts;
    for (int i = 0; i < kAttempts; ++i)
        history.add({items[pick(rng)].id, kStart + i * step, rng() % 5 != 0,
                     static_cast<qint64>(500 + rng() % 2000)});
    return history;
}

// Steady state: the learner answers a group, the scheduler reads those five
// keys and picks the next group.
void BM_NextGroup(benchmark::State& state) {
    MemoryHistory history = longHistory();
    qint64 now = kStart + 61LL * 24 * 3600 * 1000;
    Scheduler scheduler(
        wholePool(), history, [&now] { return now; }, 1);
    scheduler.nextGroup();
    for (auto _ : state) {
        for (const QString& id : scheduler.lastGroup()) {
            now += 900;
            history.add({id, now, true, 900});
        }
        benchmark::DoNotOptimize(scheduler.nextGroup());
    }
    state.counters["pool"] = static_cast<double>(wholePool().items.size());
}
BENCHMARK(BM_NextGroup)->Unit(benchmark::kMicrosecond);

// Once per practice start: the whole history read into the items' states.
void BM_ReadHistory(benchmark::State& state) {
    const MemoryHistory history = longHistory();
    for (auto _ : state) {
        Scheduler scheduler(
            wholePool(), history, [] { return kStart; }, 1);
        benchmark::DoNotOptimize(scheduler.mastery());
    }
}
BENCHMARK(BM_ReadHistory)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
