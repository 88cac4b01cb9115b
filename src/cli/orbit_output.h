// Writes orbit points as text: one line per point, the first `dimension`
// components with "%.17g" (enough digits to read every double back exactly),
// separated by one blank. Stretches of points are formatted side by side on
// the machine's cores and written in order.
#pragma once

#include "core/state_vector.h"
#include "dynamics/dynamics_engine.h"

#include <chrono>
#include <cstdio>
#include <vector>

// Writes the first `count` points of the orbit; false when a write fails.
bool writeOrbitPoints(std::FILE* out, const std::vector<StateVector>& orbit, int count,
                      int dimension);

// Seconds from `start` until now (the orbit command's timings).
inline double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// What integrating and writing an engine's orbit came to.
struct WrittenOrbit {
    bool allocated = true;  // false: no memory for the orbit, nothing written
    bool written = true;    // false: a write failed
    int validPoints = 0;
    bool diverged = false;
    double integrationSeconds = 0.0;
};

// Integrates the engine's orbit and writes its valid points, the same text as
// computeOrbit followed by writeOrbitPoints. With a fixed interval the orbit is
// integrated a stretch at a time, each stretch formatted while the next is
// integrated, so only one stretch is ever held; the automatic interval carries
// its step from point to point, so its orbit is integrated whole first. The
// engine's record is left as it was, with the valid point count set.
WrittenOrbit writeEngineOrbit(DynamicsEngine& engine, std::FILE* out);
