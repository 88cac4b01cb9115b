#include "dynamics/orbit_colouring.h"

#include "dynamics/dynamics_engine.h"

#include <cmath>

namespace {

constexpr double kColourScaleTop = 256.0;

// The initial error the local Lyapunov exponent starts from.
constexpr StateVector kDefaultPerturbation{1e-8, 0.0, 0.0, 0.0, 0.0, 0.0};

bool usableLength(double length) { return std::isfinite(length) && length > 0.0; }

} // namespace

Vector3 componentPoint(const StateVector& x, int colourAxis)
{
    Vector3 p;
    int slot = 0;
    for (int k = 0; k < 4; ++k) {
        if (k != colourAxis)
            p[slot++] = x.c[k];
    }
    return p;
}

void componentValues(const DynamicsEngine& engine, int colourAxis, int count,
                     std::vector<double>& values)
{
    values.resize(static_cast<std::size_t>(count - 1));
    for (int i = 0; i + 1 < count; ++i)
        values[i] = engine.orbit[i].c[colourAxis];
}

void modelVelocityValues(DynamicsEngine& engine, int count, std::vector<double>& values)
{
    const int n = engine.recordInUse.Dimension;
    values.resize(static_cast<std::size_t>(count - 1));
    for (int i = 0; i + 1 < count; ++i) {
        double sum = 0.0;
        for (int k = 0; k < n; ++k) {
            const double f = engine.evaluateDerivative(k, engine.orbit[i]);
            sum += f * f;
        }
        values[i] = std::sqrt(sum);
    }
}

void dataVelocityValues(const DynamicsEngine& engine, int count, std::vector<double>& values)
{
    values.resize(static_cast<std::size_t>(count - 1));
    for (int i = 0; i + 1 < count; ++i) {
        const Vector3& a = engine.displayPoints[i];
        const Vector3& b = engine.displayPoints[i + 1];
        values[i] = Vector3{b.x - a.x, b.y - a.y, b.z - a.z}.length();
    }
}

void localLyapunovValues(DynamicsEngine& engine, StateVector& perturbation, int count,
                         std::vector<double>& values)
{
    const ModelRecord& record = engine.recordInUse;
    const bool automatic = record.Auto_Sampling_Interval_Flag != 0;
    if (!usableLength(norm(perturbation)))
        perturbation = kDefaultPerturbation;
    const double length = norm(perturbation);
    values.resize(static_cast<std::size_t>(count - 1));
    for (int i = 0; i + 1 < count; ++i) {
        const double h = automatic ? engine.stepSizes[i] : record.Sampling_Interval;
        const StateVector d = engine.rungeKuttaStep(engine.orbit[i] + perturbation, h) -
                              engine.orbit[i + 1];
        const double dLength = norm(d);
        values[i] = std::log(dLength / length);
        if (usableLength(dLength))
            perturbation = (length / dLength) * d;
    }
}

ValueRange valueRange(const std::vector<double>& values)
{
    ValueRange range;
    bool any = false;
    for (double w : values) {
        if (!std::isfinite(w))
            continue;
        if (!any || w < range.min)
            range.min = w;
        if (!any || w > range.max)
            range.max = w;
        any = true;
    }
    return range;
}

double scalePosition(double value, const ValueRange& range)
{
    if (!(range.max > range.min))
        return 0.0;
    return (value - range.min) * kColourScaleTop / (range.max - range.min);
}
