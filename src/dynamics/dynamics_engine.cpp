// Binding, parameter loading and orbit integration of the per-view engine:
// the classical fourth-order Runge-Kutta step, the fixed and the step-doubling
// sampling step, the orbit with its divergence cut, and the orbit bounds.
#include "dynamics/dynamics_engine.h"

#include "dynamics/allocation.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// A state is diverged once a used component leaves [-kDivergenceBound,
// kDivergenceBound] or is NaN; the bound itself is still inside.
constexpr double kDivergenceBound = 1000000.0;

// The step-doubling growth never takes a step larger in magnitude than this
// many times the model's Sampling_Interval. Without a bound a vector field that
// Runge-Kutta integrates exactly (a constant one) would double the step until
// it became infinite; 2^20 leaves a smooth orbit room to stretch its steps by
// six orders of magnitude.
constexpr double kMaxStepGrowth = 1048576.0;

// Whether r_k(P, Q) = |(P[k] - Q[k]) / (P[k] - x[k])| passes for every used
// component: r <= U, or r < U when strict. Only a ratio that compares greater
// (or equal, when strict) fails, so an undefined ratio (0/0, a NaN state)
// passes while an infinite one fails.
bool ratiosPass(const StateVector& p, const StateVector& q, const StateVector& x, int n,
                double upsilon, bool strict)
{
    for (int k = 0; k < n; ++k) {
        const double r = std::fabs((p.c[k] - q.c[k]) / (p.c[k] - x.c[k]));
        if (r > upsilon || (strict && r == upsilon))
            return false;
    }
    return true;
}

// h times the derivative of every used component at the state held in the
// Variable buffer: one call of the whole-field function when the library has
// one, else one model call per component, as evaluateDerivative makes it. Both
// evaluate the same expressions, so the numbers are the same. The model
// function only reads its arguments, so the Runge-Kutta stages write their
// states straight into the buffer, once for all n calls.
template <int n>
inline void scaledVectorField(ModelBinding& b, double h, double* out)
{
    if (const VectorFieldFunction field = b.vectorField) {
        double derivative[n];
        field(b.variableArg, b.parameterArg, derivative);
        for (int k = 0; k < n; ++k)
            out[k] = h * derivative[k];
        return;
    }
    const ModelFunction function = b.modelFunction;
    for (int k = 0; k < n; ++k) {
        b.dimensionArg[0] = k;
        out[k] = h * function(b.dimensionArg, b.variableArg, b.parameterArg, b.inputDataArg);
    }
}

// One classical Runge-Kutta step for a model of n variables: the library's
// own step when it has one (the same operations, compiled together with the
// field), else the stages here around the field or model calls. n is a
// constant here so that the short component loops unroll around the calls.
template <int n>
StateVector rungeKuttaStepOf(ModelBinding& b, const StateVector& x, double h)
{
    if (const StepFunction step = b.rungeKuttaStep) {
        StateVector result = x;
        step(x.c, b.parameterArg, h, result.c);
        return result;
    }
    double* const stage = b.variableArg;  // the state each stage evaluates at
    double k1[n], k2[n], k3[n], k4[n];
    for (int k = 0; k < n; ++k)
        stage[k] = x.c[k];
    scaledVectorField<n>(b, h, k1);
    for (int k = 0; k < n; ++k)
        stage[k] = x.c[k] + k1[k] * 0.5;
    scaledVectorField<n>(b, h, k2);
    for (int k = 0; k < n; ++k)
        stage[k] = x.c[k] + k2[k] * 0.5;
    scaledVectorField<n>(b, h, k3);
    for (int k = 0; k < n; ++k)
        stage[k] = x.c[k] + k3[k];
    scaledVectorField<n>(b, h, k4);

    StateVector result = x;
    for (int k = 0; k < n; ++k)
        result.c[k] = (((k2[k] + k3[k]) * 2 + k4[k]) + k1[k]) * 0.16666666666666666 + x.c[k];
    return result;
}

bool isDiverged(const StateVector& x, int n)
{
    for (int k = 0; k < n; ++k)
        if (x.c[k] > kDivergenceBound || x.c[k] < -kDivergenceBound || std::isnan(x.c[k]))
            return true;
    return false;
}

}  // namespace

DynamicsEngine::DynamicsEngine(const SettingsSource* settings)
    : recordInUse(settings), recordEdited(settings)
{
}

DynamicsEngine::~DynamicsEngine() { Release(); }

bool DynamicsEngine::Bind(const std::string& libraryPath, std::string* error)
{
    return binding.Bind(libraryPath, recordInUse.ModelName, recordInUse.Dimension,
                        recordInUse.Parameter, error);
}

