// The largest Lyapunov exponent of a measured series (Rosenstein, Collins and
// De Luca 1993). Every reconstructed point i takes its nearest neighbour j
// among the points at least a Theiler window W away in time (|i - j| >= W),
// and the two are followed for k = 0..K steps: y(k) is the mean of
// ln |X[i+k] - X[j+k]| over the pairs that still exist and have not met. The
// exponent is the least-squares slope of y over the fit range [A, B] divided
// by the sampling interval.
#pragma once

#include "dynamics/job_control.h"
#include "dynamics/phase_points.h"

#include <vector>

// Zero selects a default tied to the delay tau, which for a sampled flow is
// near a quarter of its mean period: W = m tau, K = 20 tau and the fit range
// [2 tau, 15 tau] (cut to K), past the first alignment of the neighbour pairs
// and before their distance saturates at the size of the attractor.
struct SeriesLyapunovOptions {
    int theilerWindow = 0;          // W
    int steps = 0;                  // K
    int fitFirst = -1;              // A (-1: default)
    int fitLast = 0;                // B
    double samplingInterval = 1.0;  // the exponent is per unit of time; 1 gives it per sample
};

struct SeriesLyapunovResult {
    SeriesError error = SeriesError::None;
    std::vector<double> divergence;  // y(0), ..., y(K)
    int theilerWindow = 0;           // the values used
    int fitFirst = 0;
    int fitLast = 0;
    double slope = 0.0;      // per step of the series
    double intercept = 0.0;  // y(k) ~ intercept + slope k over the fit range
    double exponent = 0.0;   // slope / samplingInterval
};

// The defaults resolved for the given embedding (see SeriesLyapunovOptions).
SeriesLyapunovOptions resolvedOptions(SeriesLyapunovOptions options, int dimension, int delay);

SeriesLyapunovResult largestLyapunovExponent(const std::vector<double>& series, int dimension,
                                             int delay, const SeriesLyapunovOptions& options = {},
                                             const JobControl& control = {});

// Fits the divergence curve of a result again over [fitFirst, fitLast] (a
// range the user dragged or typed): slope, intercept and exponent follow.
// False, with the result unchanged, for a range that is empty or leaves the
// curve, or an interval that is not positive.
bool refitDivergence(SeriesLyapunovResult& result, int fitFirst, int fitLast,
                     double samplingInterval);
