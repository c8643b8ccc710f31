// Making the help site's pages from the shipped data, without the server and without the
// site's keeping of finished pages: what the first request for a page costs.
#include "site/pages.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

radiane::site::SiteData& data() {
    static radiane::site::SiteData shipped(
        radiane::ProgramFolder(QStringLiteral(RADIANE_PROGRAM_DIR)));
    return shipped;
}

void report(benchmark::State& state, const QByteArray& page) {
    state.counters["page_KB"] = double(page.size()) / 1024;
}

void BM_KeyPage(benchmark::State& state) {
    const QChar key = QLatin1Char(char(state.range(0)));
    state.SetLabel(std::string(1, char(state.range(0))));
    QByteArray page;
    for (auto _ : state)
        benchmark::DoNotOptimize(page = radiane::site::keyPage(data(), key));
    report(state, page);
}
// G as on the home page, Q the longest page, K the shortest.
BENCHMARK(BM_KeyPage)->Arg('g')->Arg('q')->Arg('k')->Unit(benchmark::kMillisecond);

void BM_LookupPage(benchmark::State& state) {
    const char* const queries[] = {"拜", "中国", "大"};
    const QString query = QString::fromUtf8(queries[state.range(0)]);
    state.SetLabel(queries[state.range(0)]);
    bool found = false;
    QByteArray page;
    for (auto _ : state)
        benchmark::DoNotOptimize(page = radiane::site::lookupResultPage(data(), query, &found));
    if (!found)
        state.SkipWithError("not in the data");
    report(state, page);
}
BENCHMARK(BM_LookupPage)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_ChartPage(benchmark::State& state) {
    QByteArray page;
    for (auto _ : state)
        benchmark::DoNotOptimize(page = radiane::site::chartPage(data()));
    report(state, page);
}
BENCHMARK(BM_ChartPage)->Unit(benchmark::kMillisecond);

void BM_TutorialPage(benchmark::State& state) {
    QByteArray page;
    for (auto _ : state)
        benchmark::DoNotOptimize(page = radiane::site::tutorialPage(data()));
    report(state, page);
}
BENCHMARK(BM_TutorialPage)->Unit(benchmark::kMillisecond);

// Reading the shipped data once, as the server does at its start.
void BM_ReadSiteData(benchmark::State& state) {
    for (auto _ : state) {
        radiane::site::SiteData fresh(radiane::ProgramFolder(QStringLiteral(RADIANE_PROGRAM_DIR)));
        benchmark::DoNotOptimize(fresh.characterCount());
    }
}
BENCHMARK(BM_ReadSiteData)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
