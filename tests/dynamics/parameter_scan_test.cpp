// Parameter scans: event detection on hand-made and known periodic orbits,
// and results that depend neither on the thread count nor on the shard split.
#include "dynamics/orbit_events.h"
#include "dynamics/parameter_scan.h"

#include "dynamics/test_models.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// dx/dt = y, dy/dt = -a x: from (1, 0) the orbit is x = cos(wt), y = -w sin(wt)
// with w = sqrt(a).
double oscillator(int* dimension, double* v, double* p, double*)
{
    return dimension[0] == 0 ? v[1] : -p[0] * v[0];
}

std::vector<StateVector> pointsOf(std::initializer_list<double> xs)
{
    std::vector<StateVector> points;
    for (double x : xs)
        points.push_back(StateVector(x, -x, 0, 0, 0, 0));
    return points;
}

TEST(OrbitEvents, MaximaCrossingsAndDistinctCounts)
{
    // A flat top counts once; the end points are never maxima; a symmetric
    // peak keeps its sampled value; the flat top 0, 5, 5 lies on the parabola
    // 5 + 2.5t - 2.5t^2, whose top is 5.625.
    const auto points = pointsOf({3, 1, 2, 1, 0, 5, 5, 4, 6});
    EXPECT_EQ(localMaxima(points, 0), (std::vector<double>{2.0, 5.625}));
    // (0,1) rises to the peak at 2 of the parabola through (-1,0), (0,1), (1,0.5).
    const auto skewed = pointsOf({0, 1, 0.5});
    ASSERT_EQ(localMaxima(skewed, 0).size(), 1u);
    EXPECT_NEAR(localMaxima(skewed, 0)[0], 1.0 + 0.125 * 0.25 / 1.5, 1e-15);

    // Upward crossings of x = 1.5 only, with y interpolated on the step.
    EXPECT_EQ(sectionCrossings(points, 0, 1.5, 1), (std::vector<double>{-1.5, -1.5}));
    EXPECT_EQ(sectionCrossings(pointsOf({1, 2}), 0, 1.0, 1), std::vector<double>{})
        << "starting on the plane is not a crossing from below";

    EXPECT_EQ(distinctValueCount({1.0, 3.0, 1.0005, 2.9995, 7.0}, 0.001), 3);
    EXPECT_EQ(distinctValueCount({}, 0.001), 0);
}

TEST(ParameterScan, OscillatorMaximaAndSectionValuesFollowTheFrequency)
{
    DynamicsEngine model;
    testmodels::bindModel(model, oscillator, 2, 1, {1.0});
    model.recordInUse.Setting = StateVector(1.0, 0.0, 0.0, 0.0, 0.0, 0.0);
    model.recordInUse.Sampling_Interval = 0.01;

    ScanSettings settings;
    settings.axis = {0, 1.0, 4.0, 4};
    settings.variable = 0;
    settings.transient = 100;
    settings.points = 2000;  // 20 time units
    const ScanResult maxima = runScan(model, settings);
    ASSERT_EQ(maxima.cells.size(), 4u);
    for (const ScanCell& cell : maxima.cells) {
        ASSERT_TRUE(cell.computed && cell.exists);
        const double w = std::sqrt(cell.value);
        EXPECT_NEAR(static_cast<double>(cell.values.size()), 20.0 * w / (2 * M_PI), 1.0) << cell.value;
        for (double top : cell.values)
            EXPECT_NEAR(top, 1.0, 1e-6) << cell.value;
    }

    settings.kind = ScanKind::Section;
    settings.variable = 1;
    settings.sectionVariable = 0;
    settings.sectionLevel = 0.0;
    for (const ScanCell& cell : runScan(model, settings).cells) {
        ASSERT_FALSE(cell.values.empty());
        for (double y : cell.values)
            EXPECT_NEAR(y, std::sqrt(cell.value), 1e-3) << cell.value;
    }

    // On a grid each periodic cell has one distinct maximum.
    settings.kind = ScanKind::Maxima;
    settings.variable = 0;
    settings.axis2 = ScanAxis{0, 1.0, 1.0, 2};
    settings.axis.count = 2;
    for (const ScanCell& cell : runScan(model, settings).cells)
        EXPECT_EQ(cell.values, std::vector<double>{1.0});
}

