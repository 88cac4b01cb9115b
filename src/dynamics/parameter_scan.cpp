// The scan runs as a list of units, each one value (or, with "continue", one
// row of values integrated in order), taken by the worker threads from a
// shared counter. Every worker owns an engine bound to the model's functions
// with its own argument buffers; results go straight into their cells, which
// no two units share.
#include "dynamics/parameter_scan.h"

#include "dynamics/kaplan_yorke.h"
#include "dynamics/orbit_events.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace {

// Two values closer than this fraction of the recorded variable's span over
// the analysed points count as one in a grid's count of distinct values: the
// refined maxima of a periodic orbit agree much more closely than that.
constexpr double kDistinctFraction = 1e-3;

struct Unit {
    int row = 0;
    int firstI = 0;  // the values i = firstI .. lastI are integrated in order
    int lastI = 0;
};

class Worker {
public:
    Worker(const DynamicsEngine& model, const ScanSettings& settings)
        : settings_(settings), initial_(model.recordInUse.Setting)
    {
        engine_.recordEdited = model.recordInUse;
        engine_.recordEdited.Sampling_Point = settings.transient + settings.points;
        engine_.applyEditedRecord();
        engine_.binding.BindFunction(model.binding.modelFunction, model.recordInUse.Dimension,
                                     model.recordInUse.Parameter, model.binding.vectorField,
                                     model.binding.rungeKuttaStep);
    }

    // Integrates value (i, j) from start and analyses it into cell when one
    // is given. Returns the state the next value of a continued row starts
    // from: the last point, or the model's initial value after a divergence.
    StateVector run(int i, int j, const StateVector& start, ScanCell* cell)
    {
        ModelRecord& record = engine_.recordInUse;
        record.Setting = start;
        record.Parameter_Default[settings_.axis.parameter] = settings_.axis.valueAt(i);
        if (settings_.axis2)
            record.Parameter_Default[settings_.axis2->parameter] = settings_.axis2->valueAt(j);
        engine_.loadParameters();
        engine_.computeOrbit();
        const int total = settings_.transient + settings_.points;
        const bool whole = record.validPointCount == total && engine_.orbit.size() >= static_cast<std::size_t>(total);
        if (cell != nullptr) {
            cell->computed = true;
            cell->exists = whole;
            if (whole)
                analyse(*cell);
        }
        return whole ? engine_.orbit[static_cast<std::size_t>(total - 1)] : initial_;
    }

    const StateVector& initial() const { return initial_; }

private:
    void analyse(ScanCell& cell)
    {
        const std::size_t transient = static_cast<std::size_t>(settings_.transient);
        const std::span<const StateVector> window(engine_.orbit.data() + transient,
                                                  static_cast<std::size_t>(settings_.points));
        const bool grid = settings_.axis2.has_value();
        if (settings_.kind == ScanKind::Spectrum) {
            spectrum(cell, grid);
            return;
        }
        std::vector<double> values =
            settings_.kind == ScanKind::Maxima
                ? localMaxima(window, settings_.variable)
                : sectionCrossings(window, settings_.sectionVariable, settings_.sectionLevel,
                                   settings_.variable);
        if (!grid) {
            cell.values = std::move(values);
            return;
        }
        const auto [low, high] = std::minmax_element(
            window.begin(), window.end(), [this](const StateVector& a, const StateVector& b) {
                return a.c[settings_.variable] < b.c[settings_.variable];
            });
        const double span = high->c[settings_.variable] - low->c[settings_.variable];
        cell.values = {static_cast<double>(distinctValueCount(std::move(values), kDistinctFraction * span))};
    }

