#include "dynamics/colour_scale.h"
#include "dynamics/dynamics_engine.h"
#include "dynamics/recurrence.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

// Stores points as the engine's orbit: `stored` entries, of which `valid`
// count, with Sampling_Point `samplingPoint`.
template <typename PointAt>
void fillOrbit(DynamicsEngine& engine, int samplingPoint, int stored, int valid, PointAt pointAt)
{
    engine.recordInUse.Sampling_Point = samplingPoint;
    engine.recordInUse.validPointCount = valid;
    engine.orbit.assign(stored, StateVector{});
    for (int i = 0; i < stored; ++i)
        engine.orbit[i] = pointAt(i);
}

StateVector indexPoint(int i) { return StateVector(i, 2.0 * i, 0, 0, 0, 0.5); }

void expectColourValuesWithinScale(const RecurrenceMatrix& matrix)
{
    for (int i = 0; i < matrix.N; ++i)
        for (int j = 0; j < matrix.N; ++j) {
            const double v = matrix.colourValue(i, j);
            ASSERT_TRUE(v >= 0.0 && v <= 256.0) << "entry (" << i << ", " << j << ") = " << v;
        }
}

TEST(RecurrenceMatrix, SamplesEveryStrideThPoint)
{
    DynamicsEngine engine;
    fillOrbit(engine, 10000, 10000, 10000, indexPoint);
    RecurrenceMatrix matrix;
    matrix.compute(engine, 500);
    EXPECT_EQ(matrix.N, 500);
    EXPECT_EQ(matrix.stride, 20);
    ASSERT_EQ(matrix.distances.size(), 500u * 500u);
    for (int i : {0, 1, 250, 499})
        for (int j : {0, 3, 499}) {
            const double expected = norm(engine.orbit[20 * i] - engine.orbit[20 * j]);
            EXPECT_EQ(matrix.distance(i, j), expected) << "(" << i << ", " << j << ")";
        }
    const double step = norm(indexPoint(20) - indexPoint(0));
    EXPECT_DOUBLE_EQ(matrix.dMin, step);
    EXPECT_DOUBLE_EQ(matrix.dMax, 499 * step);
}

TEST(RecurrenceMatrix, ShortOrbitUsesEveryPoint)
{
    DynamicsEngine engine;
    fillOrbit(engine, 300, 300, 300, indexPoint);
    RecurrenceMatrix matrix;
    matrix.compute(engine, 500);
    EXPECT_EQ(matrix.N, 300);
    EXPECT_EQ(matrix.stride, 1);
    EXPECT_EQ(matrix.distance(299, 0), norm(indexPoint(299) - indexPoint(0)));
}

TEST(RecurrenceMatrix, StaysWithinTheValidStoredPoints)
{
    // A reconstructed series holds fewer vectors than Sampling_Point.
    DynamicsEngine engine;
    fillOrbit(engine, 10000, 700, 700, indexPoint);
    RecurrenceMatrix matrix;
    matrix.compute(engine, 500);
    EXPECT_EQ(matrix.N, 500);
    EXPECT_EQ(matrix.stride, 1);

    // A diverged orbit: only its valid part is sampled, not the diverging
    // point or the zeros after it.
    fillOrbit(engine, 1000, 1000, 400, [](int i) {
        return i < 400 ? indexPoint(i) : (i == 400 ? StateVector(2e6, 0, 0, 0, 0, 0) : StateVector());
    });
    matrix.compute(engine, 500);
    EXPECT_EQ(matrix.N, 400);
    EXPECT_DOUBLE_EQ(matrix.dMax, norm(indexPoint(399) - indexPoint(0)));
}

TEST(RecurrenceMatrix, CircleOrbitGivesBandsParallelToTheDiagonal)
{
    const int n = 60;
    DynamicsEngine engine;
    fillOrbit(engine, n, n, n, [](int i) {
        const double angle = 2 * std::numbers::pi * i / n;
        return StateVector(std::cos(angle), std::sin(angle), 0, 0, 0, 0);
    });
    RecurrenceMatrix matrix;
    matrix.compute(engine, 500);
    ASSERT_EQ(matrix.N, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const double expected = 2 * std::sin(std::numbers::pi * std::abs(i - j) / n);
            ASSERT_NEAR(matrix.distance(i, j), expected, 1e-12) << "(" << i << ", " << j << ")";
        }
    expectColourValuesWithinScale(matrix);

    // Along each band (fixed i - j) the image holds one colour.
    const std::vector<unsigned char> image = renderRecurrenceImage(matrix);
    auto pixel = [&](int i, int j) {
        const unsigned char* p = &image[(static_cast<std::size_t>(n - 1 - j) * n + i) * 3];
        return std::array<unsigned char, 3>{p[0], p[1], p[2]};
    };
    for (int offset = 1; offset < n; ++offset)
        for (int j = 1; j + offset < n; ++j) {
            ASSERT_EQ(pixel(j + offset, j), pixel(offset, 0)) << "band " << offset;
            ASSERT_EQ(pixel(j, j + offset), pixel(0, offset)) << "band " << -offset;
        }
}

