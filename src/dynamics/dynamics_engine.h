// The per-view engine: the model in use and its edited copy, the binding to
// the model library, the integrated (or reconstructed) orbit with its display
// projection, bounds and step sizes, the time series, and the Lyapunov results.
// Computations run on the caller's thread and flag their outcome (orbitReady,
// diverged); arrays are replaced whole on each computation. A long one runs on
// a worker copy of the engine (takeInputsOf) and its results are moved into
// the view's engine when it has ended (takeOrbitFrom, takeResponsesFrom).
#pragma once

#include "core/state_vector.h"
#include "dynamics/job_control.h"
#include "models/model_binding.h"
#include "models/model_record.h"
#include "core/vector3.h"

#include <string>
#include <vector>

class Reporter;

// Which temporal responses DynamicsEngine::lyapunovResponses fills.
enum class LyapunovResponses {
    Spectrum,              // the exponents' running estimates
    SpectrumAndDimension,  // and the Lyapunov dimension's
};

// Outcome of reading a time-series file (see DynamicsEngine::readSeriesFile).
struct SeriesReadResult {
    bool opened = false;
    // Set when reading stopped at an item the chosen layout cannot convert:
    // the 0-based index of the value that could not be read, and its text
    // (empty when the file ends inside a time-data pair).
    bool stoppedAtBadItem = false;
    // The item is a number but not a finite one ("nan", "inf", 1e999), which
    // a series refuses.
    bool badItemNotFinite = false;
    long badItemIndex = 0;
    std::string badItemText;
};

class DynamicsEngine {
public:
    explicit DynamicsEngine(const SettingsSource* settings = nullptr);
    DynamicsEngine(const DynamicsEngine&) = delete;
    DynamicsEngine& operator=(const DynamicsEngine&) = delete;
    virtual ~DynamicsEngine();

    // --- binding (model library) ---
    bool Bind(const std::string& libraryPath, std::string* error = nullptr);
    void Release();
    void loadParameters();

    double evaluateDerivative(int k, const StateVector& x)
    {
        binding.dimensionArg[0] = k;
        for (int j = 0; j < recordInUse.Dimension; ++j)
            binding.variableArg[j] = x.c[j];
        return binding.modelFunction(binding.dimensionArg, binding.variableArg,
                                     binding.parameterArg, binding.inputDataArg);
    }

    // --- integration ---
    StateVector rungeKuttaStep(const StateVector& x, double h);
    StateVector advance(const StateVector& x, double& h);
    // Integrates the orbit of the record in use; returns whether there is one
    // (orbitReady). There is none without a bound model function, nor when
    // the arrays cannot be allocated (a sampling count too large for the
    // memory there is): the arrays are then left empty. A stop requested
    // through the control ends it early with orbitReady 0.
    bool computeOrbit(const JobControl& control = {});
    void computeBounds();
    void applyEditedRecord();

    // --- display basis ---
    void computeDisplayBasis();
    Vector3 projectToDisplay(const StateVector& x) const
    {
        return projectOnto(x, displayBasis, recordInUse.Dimension);
    }
    // The projection of the first n components of x onto the basis vectors.
    static Vector3 projectOnto(const StateVector& x, const Vector3* basis, int n)
    {
        Vector3 p;
        for (int j = 0; j < n; ++j) {
            p.x += x.c[j] * basis[j].x;
            p.y += x.c[j] * basis[j].y;
            p.z += x.c[j] * basis[j].z;
        }
        return p;
    }

    // --- Lyapunov analyses ---
    // The spectrum of the stored orbit, exponents in components 0..n-1. The
    // zero vector, with spectrumExists 0, when the orbit diverged or has fewer
    // than two valid points (or the control stopped the run).
    StateVector lyapunovSpectrum(const JobControl& control = {});
    // The temporal responses of the stored orbit: spectrumResponse and
    // partialSumResponse with their bounds, and with SpectrumAndDimension also
    // dimensionResponse with its bounds. A stopped run leaves them partly
    // written; responsesExist is 0, the responses empty, when their arrays
    // cannot be allocated.
    void lyapunovResponses(LyapunovResponses which, const JobControl& control = {});
    // The Kaplan-Yorke dimension of the whole orbit; 0.0 with spectrumExists 0
    // when the spectrum does not exist.
    double lyapunovDimension();

    // --- worker copies ---
    // Makes this engine, fresh and private to one computation, a copy of
    // `source` to compute on: the records, the display basis and a binding
    // that shares source's model function and loaded library with argument
    // buffers of its own; withOrbit also copies the stored orbit, its step
    // sizes and flags, which the analyses read.
    void takeInputsOf(const DynamicsEngine& source, bool withOrbit);
    // Moves the orbit `worker` computed into this engine, all at once: the
    // orbit, its projection and step sizes, elapsedTime, validPointCount,
    // diverged and orbitReady.
    void takeOrbitFrom(DynamicsEngine& worker);
    // Moves the temporal responses `worker` computed into this engine, with
    // their bounds; the dimension response only when `which` includes it.
    void takeResponsesFrom(DynamicsEngine& worker, LyapunovResponses which);

    // --- time series ---
    SeriesReadResult readSeriesFile(Reporter& reporter);
    void computeSeriesBounds();
    // False, leaving no orbit, when the delay vectors cannot be allocated.
    bool reconstruct();

    ModelRecord recordInUse;
    ModelRecord recordEdited;
    ModelBinding binding;

    double elapsedTime = 0.0;
    std::vector<double> stepSizes;
    Vector3 displayBasis[6];
    std::vector<Vector3> displayPoints;
    std::vector<StateVector> orbit;
    StateVector orbitMax;
    StateVector orbitMin;

    std::vector<double> series;
    double seriesMax = 0.0;
    double seriesMin = 0.0;

    int orbitReady = 0;
    int diverged = 0;

    // 1 when the last spectrum (mode 1/2 or lyapunovDimension) has a value:
    // the orbit did not diverge and has at least two valid points, so at least
    // one step was measured. The windows show "-" when it is 0.
    int spectrumExists = 0;
    // 1 when the last lyapunovResponses filled the response arrays.
    int responsesExist = 0;
    std::vector<std::vector<double>> spectrumResponse;
    std::vector<std::vector<double>> partialSumResponse;
    std::vector<double> dimensionResponse;
    double spectrumResponseMin = 0.0;
    double spectrumResponseMax = 0.0;
    double dimensionResponseMin = 0.0;
    double dimensionResponseMax = 0.0;

private:
    // Frees the orbit, display and step arrays: the state without an orbit.
    void releaseOrbitArrays();
    // The one loop behind the spectrum and the responses.
    StateVector lyapunovRun(bool responses, bool dimension, const JobControl& control);
};
