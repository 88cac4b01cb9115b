// Fuzz target of the time-series reader in its six layouts (data only or
// time-data pairs; integer or real data; integer or real time). Whatever the
// file, the reader keeps at most the limit, every kept value is finite, and a
// stop at a bad item is reported at the index of the values kept.
#include "fuzz_support.h"

#include "dynamics/dynamics_engine.h"
#include "models/reporter.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = scratchFolder() + "series.txt";
    FUZZ_CHECK(writeBytes(path, asText(data, size)), "cannot write the series file");

    struct Layout {
        int storageForm, dataFormat, timeFormat;
    };
    constexpr Layout kLayouts[] = {{0, 0, 0}, {0, 1, 0}, {1, 0, 0},
                                   {1, 0, 1}, {1, 1, 0}, {1, 1, 1}};
    // A small limit as well as a large one, so that stopping at the limit is reached too.
    const int limit = size > 0 && data[0] % 2 == 0 ? 7 : 100000;
    for (const Layout& layout : kLayouts) {
        DynamicsEngine engine;
        engine.recordInUse.seriesFile = path;
        engine.recordInUse.storageForm = layout.storageForm;
        engine.recordInUse.dataFormat = layout.dataFormat;
        engine.recordInUse.timeFormat = layout.timeFormat;
        engine.recordInUse.seriesLimit = limit;
        CollectingReporter reporter;
        const SeriesReadResult result = engine.readSeriesFile(reporter);
        FUZZ_CHECK(result.opened, "an existing series file did not open");
        FUZZ_CHECK(engine.series.size() <= static_cast<std::size_t>(limit), "more values than the limit");
        FUZZ_CHECK(engine.recordInUse.seriesCount == static_cast<int>(engine.series.size()),
                   "the count differs from the values kept");
        for (double value : engine.series)
            FUZZ_CHECK(std::isfinite(value), "a kept value is not finite");
        if (result.stoppedAtBadItem)
            FUZZ_CHECK(result.badItemIndex == static_cast<long>(engine.series.size()),
                       "the bad item is not the one after the values kept");

        engine.recordInUse.Dimension = 3;
        engine.recordInUse.delay = 1 + (size > 1 ? data[1] % 4 : 0);
        engine.computeSeriesBounds();
        engine.reconstruct();
        FUZZ_CHECK(engine.orbit.size() == static_cast<std::size_t>(engine.recordInUse.validPointCount),
                   "the reconstruction count differs from its orbit");
    }
    return 0;
}