TEST(RecurrenceMatrix, ColourValuesFollowTheLogAndLinearScales)
{
    // Points 0, 1 and 100 on a line: distances 1, 99 and 100.
    DynamicsEngine engine;
    const double positions[] = {0.0, 1.0, 100.0};
    fillOrbit(engine, 3, 3, 3, [&](int i) { return StateVector(positions[i], 0, 0, 0, 0, 0); });
    RecurrenceMatrix matrix;
    matrix.compute(engine, 500);
    ASSERT_EQ(matrix.N, 3);
    EXPECT_EQ(matrix.dMin, 1.0);
    EXPECT_EQ(matrix.dMax, 100.0);

    // Above the diagonal (i < j): logarithmic.
    EXPECT_DOUBLE_EQ(matrix.colourValue(0, 1), 0.0);
    EXPECT_DOUBLE_EQ(matrix.colourValue(1, 2), std::log(99.0) * 256 / std::log(100.0));
    EXPECT_DOUBLE_EQ(matrix.colourValue(0, 2), 256.0);
    // Below (i > j): linear.
    EXPECT_DOUBLE_EQ(matrix.colourValue(2, 1), 98.0 * 256 / 99.0);
    EXPECT_DOUBLE_EQ(matrix.colourValue(1, 0), 0.0);

    // The image: entry (i, j) at row N-1-j, column i; white diagonal.
    const std::vector<unsigned char> image = renderRecurrenceImage(matrix);
    ASSERT_EQ(image.size(), 27u);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            const unsigned char* p = &image[((2 - j) * 3 + i) * 3];
            const ScaleColourBytes expected =
                i == j ? ScaleColourBytes{255, 255, 255}
                       : toBytes(ColourScale(matrix.colourValue(i, j)));
            EXPECT_EQ(p[0], expected.r) << "(" << i << ", " << j << ")";
            EXPECT_EQ(p[1], expected.g) << "(" << i << ", " << j << ")";
            EXPECT_EQ(p[2], expected.b) << "(" << i << ", " << j << ")";
        }
}

TEST(RecurrenceMatrix, CoincidentPointsUseTheSmallestPositiveDistanceForTheLogScale)
{
    DynamicsEngine engine;
    const double positions[] = {0.0, 0.0, 2.0, 8.0};
    fillOrbit(engine, 4, 4, 4, [&](int i) { return StateVector(positions[i], 0, 0, 0, 0, 0); });
    RecurrenceMatrix matrix;
    matrix.compute(engine, 500);
    EXPECT_EQ(matrix.dMin, 0.0);
    EXPECT_EQ(matrix.dMax, 8.0);
    EXPECT_EQ(matrix.colourValue(0, 1), 0.0);
    EXPECT_DOUBLE_EQ(matrix.colourValue(0, 2), 0.0);
    EXPECT_NEAR(matrix.colourValue(2, 3), std::log(6.0 / 2.0) * 256 / std::log(8.0 / 2.0), 1e-9);
    EXPECT_DOUBLE_EQ(matrix.colourValue(0, 3), 256.0);
    EXPECT_DOUBLE_EQ(matrix.colourValue(2, 0), 2.0 * 256 / 8.0);
    expectColourValuesWithinScale(matrix);
}

TEST(RecurrenceMatrix, EqualDistancesTakeOneColour)
{
    DynamicsEngine engine;
    // The corners of a regular simplex: every distance is sqrt(2).
    fillOrbit(engine, 3, 3, 3, [](int i) {
        StateVector p;
        p[i] = 1.0;
        return p;
    });
    RecurrenceMatrix matrix;
    matrix.compute(engine, 500);
    EXPECT_EQ(matrix.dMin, matrix.dMax);
    expectColourValuesWithinScale(matrix);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(matrix.colourValue(i, j), matrix.colourValue(0, 1));

    // A resting orbit: every distance 0, on both scales.
    fillOrbit(engine, 50, 50, 50, [](int) { return StateVector(1, 2, 3, 0, 0, 0); });
    matrix.compute(engine, 500);
    EXPECT_EQ(matrix.dMin, 0.0);
    EXPECT_EQ(matrix.dMax, 0.0);
    expectColourValuesWithinScale(matrix);
}

