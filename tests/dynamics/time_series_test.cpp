#include "dynamics/dynamics_engine.h"
#include "models/reporter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

struct Layout {
    int storageForm;
    int dataFormat;
    int timeFormat;
};

class TimeSeriesTest : public ::testing::Test {
protected:
    // Writes text to a file of its own and points the engine's record at it.
    void useFile(const std::string& text)
    {
        TearDown();
        path_ = std::filesystem::path(::testing::TempDir()) /
                (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                 "_" + std::to_string(files_++) + ".txt");
        std::ofstream(path_, std::ios::binary) << text;
        engine.recordInUse.seriesFile = path_.string();
    }

    SeriesReadResult read(const std::string& text, Layout layout)
    {
        useFile(text);
        engine.recordInUse.storageForm = layout.storageForm;
        engine.recordInUse.dataFormat = layout.dataFormat;
        engine.recordInUse.timeFormat = layout.timeFormat;
        return engine.readSeriesFile(reporter);
    }

    void TearDown() override
    {
        if (!path_.empty())
            std::filesystem::remove(path_);
    }

    DynamicsEngine engine;
    CollectingReporter reporter;
    std::filesystem::path path_;
    int files_ = 0;
};

TEST_F(TimeSeriesTest, EachOfTheSixLayoutsKeepsTheDataValues)
{
    struct Case {
        Layout layout;
        std::string text;
        std::vector<double> expected;
    };
    const Case cases[] = {
        {{0, 0, 1}, "3 -4\n+5\t6", {3, -4, 5, 6}},
        {{0, 1, 0}, "1.5 -2e-3\r\n7", {1.5, -2e-3, 7}},
        {{1, 0, 0}, "0 10\n1 11\n2 12\n", {10, 11, 12}},
        {{1, 0, 1}, "0.0 10\n0.5 11\n", {10, 11}},
        {{1, 1, 0}, "0 1.5\n1 2.5\n", {1.5, 2.5}},
        {{1, 1, 1}, "0.25 -1.5   0.5 2.5e1", {-1.5, 25.0}},
    };
    for (const Case& c : cases) {
        const SeriesReadResult result = read(c.text, c.layout);
        const std::string label = "layout " + std::to_string(c.layout.storageForm) +
                                  std::to_string(c.layout.dataFormat) +
                                  std::to_string(c.layout.timeFormat);
        EXPECT_TRUE(result.opened) << label;
        EXPECT_FALSE(result.stoppedAtBadItem) << label << " stopped at " << result.badItemText;
        EXPECT_EQ(engine.series, c.expected) << label;
        EXPECT_EQ(engine.recordInUse.seriesCount, static_cast<int>(c.expected.size())) << label;
    }
    EXPECT_EQ(engine.orbitReady, 1);
    EXPECT_TRUE(reporter.failures.empty());
}

