// A spectrum scan of the shipped Lorenz model (parameter b over 200 values,
// 20,000 points analysed after a transient of 1,000) on one worker thread and
// on two, measured in the same run. Prints the medians (wall clock and CPU
// time of all threads), the speed-up and whether both runs gave the same
// numbers.
#include "cli/model_session.h"
#include "dynamics/parameter_scan.h"
#include "median_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

DynamicsEngine* model = nullptr;
ScanSettings settings;
ScanResult lastResult[3];

void scan(benchmark::State& state)
{
    const int threads = static_cast<int>(state.range(0));
    ScanSettings run = settings;
    run.threads = threads;
    for (auto _ : state) {
        lastResult[threads] = runScan(*model, run);
        benchmark::DoNotOptimize(lastResult[threads].cells.data());
    }
}

bool sameResults(const ScanResult& a, const ScanResult& b)
{
    if (a.cells.size() != b.cells.size())
        return false;
    for (std::size_t c = 0; c < a.cells.size(); ++c)
        if (a.cells[c].exists != b.cells[c].exists || a.cells[c].values != b.cells[c].values)
            return false;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    StderrReporter messages;
    ModelSession session;
    if (!session.open(ATTRAVA_SOURCE_DIR "/modellib/Lorenz.txt", ModelOptions{}, messages))
        return 1;
    model = &session.engine;
    settings.kind = ScanKind::Spectrum;
    settings.axis = {1, 20.0, 40.0, 200};
    settings.transient = 1000;
    settings.points = 20000;

    for (const int threads : {1, 2}) {
        benchmark::RegisterBenchmark(threads == 1 ? "scan/1" : "scan/2", scan)
            ->Arg(threads)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)
            ->MeasureProcessCPUTime()->UseRealTime()->ReportAggregatesOnly(true);
    }
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double one = reporter.median("scan/1");
    const double two = reporter.median("scan/2");
    const bool same = sameResults(lastResult[1], lastResult[2]);
    std::printf("\nLorenz spectrum scan, 200 values x 20000 points (median wall ms): "
                "1 thread %.0f, 2 threads %.0f\n", one, two);
    std::printf("speed-up 2 threads / 1 thread = %.2f (target >= 1.8)\n", two > 0.0 ? one / two : 0.0);
    // On a machine shared with other work the wall clock shows the share of
    // the processors the run got; the CPU time of all threads shows whether
    // the second thread adds work of its own.
    std::printf("CPU time of all threads (median ms): 1 thread %.0f, 2 threads %.0f\n",
                reporter.cpuMedian("scan/1"), reporter.cpuMedian("scan/2"));
    std::printf("results identical bit for bit: %s\n", same ? "yes" : "no");
    return same ? 0 : 1;
}