void DynamicsEngine::Release() { binding.Release(); }

void DynamicsEngine::loadParameters()
{
    const int p = std::clamp(recordInUse.Parameter, 0, kMaxParameters);
    for (int j = 0; j < p; ++j)
        binding.parameterArg[j] = recordInUse.Parameter_Default[j];
}

StateVector DynamicsEngine::rungeKuttaStep(const StateVector& x, double h)
{
    switch (recordInUse.Dimension) {
    case 1: return rungeKuttaStepOf<1>(binding, x, h);
    case 2: return rungeKuttaStepOf<2>(binding, x, h);
    case 3: return rungeKuttaStepOf<3>(binding, x, h);
    case 4: return rungeKuttaStepOf<4>(binding, x, h);
    case 5: return rungeKuttaStepOf<5>(binding, x, h);
    case 6: return rungeKuttaStepOf<6>(binding, x, h);
    default: return x;  // no model has another dimension
    }
}

StateVector DynamicsEngine::advance(const StateVector& x, double& h)
{
    if (recordInUse.Auto_Sampling_Interval_Flag != 1)
        return rungeKuttaStep(x, h);

    const int n = recordInUse.Dimension;
    const double upsilon = recordInUse.Auto_Sampling_Interval_Upsilon;

    // Halving: F is always one step of twice the current h, compared with two
    // steps of h, until the two agree within U.
    bool first = true;
    StateVector full = rungeKuttaStep(x, h);
    for (;;) {
        h *= 0.5;
        const StateVector half1 = rungeKuttaStep(x, h);
        const StateVector half2 = rungeKuttaStep(half1, h);
        if (half2 == full) {
            // The halves reproduce the full step exactly: F was taken with 2h,
            // so report that step.
            h *= 2;
            return full;
        }
        if (ratiosPass(half2, full, x, n, upsilon, false))
            break;
        first = false;
        full = half1;
    }
    h *= 2;
    if (!first)
        return full;

    // Growth (only when the first trial passed): F is one step of h; try one
    // step of 2h against two steps of h.
    const double maxStep = std::fabs(recordInUse.Sampling_Interval) * kMaxStepGrowth;
    for (;;) {
        const double doubled = h * 2;
        if (!std::isfinite(doubled) || !(std::fabs(doubled) <= maxStep))
            return full;
        const StateVector twoSteps = rungeKuttaStep(full, h);
        h = doubled;
        const StateVector oneStep = rungeKuttaStep(x, h);
        if (!ratiosPass(twoSteps, oneStep, x, n, upsilon, true)) {
            h *= 0.5;
            return full;
        }
        full = oneStep;
    }
}

namespace {

// Stores the orbit points 0..count-1 from x, each after the first written by
// `step` (from, h, to) into its own slot, with their projections; returns the
// number of valid points (the index of the first diverged point, or count), or
// -1 when the control stopped the run. n is a constant so that the
// fixed-interval step inlines into the loop. Every later read of a stored
// point is one component at a time: the library writes components one by one,
// and reading them back as wider words would stall on each step.
template <int n, class Step>
int fillOrbit(DynamicsEngine& engine, const StateVector& start, int count, double h, bool automatic,
              const JobControl& control, Step step)
{
    StateVector* const orbit = engine.orbit.data();
    Vector3* const display = engine.displayPoints.data();
    // The loop's own copy of the basis: it is not reloaded after every store
    // of a point, which the compiler cannot tell from the engine's own.
    Vector3 basis[n];
    std::copy(engine.displayBasis, engine.displayBasis + n, basis);
    for (int i = 0; i < count; ++i) {
        if (i % JobControl::checkInterval == 0) {
            if (control.stopRequested())
                return -1;
            control.report(static_cast<double>(i) / count);
        }
        if (i == 0) {
            orbit[0] = start;
        } else {
            step(orbit[i - 1], h, orbit[i]);
            if (automatic)
                engine.stepSizes[static_cast<std::size_t>(i - 1)] = h;
        }
        if (automatic)
            engine.elapsedTime += h;
        display[i] = DynamicsEngine::projectOnto(orbit[i], basis, n);
        if (isDiverged(orbit[i], n)) {
            engine.diverged = 1;
            return i;
        }
    }
    return count;
}

template <int n>
int fillOrbitOf(DynamicsEngine& engine, int count, double h, const JobControl& control)
{
    const StateVector& start = engine.recordInUse.Setting;
    if (engine.recordInUse.Auto_Sampling_Interval_Flag == 1) {
        return fillOrbit<n>(engine, start, count, h, true, control,
                            [&engine](const StateVector& from, double& step, StateVector& to) {
                                to = engine.advance(from, step);
                            });
    }
    // The library's own step, called straight from the loop; the components
    // it does not integrate keep the initial value's.
    if (const StepFunction libraryStep = engine.binding.rungeKuttaStep) {
        const double* const parameters = engine.binding.parameterArg;
        return fillOrbit<n>(engine, start, count, h, false, control,
                            [libraryStep, parameters](const StateVector& from, double step,
                                                      StateVector& to) {
                                for (int k = n; k < static_cast<int>(std::size(to.c)); ++k)
                                    to.c[k] = from.c[k];
                                libraryStep(from.c, parameters, step, to.c);
                            });
    }
    return fillOrbit<n>(engine, start, count, h, false, control,
                        [&engine](const StateVector& from, double step, StateVector& to) {
                            to = rungeKuttaStepOf<n>(engine.binding, from, step);
                        });
}

}  // namespace