TEST_F(TimeSeriesTest, KeepsExactlySeriesLimitValues)
{
    std::string text;
    for (int i = 0; i < 100005; ++i)
        text += std::to_string(i) + ' ';
    read(text, {0, 0, 0});
    ASSERT_EQ(engine.recordInUse.seriesCount, 100000);
    ASSERT_EQ(engine.series.size(), 100000u);
    EXPECT_EQ(engine.series.front(), 0.0);
    EXPECT_EQ(engine.series.back(), 99999.0);

    engine.recordInUse.seriesLimit = 7;
    const SeriesReadResult result = read("1 2 3 4 5 6 7 8 x", {0, 0, 0});
    EXPECT_EQ(engine.series, (std::vector<double>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_FALSE(result.stoppedAtBadItem);
}

TEST_F(TimeSeriesTest, StopsAtAnItemTheFormatCannotConvert)
{
    struct Case {
        Layout layout;
        std::string text;
        std::vector<double> kept;
        long index;
        std::string item;
    };
    const Case cases[] = {
        // "%d" reads the 3 of 3.5; the decimal point starts the next item.
        {{0, 0, 0}, "1 2 3.5 4", {1, 2, 3}, 3, ".5"},
        {{0, 0, 0}, "1,2,3", {1}, 1, ",2,3"},
        {{0, 1, 0}, "1.5 2.5 abc 4", {1.5, 2.5}, 2, "abc"},
        {{0, 1, 0}, "x", {}, 0, "x"},
        // Values a double cannot hold, and non-numbers, are not data.
        {{0, 1, 0}, "1 nan 2", {1}, 1, "nan"},
        {{0, 1, 0}, "1 1e999", {1}, 1, "1e999"},
        {{0, 0, 0}, "1 99999999999", {1}, 1, "99999999999"},
        {{0, 0, 0}, "1 +-2", {1}, 1, "+-2"},
        // A time whose data value is missing ends the pairs.
        {{1, 0, 0}, "0 5 1 6 2", {5, 6}, 2, ""},
        {{1, 1, 0}, "0 5 t 6", {5}, 1, "t"},
    };
    for (const Case& c : cases) {
        const SeriesReadResult result = read(c.text, c.layout);
        EXPECT_TRUE(result.stoppedAtBadItem) << c.text;
        EXPECT_EQ(result.badItemIndex, c.index) << c.text;
        EXPECT_EQ(result.badItemText, c.item) << c.text;
        EXPECT_EQ(engine.series, c.kept) << c.text;
        EXPECT_EQ(engine.recordInUse.seriesCount, static_cast<long>(c.kept.size())) << c.text;
    }
}

TEST_F(TimeSeriesTest, NonFiniteValuesAreToldApartFromNonNumbers)
{
    // Data only, reals and integers; time-data pairs.
    const std::pair<Layout, std::string> layouts[] = {
        {{0, 1, 0}, "1 "}, {{0, 0, 0}, "1 "}, {{1, 1, 1}, "0 1 0 "}, {{1, 0, 0}, "0 1 0 "}};
    for (const auto& [layout, before] : layouts) {
        for (const std::string item : {"nan", "inf", "-inf", "+INF", "NaN"}) {
            const SeriesReadResult result = read(before + item + " 0 3", layout);
            EXPECT_TRUE(result.stoppedAtBadItem && result.badItemNotFinite) << item;
            EXPECT_EQ(result.badItemText, item);
            EXPECT_EQ(engine.series, std::vector<double>{1}) << item;
        }
    }
    EXPECT_FALSE(read("0 1 0 abc", {1, 1, 1}).badItemNotFinite);
}

TEST_F(TimeSeriesTest, EmptyFileLeavesAnEmptySeriesAndTheReadyFlag)
{
    read("1 2 3", {0, 0, 0});
    engine.orbitReady = 0;
    const SeriesReadResult result = read(" \n\t ", {0, 0, 0});
    EXPECT_TRUE(result.opened);
    EXPECT_FALSE(result.stoppedAtBadItem);
    EXPECT_TRUE(engine.series.empty());
    EXPECT_EQ(engine.recordInUse.seriesCount, 0);
    EXPECT_EQ(engine.orbitReady, 0);

    engine.orbitReady = 1;
    read("", {1, 1, 1});
    EXPECT_EQ(engine.orbitReady, 1);
}

TEST_F(TimeSeriesTest, UnopenableFileIsReportedAndChangesNothing)
{
    read("4 5 6", {0, 0, 0});
    engine.recordInUse.seriesFile = (std::filesystem::path(::testing::TempDir()) / "missing" /
                                     "none.txt")
                                        .string();
    const SeriesReadResult result = engine.readSeriesFile(reporter);
    EXPECT_FALSE(result.opened);
    ASSERT_EQ(reporter.failures, std::vector<Failure>{Failure(FailureKind::SeriesUnreadable,
                                                              engine.recordInUse.seriesFile)});
    EXPECT_EQ(engine.series, (std::vector<double>{4, 5, 6}));
    EXPECT_EQ(engine.recordInUse.seriesCount, 3);

    // A folder opens for reading on this system, but it is no data file.
    engine.recordInUse.seriesFile = ::testing::TempDir();
    EXPECT_FALSE(engine.readSeriesFile(reporter).opened);
    EXPECT_EQ(reporter.failures.size(), 2u);
    EXPECT_EQ(engine.series, (std::vector<double>{4, 5, 6}));
}

TEST_F(TimeSeriesTest, BoundsSpanTheSeries)
{
    read("3 -7 12 0 5", {0, 0, 0});
    engine.computeSeriesBounds();
    EXPECT_EQ(engine.seriesMin, -7.0);
    EXPECT_EQ(engine.seriesMax, 12.0);
}

TEST_F(TimeSeriesTest, ReconstructsDelayVectors)
{
    read("1 2 3 4 5 6 7 8 9 10", {0, 0, 0});
    ASSERT_EQ(engine.recordInUse.seriesCount, 10);
    engine.recordInUse.Dimension = 3;
    engine.recordInUse.delay = 2;
    engine.computeDisplayBasis();
    engine.diverged = 1;
    engine.reconstruct();

    EXPECT_EQ(engine.diverged, 0) << "the reconstruction replaces a diverged model orbit";
    ASSERT_EQ(engine.recordInUse.validPointCount, 5);
    ASSERT_EQ(engine.orbit.size(), 5u);
    ASSERT_EQ(engine.displayPoints.size(), 5u);
    for (int k = 0; k < 5; ++k) {
        const StateVector expected(k + 1, k + 3, k + 5, 0, 0, 0);
        EXPECT_EQ(engine.orbit[k], expected) << "vector " << k;
        EXPECT_EQ(engine.displayPoints[k], Vector3(k + 1, k + 3, k + 5)) << "vector " << k;
    }
}

TEST_F(TimeSeriesTest, SeriesTooShortGivesAnEmptyOrbit)
{
    engine.recordInUse.Dimension = 3;
    engine.recordInUse.delay = 2;
    engine.computeDisplayBasis();
    struct Case {
        std::string text;
        int vectors;
    };
    const Case cases[] = {{"", 0}, {"1 2 3 4", 0}, {"1 2 3 4 5", 0}, {"1 2 3 4 5 6", 1}};
    for (const Case& c : cases) {
        read(c.text, {0, 0, 0});
        engine.reconstruct();
        EXPECT_EQ(engine.recordInUse.validPointCount, c.vectors) << c.text;
        EXPECT_EQ(engine.orbit.size(), static_cast<std::size_t>(c.vectors)) << c.text;
        EXPECT_EQ(engine.displayPoints.size(), static_cast<std::size_t>(c.vectors)) << c.text;
    }
    EXPECT_EQ(engine.orbit[0], StateVector(1, 3, 5, 0, 0, 0));
}

TEST_F(TimeSeriesTest, DelayZeroReconstructsNothing)
{
    read("1 2 3 4 5 6 7 8", {0, 0, 0});
    engine.recordInUse.Dimension = 3;
    engine.recordInUse.delay = 0;
    engine.computeDisplayBasis();
    engine.reconstruct();
    EXPECT_EQ(engine.recordInUse.validPointCount, 0);
    EXPECT_TRUE(engine.orbit.empty());
    EXPECT_TRUE(engine.displayPoints.empty());
}

// Bytes this process has read from files so far (Linux /proc/self/io).
long long bytesReadSoFar()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value)
        if (key == "rchar:")
            return value;
    return -1;
}

