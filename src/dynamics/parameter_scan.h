// Parameter scans: a model integrated once for each value of one parameter
// over a linear range (or each cell of a grid over two parameters), with a
// transient dropped and the next points analysed: the local maxima of a
// variable, its values on a section plane, or the Lyapunov spectrum and
// dimension. For a grid each cell keeps one number: the number of distinct
// maxima, or the largest exponent.
//
// The values are spread over worker threads, each with its own engine and
// argument buffers. A value's result depends only on its own integration, so
// the output is the same bit for bit whatever the thread count. With
// "continue", each value starts from the end state of the previous value of
// the same row instead of the model's initial value: a row is a chain that
// one thread runs in order, and only the rows of a grid run side by side.
//
// A shard K of N takes the K-th of N contiguous slices of the cells (row by
// row: cell c = j * count + i). Results do not depend on the split; a shard
// of a continued row integrates the row from its start and records only its
// own cells.
#pragma once

#include "dynamics/dynamics_engine.h"
#include "dynamics/job_control.h"

#include <functional>
#include <optional>
#include <vector>

enum class ScanKind { Maxima, Section, Spectrum };

// `count` values of parameter `parameter` (0 = a .. 9 = j) from `from` to
// `to`, both included.
struct ScanAxis {
    int parameter = 0;
    double from = 0.0;
    double to = 0.0;
    int count = 1;

    // Value i: from + (to - from) * i / (count - 1); `from` when count is 1.
    double valueAt(int i) const;
};

struct ScanSettings {
    ScanKind kind = ScanKind::Maxima;
    ScanAxis axis;
    std::optional<ScanAxis> axis2;  // a two-parameter grid when set
    int variable = 2;               // the variable recorded (maxima, section)
    int sectionVariable = 0;        // section plane x[sectionVariable] = sectionLevel
    double sectionLevel = 0.0;
    int transient = 1000;           // points dropped after the start
    int points = 10000;             // points analysed after the transient
    bool continueFromPrevious = false;
    int threads = 1;                // worker threads; 0: one per processor
    int shardIndex = 0;             // this run computes shard shardIndex of shardCount
    int shardCount = 1;
};

struct ScanCell {
    int i = 0;                   // index along axis
    int j = 0;                   // index along axis2 (0 without a grid)
    double value = 0.0;          // the parameter's value
    double value2 = 0.0;         // the second parameter's value (grid)
    bool computed = false;       // the cell belongs to this shard and was computed
    bool exists = false;         // false when the orbit diverged before its last point
    // Maxima or section values in orbit order; spectrum: the n exponents
    // followed by the dimension; grid: one number.
    std::vector<double> values;
};

struct ScanResult {
    std::vector<ScanCell> cells;  // all cells of the scan, cell c = j * axis.count + i
    int dimension = 0;            // the model's number of variables
    bool cancelled = false;
};

// Receives each cell as soon as its value is computed, so a caller can show
// a scan while it fills. Called from the worker threads, one call at a time.
using ScanCellDone = std::function<void(const ScanCell&)>;

// Runs the scan for the model bound in `model` (its record in use, with its
// parameter values, initial value and sampling settings; Sampling_Point is
// replaced by transient + points). The engine itself is only read. The
// control gets the fraction of this shard's integrations done, from the
// worker threads one call at a time; a stop it asks for ends the workers
// after their current value, and the result is then marked cancelled.
ScanResult runScan(const DynamicsEngine& model, const ScanSettings& settings,
                   const JobControl& control = {}, const ScanCellDone& cellDone = {});

// The slice of cells [first, last) that shard `index` of `count` takes out
// of `cells`.
void shardRange(int cells, int index, int count, int& first, int& last);