bool DynamicsEngine::computeOrbit(const JobControl& control)
{
    orbitReady = 0;
    elapsedTime = 0.0;
    diverged = 0;

    const int count = std::max(recordInUse.Sampling_Point, 0);
    const double h = recordInUse.Sampling_Interval;

    // resize() reuses the previous capacity when it is large enough, so a
    // recomputation allocates at most once per array. The loop writes every
    // point up to the last one it stores; only the entries after it are
    // cleared here, so the arrays end up as if allocated zero-filled. Without
    // the memory for them there is no orbit.
    if (!allocated([&] {
            orbit.resize(count);
            displayPoints.resize(count);
            stepSizes.resize(count);
        })) {
        releaseOrbitArrays();
        return false;
    }

    // Without a bound model function nothing can be integrated beyond the
    // initial value; the orbit is then left empty rather than called through
    // a null pointer.
    int valid = 0;
    int written = 0;
    const bool integrable = binding.modelFunction != nullptr || count <= 1;
    if (integrable) {
        switch (recordInUse.Dimension) {
        case 1: valid = fillOrbitOf<1>(*this, count, h, control); break;
        case 2: valid = fillOrbitOf<2>(*this, count, h, control); break;
        case 3: valid = fillOrbitOf<3>(*this, count, h, control); break;
        case 4: valid = fillOrbitOf<4>(*this, count, h, control); break;
        case 5: valid = fillOrbitOf<5>(*this, count, h, control); break;
        case 6: valid = fillOrbitOf<6>(*this, count, h, control); break;
        default: break;  // no model has another dimension
        }
        if (valid < 0) {
            releaseOrbitArrays();
            return false;
        }
        written = diverged ? valid + 1 : valid;
        orbitReady = 1;
    }
    std::fill(orbit.begin() + written, orbit.end(), StateVector{});
    std::fill(displayPoints.begin() + written, displayPoints.end(), Vector3{});
    // The step sizes the automatic interval recorded are those before the
    // last point written; with the fixed interval only the first is set.
    const int steps = recordInUse.Auto_Sampling_Interval_Flag == 1 ? std::max(written - 1, 0) : 0;
    std::fill(stepSizes.begin() + steps, stepSizes.end(), 0.0);
    if (count > 0 && steps == 0)
        stepSizes[0] = h;
    recordInUse.validPointCount = valid;
    return integrable;
}

void DynamicsEngine::releaseOrbitArrays()
{
    std::vector<StateVector>().swap(orbit);
    std::vector<Vector3>().swap(displayPoints);
    std::vector<double>().swap(stepSizes);
    recordInUse.validPointCount = 0;
    orbitReady = 0;
}

void DynamicsEngine::computeBounds()
{
    const int n = recordInUse.Dimension;
    const std::size_t valid =
        std::min(static_cast<std::size_t>(std::max(recordInUse.validPointCount, 0)), orbit.size());
    for (std::size_t i = 0; i < valid; ++i) {
        const StateVector& x = orbit[i];
        for (int k = 0; k < n; ++k) {
            if (i == 0) {
                orbitMax.c[k] = x.c[k];
                orbitMin.c[k] = x.c[k];
                continue;
            }
            if (orbitMax.c[k] < x.c[k])
                orbitMax.c[k] = x.c[k];
            if (orbitMin.c[k] > x.c[k])
                orbitMin.c[k] = x.c[k];
        }
    }
}

void DynamicsEngine::applyEditedRecord()
{
    orbitReady = 0;
    recordInUse = recordEdited;
    computeDisplayBasis();
}