TEST(RecurrenceMatrix, DegenerateSizesGiveNoEntries)
{
    DynamicsEngine engine;
    fillOrbit(engine, 1, 1, 1, indexPoint);
    RecurrenceMatrix matrix;
    matrix.compute(engine, 500);
    EXPECT_EQ(matrix.N, 1);
    EXPECT_EQ(matrix.dMin, 0.0);
    EXPECT_EQ(renderRecurrenceImage(matrix), (std::vector<unsigned char>{255, 255, 255}));

    fillOrbit(engine, 100, 100, 100, indexPoint);
    matrix.compute(engine, 0);
    EXPECT_EQ(matrix.N, 0);
    EXPECT_TRUE(renderRecurrenceImage(matrix).empty());

    matrix.compute(engine, 10);
    matrix.clear();
    EXPECT_TRUE(matrix.distances.empty());
    EXPECT_EQ(matrix.N, 10);
}

TEST(ColourScale, RunsFromBlueThroughCyanGreenYellowToRed)
{
    struct Case {
        double value;
        double r, g, b;
    };
    const Case cases[] = {
        {0, 0, 0, 1},    {32, 0, 0.5, 1}, {64, 0, 1, 1},   {96, 0, 1, 0.5}, {128, 0, 1, 0},
        {160, 0.5, 1, 0}, {192, 1, 1, 0}, {224, 1, 0.5, 0}, {256, 1, 0, 0},
    };
    for (const Case& c : cases) {
        const ScaleColour colour = ColourScale(c.value);
        EXPECT_DOUBLE_EQ(colour.r, c.r) << "value " << c.value;
        EXPECT_DOUBLE_EQ(colour.g, c.g) << "value " << c.value;
        EXPECT_DOUBLE_EQ(colour.b, c.b) << "value " << c.value;
    }
}

TEST(ColourScale, IsContinuousAndStaysInRange)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    ScaleColour previous = ColourScale(0.0);
    for (double v = 0.25; v <= 256.0; v += 0.25) {
        const ScaleColour c = ColourScale(v);
        ASSERT_NEAR(c.r, previous.r, 1.0 / 256 + 1e-12) << "value " << v;
        ASSERT_NEAR(c.g, previous.g, 1.0 / 256 + 1e-12) << "value " << v;
        ASSERT_NEAR(c.b, previous.b, 1.0 / 256 + 1e-12) << "value " << v;
        previous = c;
    }
    for (double v : {-5.0, -inf, nan}) {
        const ScaleColour c = ColourScale(v);
        EXPECT_EQ(c.r, 0.0) << v;
        EXPECT_EQ(c.g, 0.0) << v;
        EXPECT_EQ(c.b, 1.0) << v;
    }
    for (double v : {300.0, inf}) {
        const ScaleColour c = ColourScale(v);
        EXPECT_EQ(c.r, 1.0) << v;
        EXPECT_EQ(c.g, 0.0) << v;
        EXPECT_EQ(c.b, 0.0) << v;
    }
}

TEST(ColourScale, BytesAreChannelsTimes255Truncated)
{
    const ScaleColourBytes bytes = toBytes(ColourScale(32.0));
    EXPECT_EQ(bytes.r, 0);
    EXPECT_EQ(bytes.g, 127);
    EXPECT_EQ(bytes.b, 255);
    const ScaleColourBytes red = toBytes(ColourScale(256.0));
    EXPECT_EQ(red.r, 255);
    EXPECT_EQ(red.g, 0);
}

}  // namespace

TEST(RecurrenceMatrix, ThresholdImageMarksRecurrencesAndTheTheilerBand)
{
    // Points 0, 1 and 3 on a line, every second orbit point sampled.
    RecurrenceMatrix matrix;
    matrix.N = 3;
    matrix.stride = 2;
    matrix.distances = {0, 1, 3, 1, 0, 2, 3, 2, 0};
    const auto shade = [](const std::vector<unsigned char>& image, int i, int j) {
        // Entry (i, j) is row N-1-j, column i; the three channels agree.
        const std::size_t at = (static_cast<std::size_t>(2 - j) * 3 + i) * 3;
        EXPECT_EQ(image[at], image[at + 1]);
        EXPECT_EQ(image[at], image[at + 2]);
        return static_cast<int>(image[at]);
    };
    const auto within = renderThresholdImage(matrix, 1.5, 1);
    EXPECT_EQ(shade(within, 0, 1), 0);
    EXPECT_EQ(shade(within, 1, 0), 0);
    EXPECT_EQ(shade(within, 1, 2), 255);
    EXPECT_EQ(shade(within, 0, 2), 255);
    const int band = shade(within, 1, 1);
    EXPECT_GT(band, 0);
    EXPECT_LT(band, 255);
    // W = 3 orbit steps covers sampled neighbours (2 steps apart), not (0, 2).
    const auto wide = renderThresholdImage(matrix, 5.0, 3);
    EXPECT_EQ(shade(wide, 0, 1), band);
    EXPECT_EQ(shade(wide, 0, 2), 0);
}
