// Advice on the delay and the dimension of a delay reconstruction.
//
// Delay: the average mutual information I(tau) between s[t] and s[t+tau],
// estimated from a 16 x 16 histogram of equal-width bins over the series'
// range (natural logarithm, so in nats). The advised delay is the first local
// minimum of I over tau = 1..T-1; without one, the first tau with
// I(tau) < I(0)/e; without that, none.
//
// Dimension: the fraction of false nearest neighbours (Kennel, Brown and
// Abarbanel 1992) at a given delay. For each dimension m, every delay vector
// that also has an (m+1)-th coordinate finds its nearest neighbour in m
// dimensions (itself excluded); the pair is false when the added coordinate
// separates them by more than R_tol times their distance, or when their
// distance in m+1 dimensions exceeds A_tol times the standard deviation of the
// series. The advised dimension is the smallest m whose fraction is below 1 %.
#pragma once

#include "dynamics/job_control.h"
#include "dynamics/phase_points.h"

#include <optional>
#include <vector>

constexpr int kMutualInformationBins = 16;

// I(0), ..., I(maxDelay); shorter when the series ends first (a delay needs at
// least two pairs). Empty for a series of fewer than three values.
std::vector<double> averageMutualInformation(const std::vector<double>& series, int maxDelay);

// The advised delay from the curve I(0..T), or nothing.
std::optional<int> delayFromMutualInformation(const std::vector<double>& information);

struct FalseNeighbourOptions {
    double distanceTolerance = 10.0;   // R_tol
    double attractorTolerance = 2.0;   // A_tol
    double acceptedFraction = 0.01;    // the advised m is the first below this
};

struct FalseNeighbourResult {
    SeriesError error = SeriesError::None;
    std::vector<double> fractions;  // f(1), ..., f(maxDimension)
    std::optional<int> dimension;   // the advised dimension, if any
};

// f(m) for m = 1..maxDimension (1 to 10) at the given delay. The series must
// hold at least two vectors with maxDimension + 1 coordinates.
FalseNeighbourResult falseNearestNeighbours(const std::vector<double>& series, int delay,
                                            int maxDimension,
                                            const FalseNeighbourOptions& options = {},
                                            const JobControl& control = {});

struct EmbeddingAdvice {
    SeriesError error = SeriesError::None;
    std::vector<double> mutualInformation;  // I(0..T)
    std::optional<int> delay;
    std::vector<double> falseFractions;  // f(1..M) at the advised delay; empty without one
    std::optional<int> dimension;
};

// Both pieces of advice: the delay from I(0..maxDelay), then the dimension
// from the false neighbours at that delay (none when no delay was found or the
// series is too short for maxDimension at it).
EmbeddingAdvice adviseEmbedding(const std::vector<double>& series, int maxDelay, int maxDimension,
                                const JobControl& control = {});
