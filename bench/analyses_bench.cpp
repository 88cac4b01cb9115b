// Speed of the engine's analyses. The Lyapunov spectrum (mode 1) of
// 500,000-point orbits of the shipped Lorenz and ResslerHyperchaos models,
// called through the compiled model library, is timed against a reference of
// the same algorithm written inline here over plain arrays and the same model
// function; the ratio engine / reference of the medians is printed (target
// <= 1.3). The recurrence matrix at N = 1000 and reading a 100,000-value
// series are timed on their own.
#include "dynamics/dynamics_engine.h"
#include "dynamics/recurrence.h"
#include "models/reporter.h"

#include "median_reporter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kOrbitPoints = 500000;

struct ModelSetup {
    const char* name;
    int dimension;
    std::vector<double> parameters;
    StateVector start;
};

const ModelSetup kLorenz{"Lorenz", 3, {10.0, 28.0, 2.666667}, StateVector(1, 1, 20, 0, 0, 0)};
const ModelSetup kHyperchaos{
    "ResslerHyperchaos", 4, {0.25, 3.0, -0.5, 0.05}, StateVector(-10, -6, 0, 10, 0, 0)};

// An engine bound to the model in the program folder's library, with its orbit
// computed once.
std::unique_ptr<DynamicsEngine> makeEngine(const ModelSetup& setup)
{
    auto engine = std::make_unique<DynamicsEngine>();
    ModelRecord& record = engine->recordEdited;
    record.ModelName = setup.name;
    record.Dimension = setup.dimension;
    record.Parameter = static_cast<int>(setup.parameters.size());
    for (std::size_t j = 0; j < setup.parameters.size(); ++j)
        record.Parameter_Default[j] = setup.parameters[j];
    record.Setting = setup.start;
    record.Sampling_Point = kOrbitPoints;
    record.Sampling_Interval = 0.01;
    engine->applyEditedRecord();
    std::string error;
    if (!engine->Bind(std::string(ATTRAVA_PROGRAM_DIR) + "/Eqnbank.so", &error)) {
        std::fprintf(stderr, "cannot bind %s: %s\n", setup.name, error.c_str());
        return nullptr;
    }
    engine->loadParameters();
    engine->computeOrbit();
    return engine;
}

DynamicsEngine* engineFor(const ModelSetup& setup)
{
    static std::map<std::string, std::unique_ptr<DynamicsEngine>> engines;
    auto& engine = engines[setup.name];
    if (!engine)
        engine = makeEngine(setup);
    return engine.get();
}

// The reference: the same finite-difference tangent steps, Gram-Schmidt order,
// volume products and renormalisation, over raw arrays, with its own argument
// buffers and Runge-Kutta stages.
struct Reference {
    ModelFunction function;
    int n;
    int dimensionArg[1];
    double variables[6];
    double parameters[10];
    double input[1];

    void derivatives(const double* x, double* out)
    {
        for (int j = 0; j < n; ++j)
            variables[j] = x[j];
        for (int k = 0; k < n; ++k) {
            dimensionArg[0] = k;
            out[k] = function(dimensionArg, variables, parameters, input);
        }
    }

    void rungeKutta(const double* x, double h, double* out)
    {
        double k1[6], k2[6], k3[6], k4[6], s[6];
        derivatives(x, k1);
        for (int j = 0; j < n; ++j)
            s[j] = x[j] + h * k1[j] * 0.5;
        derivatives(s, k2);
        for (int j = 0; j < n; ++j)
            s[j] = x[j] + h * k2[j] * 0.5;
        derivatives(s, k3);
        for (int j = 0; j < n; ++j)
            s[j] = x[j] + h * k3[j];
        derivatives(s, k4);
        for (int j = 0; j < 6; ++j)
            out[j] = x[j];
        for (int j = 0; j < n; ++j)
            out[j] = x[j] + h * (k1[j] + 2 * (k2[j] + k3[j]) + k4[j]) / 6;
    }