TEST_F(TimeSeriesTest, TenMillionValuesAreReadUpToTheLimitOnly)
{
    constexpr long kValues = 10000000;
    std::string text;
    text.reserve(kValues * 2);
    for (long k = 0; k < kValues; ++k) {
        text += static_cast<char>('0' + k % 10);
        text += '\n';
    }
    useFile(text);
    text = std::string();

    engine.recordInUse.seriesLimit = 100000;
    const long long before = bytesReadSoFar();
    ASSERT_GE(before, 0) << "no /proc/self/io";
    engine.readSeriesFile(reporter);
    const long long readBytes = bytesReadSoFar() - before;
    ASSERT_EQ(engine.series.size(), 100000u);
    EXPECT_EQ(engine.series[99999], 9.0);
    EXPECT_LT(readBytes, 2 * 100000 + 2 * (1 << 16)) << "read past the limit's values";
    EXPECT_LT(engine.series.capacity(), 2u * 100000u);

    engine.recordInUse.seriesLimit = kValues;
    const auto start = std::chrono::steady_clock::now();
    engine.readSeriesFile(reporter);
    RecordProperty("ten_million_read_seconds",
                   std::to_string(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()));
    EXPECT_EQ(engine.series.size(), static_cast<std::size_t>(kValues));
    EXPECT_EQ(engine.recordInUse.seriesCount, kValues);
}

}  // namespace
