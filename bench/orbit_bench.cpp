// computeOrbit of the shipped Lorenz model (500,000 points, fixed interval
// 0.01) through the model library compiled by the program's compiler, against
// a reference loop in this binary that integrates the same equations inlined
// (no function pointer, no projection, no divergence test) into a
// preallocated array. Prints both medians, their ratio and the memory the
// orbit arrays take.
#include "cli/model_session.h"
#include "median_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kPoints = 500000;
constexpr double kInterval = 0.01;

DynamicsEngine* engine = nullptr;

void engineOrbit(benchmark::State& state)
{
    for (auto _ : state) {
        engine->computeOrbit();
        benchmark::DoNotOptimize(engine->orbit.data());
        benchmark::ClobberMemory();
    }
}

struct LorenzParameters {
    double a, b, c;
};

inline double lorenzDerivative(int k, const StateVector& s, const LorenzParameters& p)
{
    const double x = s.c[0], y = s.c[1], z = s.c[2];
    switch (k) {
    case 0: return p.a * y - p.a * x;
    case 1: return -x * z + p.b * x - y;
    default: return x * y - p.c * z;
    }
}

inline StateVector referenceStep(const StateVector& x, double h, const LorenzParameters& p)
{
    StateVector k1, k2, k3, k4, s1, s2, s3;
    for (int k = 0; k < 3; ++k) {
        k1.c[k] = h * lorenzDerivative(k, x, p);
        s1.c[k] = x.c[k] + k1.c[k] * 0.5;
    }
    for (int k = 0; k < 3; ++k) {
        k2.c[k] = h * lorenzDerivative(k, s1, p);
        s2.c[k] = x.c[k] + k2.c[k] * 0.5;
    }
    for (int k = 0; k < 3; ++k) {
        k3.c[k] = h * lorenzDerivative(k, s2, p);
        s3.c[k] = x.c[k] + k3.c[k];
    }
    for (int k = 0; k < 3; ++k)
        k4.c[k] = h * lorenzDerivative(k, s3, p);
    StateVector result = x;
    for (int k = 0; k < 3; ++k)
        result.c[k] = (((k2.c[k] + k3.c[k]) * 2 + k4.c[k]) + k1.c[k]) * 0.16666666666666666 + x.c[k];
    return result;
}

std::vector<StateVector> referenceOrbitPoints(kPoints);

void referenceOrbit(benchmark::State& state)
{
    const ModelRecord& record = engine->recordInUse;
    const LorenzParameters p{record.Parameter_Default[0], record.Parameter_Default[1],
                             record.Parameter_Default[2]};
    for (auto _ : state) {
        StateVector x = record.Setting;
        referenceOrbitPoints[0] = x;
        for (int i = 1; i < kPoints; ++i) {
            x = referenceStep(x, kInterval, p);
            referenceOrbitPoints[i] = x;
        }
        benchmark::DoNotOptimize(referenceOrbitPoints.data());
        benchmark::ClobberMemory();
    }
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);

    ModelOptions options;
    options.points = kPoints;
    options.interval = kInterval;
    StderrReporter messages;
    ModelSession session;
    if (!session.open(ATTRAVA_SOURCE_DIR "/modellib/Lorenz.txt", options, messages))
        return 1;
    engine = &session.engine;
    engine->recordInUse.Auto_Sampling_Interval_Flag = 0;

    benchmark::RegisterBenchmark("engine", engineOrbit)
        ->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("reference", referenceOrbit)
        ->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    // Both integrate the same equations with the same operation order.
    engine->computeOrbit();
    bool same = engine->recordInUse.validPointCount == kPoints;
    for (int i = 0; same && i < kPoints; ++i)
        same = engine->orbit[i] == referenceOrbitPoints[i];

    const auto ratio = [](double engineTime, double referenceTime) {
        return referenceTime > 0.0 ? engineTime / referenceTime : 0.0;
    };
    const double engineMs = reporter.median("engine");
    const double referenceMs = reporter.median("reference");
    const double engineCpuMs = reporter.cpuMedian("engine");
    const double referenceCpuMs = reporter.cpuMedian("reference");
    const std::size_t orbitBytes = engine->orbit.capacity() * sizeof(StateVector);
    const std::size_t displayBytes = engine->displayPoints.capacity() * sizeof(Vector3);
    const std::size_t stepBytes = engine->stepSizes.capacity() * sizeof(double);
    std::printf("\nLorenz, %d points, fixed interval %g (median ms):\n", kPoints, kInterval);
    std::printf("  real time: engine %.2f, reference %.2f\n", engineMs, referenceMs);
    std::printf("  CPU time:  engine %.2f, reference %.2f\n", engineCpuMs, referenceCpuMs);
    std::printf("ratio engine/reference = %.3f (CPU time %.3f; target <= 1.3)\n",
                ratio(engineMs, referenceMs), ratio(engineCpuMs, referenceCpuMs));
    std::printf("orbits identical bit for bit: %s\n", same ? "yes" : "no");
    std::printf("orbit arrays: orbit %zu B + displayPoints %zu B + stepSizes %zu B = %.1f MiB\n",
                orbitBytes, displayBytes, stepBytes,
                static_cast<double>(orbitBytes + displayBytes + stepBytes) / (1024.0 * 1024.0));
    return same ? 0 : 1;
}
