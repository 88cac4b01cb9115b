// The per-view engine: the model in use and its edited copy, the binding to
// the model library, the integrated (or reconstructed) orbit with its display
// projection, bounds and step sizes, the time series, and the Lyapunov results.
// Computations run to completion on the caller's thread and flag their outcome
// (orbitReady, diverged); arrays are replaced whole on each computation.
#pragma once

#include "core/state_vector.h"
#include "models/model_binding.h"
#include "models/model_record.h"
#include "core/vector3.h"

#include <functional>
#include <string>
#include <vector>

class Reporter;

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
    // Integrates the orbit of recordInUse; returns whether there is one
    // (orbitReady). There is none without a bound model function, nor when
    // the arrays cannot be allocated (a sampling count too large for the
    // memory there is): the arrays are then left empty.
    bool computeOrbit();
    void computeBounds();
    void applyEditedRecord();

    // --- display basis ---
    void computeDisplayBasis();
    Vector3 projectToDisplay(const StateVector& x) const
    {
        Vector3 p;
        for (int j = 0; j < recordInUse.Dimension; ++j) {
            p.x += x.c[j] * displayBasis[j].x;
            p.y += x.c[j] * displayBasis[j].y;
            p.z += x.c[j] * displayBasis[j].z;
        }
        return p;
    }

    // --- Lyapunov analyses ---
    // mode 1/2: the spectrum; 3: spectrum responses; 4: also the dimension
    // response. Modes 1/2 return the zero vector and set spectrumExists to 0
    // when the orbit diverged or has fewer than two valid points. Modes 3/4
    // set responsesExist to 0, leaving the responses empty, when their arrays
    // cannot be allocated.
    StateVector lyapunov(int mode);
    // The Kaplan-Yorke dimension of the whole orbit; 0.0 with spectrumExists 0
    // when the spectrum does not exist.
    double lyapunovDimension();

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
    // When set, lyapunov() calls it now and then with the fraction of the
    // orbit steps done (0..1), for the progress display of long runs.
    std::function<void(double)> lyapunovProgress;
    // 1 when the last lyapunov(3) or lyapunov(4) filled the response arrays.
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
};