void expectSameCells(const std::vector<ScanCell>& a, const std::vector<ScanCell>& b, const char* what)
{
    ASSERT_EQ(a.size(), b.size()) << what;
    for (std::size_t c = 0; c < a.size(); ++c) {
        EXPECT_EQ(a[c].exists, b[c].exists) << what << " cell " << c;
        EXPECT_EQ(a[c].values, b[c].values) << what << " cell " << c;
    }
}

TEST(ParameterScan, ThreadCountAndShardSplitDoNotChangeTheResults)
{
    DynamicsEngine model;
    testmodels::bindLorenz(model);
    for (const ScanKind kind : {ScanKind::Spectrum, ScanKind::Maxima}) {
        for (const bool chained : {false, true}) {
            ScanSettings settings;
            settings.kind = kind;
            settings.axis = {1, 20.0, 30.0, 5};
            settings.axis2 = ScanAxis{0, 9.0, 11.0, 2};
            settings.transient = 200;
            settings.points = 800;
            settings.continueFromPrevious = chained;
            const ScanResult single = runScan(model, settings);
            for (const ScanCell& cell : single.cells)
                ASSERT_TRUE(cell.computed && cell.exists && cell.values.size() == 1);

            settings.threads = 3;
            expectSameCells(runScan(model, settings).cells, single.cells, "three threads");

            // Three shards (of 4, 3 and 3 cells) put together.
            std::vector<ScanCell> joined(single.cells.size());
            for (int shard = 0; shard < 3; ++shard) {
                settings.shardIndex = shard;
                settings.shardCount = 3;
                for (const ScanCell& cell : runScan(model, settings).cells)
                    if (cell.computed)
                        joined[static_cast<std::size_t>(cell.j * 5 + cell.i)] = cell;
            }
            expectSameCells(joined, single.cells, "shards");
        }
    }

    // A continued row starts each value where the previous one ended.
    ScanSettings settings;
    settings.axis = {1, 28.0, 28.0, 2};
    settings.transient = 0;
    settings.points = 500;
    settings.continueFromPrevious = true;
    const ScanResult chained = runScan(model, settings);
    settings.continueFromPrevious = false;
    const ScanResult fresh = runScan(model, settings);
    EXPECT_EQ(chained.cells[0].values, fresh.cells[0].values);
    EXPECT_NE(chained.cells[1].values, fresh.cells[1].values);
}

TEST(ParameterScan, ControlStopsTheWorkersAndEveryComputedCellIsHandedOver)
{
    DynamicsEngine model;
    testmodels::bindLorenz(model);
    ScanSettings settings;
    settings.axis = {1, 20.0, 30.0, 6};
    settings.transient = 100;
    settings.points = 400;
    settings.threads = 2;

    // Each cell comes once, complete, and the progress ends at the whole.
    std::vector<int> handed(6, 0);
    std::vector<std::vector<double>> seen(6);
    double last = 0.0;
    const JobControl reporting({}, [&](double fraction) { last = fraction; });
    const ScanResult whole = runScan(model, settings, reporting, [&](const ScanCell& cell) {
        ++handed[static_cast<std::size_t>(cell.i)];
        seen[static_cast<std::size_t>(cell.i)] = cell.values;
    });
    EXPECT_FALSE(whole.cancelled);
    EXPECT_EQ(last, 1.0);
    for (const ScanCell& cell : whole.cells) {
        EXPECT_EQ(handed[static_cast<std::size_t>(cell.i)], 1) << cell.i;
        EXPECT_EQ(seen[static_cast<std::size_t>(cell.i)], cell.values) << cell.i;
    }

    // A stop asked for after the first cell leaves the rest undone.
    std::stop_source stop;
    int cells = 0;
    settings.threads = 1;
    const ScanResult stopped = runScan(model, settings, JobControl(stop.get_token(), {}),
                                       [&](const ScanCell&) {
                                           ++cells;
                                           stop.request_stop();
                                       });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(cells, 1);
    EXPECT_FALSE(stopped.cells.back().computed);
}

}  // namespace
