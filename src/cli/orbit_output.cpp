#include "cli/orbit_output.h"

#include "cli/ordered_text_writer.h"
#include "dynamics/general17.h"

#include <algorithm>
#include <chrono>

namespace {

// Points per stretch: large enough that handing a stretch over costs nothing
// against formatting it, small enough to keep all cores busy early.
constexpr int kStretchPoints = 16384;

// The longest text of `points` lines of `dimension` numbers, with room for
// what writing the last number may put behind it.
std::size_t maxTextBytes(std::size_t points, int dimension)
{
    return points * static_cast<std::size_t>(dimension) * (kGeneral17MaxLength + 1) + kGeneral17Bytes;
}

// Writes `points` lines of `dimension` numbers, value(i, k) the k-th of line
// i; returns the number of characters.
template <class Value>
std::size_t writeLines(char* text, std::size_t points, int dimension, Value value)
{
    char* at = text;
    for (std::size_t i = 0; i < points; ++i) {
        for (int k = 0; k < dimension; ++k) {
            if (k > 0)
                *at++ = ' ';
            at = writeGeneral17(at, value(i, k));
        }
        *at++ = '\n';
    }
    return static_cast<std::size_t>(at - text);
}

}  // namespace

bool writeOrbitPoints(std::FILE* out, const std::vector<StateVector>& orbit, int count,
                      int dimension)
{
    const std::size_t points = std::min(static_cast<std::size_t>(std::max(count, 0)), orbit.size());
    OrderedTextWriter writer(out);
    for (std::size_t first = 0; first < points; first += kStretchPoints) {
        const StateVector* stretch = orbit.data() + first;
        const std::size_t length = std::min<std::size_t>(kStretchPoints, points - first);
        writer.add(maxTextBytes(length, dimension), [stretch, length, dimension](char* text) {
            return writeLines(text, length, dimension,
                              [stretch](std::size_t i, int k) { return stretch[i].c[k]; });
        });
    }
    return writer.finish();
}

WrittenOrbit writeEngineOrbit(DynamicsEngine& engine, std::FILE* out)
{
    ModelRecord& record = engine.recordInUse;
    WrittenOrbit result;
    if (record.Auto_Sampling_Interval_Flag == 1) {
        const auto started = std::chrono::steady_clock::now();
        result.allocated = engine.computeOrbit();
        result.integrationSeconds = secondsSince(started);
        if (!result.allocated)
            return result;
        result.validPoints = record.validPointCount;
        result.diverged = engine.diverged != 0;
        result.written = writeOrbitPoints(out, engine.orbit, record.validPointCount, record.Dimension);
        return result;
    }

    // Each stretch after the first starts from the last point of the one
    // before, which is not written again; a fixed step depends on nothing but
    // the state, so the points are those of one long orbit.
    const int total = std::max(record.Sampling_Point, 0);
    const StateVector start = record.Setting;
    const int dimension = record.Dimension;
    OrderedTextWriter writer(out);
    int done = 0;
    while (done < total && !result.diverged) {
        const int skip = done == 0 ? 0 : 1;
        record.Sampling_Point = std::min(kStretchPoints, total - done) + skip;
        const auto started = std::chrono::steady_clock::now();
        result.allocated = engine.computeOrbit();
        result.integrationSeconds += secondsSince(started);
        if (!result.allocated)
            break;
        const int valid = record.validPointCount;
        result.diverged = engine.diverged != 0;
        if (valid > skip) {
            // The used components, copied: the engine's arrays take the next
            // stretch while this one is formatted.
            const auto length = static_cast<std::size_t>(valid - skip);
            std::vector<double> values;
            values.reserve(length * static_cast<std::size_t>(dimension));
            for (int i = skip; i < valid; ++i)
                values.insert(values.end(), engine.orbit[static_cast<std::size_t>(i)].c,
                              engine.orbit[static_cast<std::size_t>(i)].c + dimension);
            writer.add(maxTextBytes(length, dimension),
                       [values = std::move(values), length, dimension](char* text) {
                           return writeLines(text, length, dimension, [&](std::size_t p, int k) {
                               return values[p * static_cast<std::size_t>(dimension) +
                                             static_cast<std::size_t>(k)];
                           });
                       });
            done += valid - skip;
            record.Setting = engine.orbit[static_cast<std::size_t>(valid - 1)];
        }
    }
    result.written = writer.finish();
    record.Sampling_Point = total;
    record.Setting = start;
    record.validPointCount = done;
    result.validPoints = done;
    return result;
}
