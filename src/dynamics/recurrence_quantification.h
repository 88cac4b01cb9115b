// Recurrence quantification (Marwan, Romano, Thiel and Kurths 2007) over every
// point of an orbit, without an N x N matrix. Points i and j recur when their
// Euclidean distance is at most eps. Cells of the Theiler band |i - j| < W
// (W = 1: the line of identity only) take no part: they count neither as
// recurrences nor as pairs, and they cut the lines that cross them.
//
//   RR    recurrences / pairs outside the band
//   DET   share of recurrences on diagonal lines of length >= 2
//   L     mean length of those diagonal lines; Lmax the longest
//   ENTR  Shannon entropy (natural logarithm) of their length distribution
//   LAM   share of recurrences on vertical lines of length >= 2
//   TT    mean length of those vertical lines
//
// Lines are counted in the whole (symmetric) matrix. A measure without lines
// to average is 0. The matrix is walked one row at a time: a k-d tree gives
// the row's recurrences, a bit row of N bits orders them, and the diagonal
// and vertical lines are followed by their offset j - i and their column, so
// memory stays O(N) and the time O(N log N + number of recurrences).
#pragma once

#include "dynamics/job_control.h"
#include "dynamics/phase_points.h"

#include <cstdint>

struct RecurrenceOptions {
    // The radius eps; when 0 it is chosen so that RR comes near targetRate.
    double epsilon = 0.0;
    double targetRate = 0.0;  // 0 < rate < 1, used when epsilon is 0
    int theilerWindow = 1;    // W >= 1
    int minLine = 2;          // shortest diagonal or vertical line counted
};

struct RecurrenceQuantities {
    SeriesError error = SeriesError::None;
    double epsilon = 0.0;  // the radius used
    double RR = 0.0;
    double DET = 0.0;
    double L = 0.0;
    std::int64_t Lmax = 0;
    double ENTR = 0.0;
    double LAM = 0.0;
    double TT = 0.0;
};

// The radius whose share of pairs (outside the Theiler band) at that distance
// or closer is `rate`: the rate-quantile of the pair distances. Exact over all
// pairs when there are at most a million of them; otherwise the quantile of
// 200,000 pairs drawn at random with a fixed seed (so the same points always
// give the same radius, and the RR it gives lies within about 0.001 of a
// target of 0.05). Returns 0 when there is no pair.
double radiusForRecurrenceRate(const PhasePoints& points, double rate, int theilerWindow);

RecurrenceQuantities quantifyRecurrence(const PhasePoints& points, const RecurrenceOptions& options,
                                        const JobControl& control = {});
