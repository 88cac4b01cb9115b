// Speed of the recurrence quantification. The row-by-row measure over a
// k-d tree (eps chosen for RR = 5 %) is timed on 10,000 and 100,000 points of
// a Lorenz orbit, and a plain reference that fills the whole N x N recurrence
// matrix and scans its diagonals and columns is timed on the 10,000 points in
// the same run. Prints the ratios of the medians against the reference and
// whether both give the same measures (target: 10,000 points under 0.15 s).
#include "dynamics/recurrence_quantification.h"

#include "median_reporter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// x, y, z of the Lorenz system (10, 28, 8/3) every 0.01 time units after a
// transient, by fourth-order Runge-Kutta.
PhasePoints lorenzPoints(std::size_t count)
{
    const auto derivative = [](const double* s, double* d) {
        d[0] = 10.0 * (s[1] - s[0]);
        d[1] = s[0] * (28.0 - s[2]) - s[1];
        d[2] = s[0] * s[1] - 8.0 / 3.0 * s[2];
    };
    double s[3] = {1.0, 1.0, 20.0};
    const double h = 0.01;
    PhasePoints points;
    points.dimension = 3;
    for (std::size_t step = 0; step < count + 1000; ++step) {
        double k[4][3], t[3];
        derivative(s, k[0]);
        for (int c = 0; c < 3; ++c)
            t[c] = s[c] + 0.5 * h * k[0][c];
        derivative(t, k[1]);
        for (int c = 0; c < 3; ++c)
            t[c] = s[c] + 0.5 * h * k[1][c];
        derivative(t, k[2]);
        for (int c = 0; c < 3; ++c)
            t[c] = s[c] + h * k[2][c];
        derivative(t, k[3]);
        for (int c = 0; c < 3; ++c)
            s[c] += h / 6.0 * (k[0][c] + 2.0 * k[1][c] + 2.0 * k[2][c] + k[3][c]);
        if (step >= 1000)
            points.coordinates.insert(points.coordinates.end(), s, s + 3);
    }
    return points;
}

const PhasePoints& pointsOf(std::size_t count)
{
    static const PhasePoints small = lorenzPoints(10000);
    static const PhasePoints large = lorenzPoints(100000);
    return count == 10000 ? small : large;
}

// The reference: the whole matrix as one bit per cell, then every diagonal
// and every column scanned for lines (Theiler window 1, lines of length >= 2).
RecurrenceQuantities matrixReference(const PhasePoints& points, double eps)
{
    const std::size_t n = points.count();
    std::vector<bool> matrix(n * n, false);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j)
            matrix[i * n + j] =
                i != j && squaredDistance(points.point(i), points.point(j), 3) <= eps * eps;
    std::vector<double> diagonal(n + 1, 0.0), vertical(n + 1, 0.0);
    double recurrences = 0.0;
    for (std::size_t d = 1; d < n; ++d) {
        std::size_t run = 0;
        for (std::size_t i = 0; i + d <= n; ++i) {
            if (i + d < n && matrix[i * n + i + d]) {
                ++run;
                ++recurrences;
            } else if (run > 0) {
                diagonal[run] += 2.0;
                run = 0;
            }
        }
    }
    for (std::size_t j = 0; j < n; ++j) {
        std::size_t run = 0;
        for (std::size_t i = 0; i <= n; ++i) {
            if (i < n && matrix[i * n + j]) {
                ++run;
            } else if (run > 0) {
                vertical[run] += 1.0;
                run = 0;
            }
        }
    }
    RecurrenceQuantities q;
    q.epsilon = eps;
    double onDiagonals = 0.0, diagonalLines = 0.0, onVerticals = 0.0, verticalLines = 0.0;
    for (std::size_t l = 2; l <= n; ++l) {
        onDiagonals += static_cast<double>(l) * diagonal[l];
        diagonalLines += diagonal[l];
        onVerticals += static_cast<double>(l) * vertical[l];
        verticalLines += vertical[l];
        if (diagonal[l] > 0.0)
            q.Lmax = static_cast<std::int64_t>(l);
    }
    for (std::size_t l = 2; l <= n; ++l)
        if (diagonal[l] > 0.0)
            q.ENTR -= diagonal[l] / diagonalLines * std::log(diagonal[l] / diagonalLines);
    q.RR = 2.0 * recurrences / (static_cast<double>(n) * static_cast<double>(n - 1));
    q.DET = onDiagonals / (2.0 * recurrences);
    q.L = onDiagonals / diagonalLines;
    q.LAM = onVerticals / (2.0 * recurrences);
    q.TT = onVerticals / verticalLines;
    return q;
}

RecurrenceQuantities lastTree, lastReference;

void treeMeasure(benchmark::State& state, std::size_t count)
{
    const PhasePoints& points = pointsOf(count);
    RecurrenceOptions options;
    options.targetRate = 0.05;
    for (auto _ : state) {
        lastTree = quantifyRecurrence(points, options);
        benchmark::DoNotOptimize(lastTree);
    }
    state.counters["RR"] = lastTree.RR;
    state.counters["DET"] = lastTree.DET;
}

void referenceMeasure(benchmark::State& state)
{
    const PhasePoints& points = pointsOf(10000);
    const double eps = radiusForRecurrenceRate(points, 0.05, 1);
    for (auto _ : state) {
        lastReference = matrixReference(points, eps);
        benchmark::DoNotOptimize(lastReference);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("rqa/tree/10000", treeMeasure, std::size_t{10000})
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("rqa/matrixReference", referenceMeasure)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(3);
    const RecurrenceQuantities small = [] {
        RecurrenceOptions options;
        options.targetRate = 0.05;
        return quantifyRecurrence(pointsOf(10000), options);
    }();
    benchmark::RegisterBenchmark("rqa/tree/100000", treeMeasure, std::size_t{100000})
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(3);

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double reference = reporter.median("rqa/matrixReference");
    const double referenceCpu = reporter.cpuMedian("rqa/matrixReference");
    std::printf("\nRecurrence quantification, RR 5 %%, Lorenz orbit (medians in ms):\n");
    std::printf("  matrix reference N=10000: real %9.2f cpu %9.2f\n", reference, referenceCpu);
    for (const char* name : {"rqa/tree/10000", "rqa/tree/100000"}) {
        const double real = reporter.median(name);
        const double cpu = reporter.cpuMedian(name);
        if (real == 0.0 || reference == 0.0)
            continue;
        std::printf("  %-16s real %9.2f cpu %9.2f  ratio to reference real %.3f cpu %.3f\n", name,
                    real, cpu, real / reference, cpu / referenceCpu);
    }
    std::printf("  target: N=10000 under 150 ms\n");
    const auto same = [](double a, double b) { return std::abs(a - b) <= 1e-9 * std::abs(b); };
    const bool agree = same(small.RR, lastReference.RR) && same(small.DET, lastReference.DET) &&
                       same(small.L, lastReference.L) && small.Lmax == lastReference.Lmax &&
                       same(small.ENTR, lastReference.ENTR) && same(small.LAM, lastReference.LAM) &&
                       same(small.TT, lastReference.TT);
    std::printf("  N=10000 measures %s the reference: RR %.5f DET %.5f L %.4f Lmax %lld ENTR %.4f "
                "LAM %.5f TT %.4f\n",
                agree ? "agree with" : "DIFFER from", small.RR, small.DET, small.L,
                static_cast<long long>(small.Lmax), small.ENTR, small.LAM, small.TT);
    return agree ? 0 : 1;
}