    void spectrum(const std::vector<StateVector>& orbit, int valid, double h, double* lambda)
    {
        double delta[6][6] = {}, q[6][6], qNorm[6], sums[6] = {};
        for (int k = 0; k < n; ++k)
            delta[k][k] = 1e-8;
        double t = 0;
        for (int i = 0; i + 1 < valid; ++i) {
            t = (i + 1) * h;
            const double* next = orbit[i + 1].c;
            double volume = 1;
            for (int k = 0; k < n; ++k) {
                double start[6], end[6];
                for (int j = 0; j < 6; ++j)
                    start[j] = orbit[i].c[j] + delta[k][j];
                rungeKutta(start, h, end);
                for (int j = 0; j < 6; ++j)
                    q[k][j] = end[j] - next[j];
                for (int m = 0; m < k; ++m) {
                    double d = 0;
                    for (int j = 0; j < 6; ++j)
                        d += q[k][j] * q[m][j];
                    const double c = d / (qNorm[m] * qNorm[m]);
                    for (int j = 0; j < 6; ++j)
                        q[k][j] -= c * q[m][j];
                }
                double qq = 0, dd = 0;
                for (int j = 0; j < 6; ++j) {
                    qq += q[k][j] * q[k][j];
                    dd += delta[k][j] * delta[k][j];
                }
                qNorm[k] = std::sqrt(qq);
                volume *= qNorm[k] / std::sqrt(dd);
                sums[k] += std::log(volume);
            }
            for (int k = 0; k < n; ++k) {
                double dd = 0;
                for (int j = 0; j < 6; ++j)
                    dd += delta[k][j] * delta[k][j];
                const double scale = std::sqrt(dd) / qNorm[k];
                for (int j = 0; j < 6; ++j)
                    delta[k][j] = q[k][j] * scale;
            }
        }
        for (int k = 0; k < n; ++k)
            lambda[k] = sums[k] / t - (k > 0 ? sums[k - 1] / t : 0.0);
    }
};

void engineSpectrum(benchmark::State& state, const ModelSetup* setup)
{
    DynamicsEngine* engine = engineFor(*setup);
    if (!engine) {
        state.SkipWithError("model library not available");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(engine->lyapunovSpectrum());
    state.counters["lambda0"] = engine->lyapunovSpectrum()[0];
}

void referenceSpectrum(benchmark::State& state, const ModelSetup* setup)
{
    DynamicsEngine* engine = engineFor(*setup);
    if (!engine) {
        state.SkipWithError("model library not available");
        return;
    }
    Reference reference{engine->binding.modelFunction, setup->dimension, {0}, {}, {}, {0.0}};
    for (int j = 0; j < 10; ++j)
        reference.parameters[j] = engine->binding.parameterArg[j];
    double lambda[6] = {};
    for (auto _ : state) {
        reference.spectrum(engine->orbit, engine->recordInUse.validPointCount,
                           engine->recordInUse.Sampling_Interval, lambda);
        benchmark::DoNotOptimize(lambda);
    }
    state.counters["lambda0"] = lambda[0];
}

void recurrenceMatrix(benchmark::State& state)
{
    DynamicsEngine* engine = engineFor(kLorenz);
    if (!engine) {
        state.SkipWithError("model library not available");
        return;
    }
    RecurrenceMatrix matrix;
    for (auto _ : state) {
        matrix.compute(*engine, 1000);
        benchmark::DoNotOptimize(renderRecurrenceImage(matrix));
    }
}

void readSeries(benchmark::State& state)
{
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "attrava_bench_series.txt";
    {
        std::ofstream out(path);
        for (int i = 0; i < 100000; ++i)
            out << std::sin(i * 0.01) * 1000.0 << '\n';
    }
    DynamicsEngine engine;
    engine.recordInUse.seriesFile = path.string();
    engine.recordInUse.dataFormat = 1;
    CollectingReporter reporter;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.readSeriesFile(reporter));
    state.counters["values"] = engine.recordInUse.seriesCount;
    std::filesystem::remove(path);
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    for (const ModelSetup* setup : {&kLorenz, &kHyperchaos}) {
        const std::string name = setup->name;
        benchmark::RegisterBenchmark(("engine/" + name).c_str(), engineSpectrum, setup)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(5);
        benchmark::RegisterBenchmark(("reference/" + name).c_str(), referenceSpectrum, setup)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(5);
    }
    benchmark::RegisterBenchmark("recurrence/N1000", recurrenceMatrix)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("readSeries/100000", readSeries)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nLyapunov spectrum, mode 1, %d points (medians in ms):\n", kOrbitPoints);
    for (const ModelSetup* setup : {&kLorenz, &kHyperchaos}) {
        const std::string name = setup->name;
        const double engineReal = reporter.median("engine/" + name);
        const double referenceReal = reporter.median("reference/" + name);
        const double engineCpu = reporter.cpuMedian("engine/" + name);
        const double referenceCpu = reporter.cpuMedian("reference/" + name);
        if (referenceReal == 0.0 || referenceCpu == 0.0)
            continue;
        std::printf("  %-18s real: engine %8.2f reference %8.2f ratio %.3f | "
                    "cpu: engine %8.2f reference %8.2f ratio %.3f (target <= 1.3)\n",
                    name.c_str(), engineReal, referenceReal, engineReal / referenceReal, engineCpu,
                    referenceCpu, engineCpu / referenceCpu);
    }
    return 0;
}
