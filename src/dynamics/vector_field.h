// The vector field of phase space sampled on a cubic lattice: the lattice
// points around the model's lattice centre, the local speed at each, the
// short streamline that starts there, and every point's place on the colour
// scale. Plain numerics over the engine; the vector-field drawing object only
// draws what this gives.
//
// Lattice shape by model dimension D: with M points per axis, a 3-variable
// model has M³ points over x, y, z; a 4-variable model M⁴, its w running over
// the same offsets but not shifted by the centre. Other dimensions get a
// defined lattice too: the first min(D, 3) components vary (M, M² or M³
// points) and any further component stays 0, so 1- and 2-variable models draw
// a line or a plane of arrows and 5- and 6-variable models the x-y-z cube.
#pragma once

#include "core/state_vector.h"
#include "dynamics/job_control.h"
#include "dynamics/orbit_colouring.h"

#include <vector>

class DynamicsEngine;

// Points along one streamline: the lattice point and four integrator steps.
inline constexpr int kStreamlinePoints = 5;

// The offset index of the lattice centre: h = M/2 for even M, (M−1)/2 for
// odd M, so an even lattice reaches one spacing further below the centre.
int latticeHalf(int pointsPerAxis);

// The lattice points of a dimension-D model with M points per axis (none when
// M < 1 or D is outside 1..6), in index order with the first component
// varying slowest.
std::vector<StateVector> latticePoints(int dimension, int pointsPerAxis, double spacing,
                                       const StateVector& centre);

struct FieldLine {
    // The lattice point first; then its four successors when streamlines are
    // asked for (count 5), else count 1.
    StateVector points[kStreamlinePoints];
    // Each point's place on the colour scale (0 .. 256 for lattice points).
    double colour[kStreamlinePoints] = {};
    int count = 1;
};

struct VectorFieldSample {
    std::vector<FieldLine> lines;
    // Smallest and largest speed over the lattice points.
    ValueRange speedRange;
};

// The speed of the model's vector field at x: the length of its derivative
// over all the model's components. The engine must be bound.
double fieldSpeed(DynamicsEngine& engine, const StateVector& x);

// Samples the bound model's field on the lattice of its record in use
// (Phase_Space_Sise, Phase_Space_Position) with M points per axis. With
// streamlines each line follows four fixed Runge–Kutta steps of half the
// sampling interval. Colours are (speed − min)·256/(max − min) over the
// lattice speeds; when every speed is equal every point takes the colour of
// 0. Empty when the engine has no model function, and incomplete when control
// asked it to stop.
VectorFieldSample sampleVectorField(DynamicsEngine& engine, int pointsPerAxis, bool streamlines,
                                    const JobControl& control = JobControl{});

// Model calls that sampleVectorField makes for a dimension-D model with M
// points per axis, with or without streamlines: what decides whether a
// rebuild may run at once.
double vectorFieldWork(int dimension, int pointsPerAxis, bool streamlines);
