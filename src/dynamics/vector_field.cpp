#include "dynamics/vector_field.h"

#include "dynamics/dynamics_engine.h"

#include <algorithm>
#include <cmath>

int latticeHalf(int pointsPerAxis)
{
    return (pointsPerAxis % 2 == 0 ? pointsPerAxis : pointsPerAxis - 1) / 2;
}

std::vector<StateVector> latticePoints(int dimension, int pointsPerAxis, double spacing,
                                       const StateVector& centre)
{
    std::vector<StateVector> points;
    if (pointsPerAxis < 1 || dimension < 1 || dimension > 6)
        return points;
    const int varying = dimension == 4 ? 4 : std::min(dimension, 3);
    const int h = latticeHalf(pointsPerAxis);
    std::size_t total = 1;
    for (int a = 0; a < varying; ++a)
        total *= static_cast<std::size_t>(pointsPerAxis);
    points.reserve(total);
    int index[4] = {0, 0, 0, 0};
    for (std::size_t n = 0; n < total; ++n) {
        StateVector p;
        for (int a = 0; a < varying; ++a) {
            // The fourth component has no centre of its own.
            const double origin = a < 3 ? centre[a] : 0.0;
            p[a] = origin + (index[a] - h) * spacing;
        }
        points.push_back(p);
        for (int a = varying - 1; a >= 0; --a) {
            if (++index[a] < pointsPerAxis)
                break;
            index[a] = 0;
        }
    }
    return points;
}

double fieldSpeed(DynamicsEngine& engine, const StateVector& x)
{
    double sum = 0.0;
    for (int k = 0; k < engine.recordInUse.Dimension; ++k) {
        const double f = engine.evaluateDerivative(k, x);
        sum += f * f;
    }
    return std::sqrt(sum);
}

double vectorFieldWork(int dimension, int pointsPerAxis, bool streamlines)
{
    if (pointsPerAxis < 1 || dimension < 1 || dimension > 6)
        return 0.0;
    const int varying = dimension == 4 ? 4 : std::min(dimension, 3);
    // One speed per point, and per streamline four Runge-Kutta steps of four
    // derivatives each plus a speed at each step.
    const double callsPerPoint = dimension * (streamlines ? 1.0 + 4.0 * 5.0 : 1.0);
    return std::pow(static_cast<double>(pointsPerAxis), varying) * callsPerPoint;
}

VectorFieldSample sampleVectorField(DynamicsEngine& engine, int pointsPerAxis, bool streamlines,
                                    const JobControl& control)
{
    VectorFieldSample sample;
    if (!engine.binding.modelFunction)
        return sample;
    const ModelRecord& record = engine.recordInUse;
    const std::vector<StateVector> lattice = latticePoints(
        record.Dimension, pointsPerAxis, record.Phase_Space_Sise, record.Phase_Space_Position);
    std::vector<double> speeds(lattice.size());
    for (std::size_t i = 0; i < lattice.size(); ++i) {
        if (i % JobControl::checkInterval == 0 && control.stopRequested())
            return sample;
        speeds[i] = fieldSpeed(engine, lattice[i]);
    }
    sample.speedRange = valueRange(speeds);
    const double h = record.Sampling_Interval / 2.0;
    sample.lines.resize(lattice.size());
    for (std::size_t i = 0; i < lattice.size(); ++i) {
        if (i % JobControl::checkInterval == 0) {
            if (control.stopRequested())
                return sample;
            control.report(static_cast<double>(i) / static_cast<double>(lattice.size()));
        }
        FieldLine& line = sample.lines[i];
        line.points[0] = lattice[i];
        line.colour[0] = scalePosition(speeds[i], sample.speedRange);
        if (!streamlines)
            continue;
        line.count = kStreamlinePoints;
        for (int s = 1; s < kStreamlinePoints; ++s) {
            line.points[s] = engine.rungeKuttaStep(line.points[s - 1], h);
            line.colour[s] = scalePosition(fieldSpeed(engine, line.points[s]), sample.speedRange);
        }
    }
    return sample;
}
