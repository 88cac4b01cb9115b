// The recurrence plot's data: the phase-space distances between every pair of
// N points sampled at a fixed stride from the engine's orbit, their range, the
// colour value (0..256) of each entry on a logarithmic scale above the
// diagonal and a linear one below it, and the image that shows them.
#pragma once

#include "dynamics/job_control.h"

#include <cstddef>
#include <vector>

class DynamicsEngine;

class RecurrenceMatrix {
public:
    // Samples the engine's orbit and fills the matrix, dMin and dMax.
    // The points sampled are the first min(Sampling_Point, validPointCount)
    // orbit points, so a diverged orbit contributes only its valid part and a
    // reconstructed series only the vectors it holds. With more of them than
    // requestedSize, N := requestedSize and stride := count div N; otherwise
    // N := count and stride := 1. A requestedSize below 1 gives an empty matrix.
    // A stop requested through the control leaves the matrix incomplete.
    void compute(const DynamicsEngine& engine, int requestedSize, const JobControl& control = {});

    // Frees the matrix; N, stride, dMin and dMax keep their values.
    void clear();

    double distance(int i, int j) const { return distances[static_cast<std::size_t>(i) * N + j]; }

    // The colour value of entry (i, j), always within 0..256 (never NaN):
    // i < j logarithmic, i > j linear, between dMin (0) and dMax (256). When
    // dMin is 0 the logarithmic scale starts at the smallest positive distance
    // and zero distances take 0; when every distance is equal every entry
    // takes 0. The diagonal has no colour value and gives 0.
    double colourValue(int i, int j) const;

    int N = 500;
    int stride = 1;
    // Row-major N x N, D[i][j] = |orbit[stride*i] - orbit[stride*j]|, zero on
    // the diagonal.
    std::vector<double> distances;
    // Smallest and largest finite distance off the diagonal (0 without any).
    double dMin = 0.0;
    double dMax = 0.0;

private:
    // ln of the smallest positive and of the largest distance.
    double logLow_ = 0.0;
    double logHigh_ = 0.0;
};

// The recurrence image: N x N pixels of three bytes (R, G, B), rows from top
// to bottom. Sampled point i runs left to right and j bottom to top, so entry
// (i, j) lands in row N-1-j, column i: the logarithmic half (i < j) lies above
// the diagonal, the linear half below it, and the diagonal is white.
std::vector<unsigned char> renderRecurrenceImage(const RecurrenceMatrix& matrix);

// The thresholded recurrence image of the same size and orientation: entry
// (i, j) is black when the sampled points lie within epsilon of each other,
// white otherwise, and light grey inside the Theiler band, where sampled
// points i and j are fewer than theilerWindow orbit steps apart (stride
// times |i - j|), since the measures leave that band out.
std::vector<unsigned char> renderThresholdImage(const RecurrenceMatrix& matrix, double epsilon,
                                                int theilerWindow);