    // The engine's spectrum over the analysed points: the transient is taken
    // off the stored orbit (and its step sizes) first.
    void spectrum(ScanCell& cell, bool grid)
    {
        const auto transient = static_cast<std::ptrdiff_t>(settings_.transient);
        engine_.orbit.erase(engine_.orbit.begin(), engine_.orbit.begin() + transient);
        engine_.stepSizes.erase(engine_.stepSizes.begin(),
                                engine_.stepSizes.begin() + std::min<std::ptrdiff_t>(
                                    transient, static_cast<std::ptrdiff_t>(engine_.stepSizes.size())));
        engine_.recordInUse.validPointCount = settings_.points;
        const StateVector exponents = engine_.lyapunovSpectrum();
        cell.exists = engine_.spectrumExists == 1;
        if (!cell.exists)
            return;
        const int n = engine_.recordInUse.Dimension;
        if (grid) {
            cell.values = {exponents[0]};
            return;
        }
        cell.values.assign(exponents.c, exponents.c + n);
        cell.values.push_back(kaplanYorkeDimension(exponents, n));
    }

    const ScanSettings& settings_;
    const StateVector initial_;
    DynamicsEngine engine_;
};

}  // namespace

double ScanAxis::valueAt(int i) const
{
    if (count <= 1)
        return from;
    return from + (to - from) * static_cast<double>(i) / static_cast<double>(count - 1);
}

void shardRange(int cells, int index, int count, int& first, int& last)
{
    const auto at = [&](int k) {
        return static_cast<int>(static_cast<long long>(cells) * k / std::max(count, 1));
    };
    first = at(index);
    last = at(index + 1);
}

ScanResult runScan(const DynamicsEngine& model, const ScanSettings& settings, const JobControl& control,
                   const ScanCellDone& cellDone)
{
    ScanResult result;
    result.dimension = model.recordInUse.Dimension;
    const int columns = std::max(settings.axis.count, 1);
    const int rows = settings.axis2 ? std::max(settings.axis2->count, 1) : 1;
    result.cells.resize(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows));
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < columns; ++i) {
            ScanCell& cell = result.cells[static_cast<std::size_t>(j) * columns + i];
            cell.i = i;
            cell.j = j;
            cell.value = settings.axis.valueAt(i);
            cell.value2 = settings.axis2 ? settings.axis2->valueAt(j) : 0.0;
        }
    }

    int first = 0;
    int last = 0;
    shardRange(static_cast<int>(result.cells.size()), settings.shardIndex, settings.shardCount, first, last);
    std::vector<Unit> units;
    long integrations = 0;
    for (int c = first; c < last; ++c) {
        const int row = c / columns;
        const int i = c % columns;
        if (!settings.continueFromPrevious) {
            units.push_back({row, i, i});
            ++integrations;
        } else if (units.empty() || units.back().row != row) {
            units.push_back({row, 0, i});
            integrations += i + 1;
        } else {
            units.back().lastI = i;
            ++integrations;
        }
    }

    std::atomic<std::size_t> nextUnit{0};
    std::atomic<long> done{0};
    std::atomic<bool> cancelled{false};
    std::mutex reportMutex;
    const auto work = [&] {
        Worker worker(model, settings);
        for (std::size_t u = nextUnit++; u < units.size(); u = nextUnit++) {
            const Unit& unit = units[u];
            StateVector start = worker.initial();
            for (int i = unit.firstI; i <= unit.lastI; ++i) {
                if (control.stopRequested()) {
                    cancelled = true;
                    return;
                }
                const int c = unit.row * columns + i;
                ScanCell* cell = c >= first ? &result.cells[static_cast<std::size_t>(c)] : nullptr;
                start = worker.run(i, unit.row, start, cell);
                const long finished = ++done;
                const std::lock_guard lock(reportMutex);
                if (cellDone && cell != nullptr)
                    cellDone(*cell);
                control.report(static_cast<double>(finished) / static_cast<double>(integrations));
            }
        }
    };

    const unsigned processors = std::max(std::thread::hardware_concurrency(), 1u);
    const std::size_t wanted = settings.threads > 0 ? static_cast<std::size_t>(settings.threads) : processors;
    const std::size_t threadCount = std::max<std::size_t>(std::min(wanted, units.size()), 1);
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < threadCount; ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();
    result.cancelled = cancelled;
    return result;
}
