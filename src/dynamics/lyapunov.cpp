// The Lyapunov spectrum of the stored orbit, its temporal responses and the
// Lyapunov dimension. Tangent dynamics are approximated by integrating n
// slightly displaced copies of each orbit point over one sampling step and
// comparing them with the next stored point; the images are orthogonalised by
// Gram-Schmidt, the logarithmic growth of the volumes they span is summed, and
// the deviations are renormalised to their original length.
#include "dynamics/allocation.h"
#include "dynamics/dynamics_engine.h"
#include "dynamics/kaplan_yorke.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

constexpr double kDeviationLength = 1e-8;

// Running minimum and maximum of the values written into a response: the first
// value sets both; later ones replace the minimum when smaller, otherwise the
// maximum when larger.
void widenBounds(double value, bool first, double& min, double& max)
{
    if (first) {
        min = value;
        max = value;
    } else if (value < min) {
        min = value;
    } else if (value > max) {
        max = value;
    }
}

}  // namespace

StateVector DynamicsEngine::lyapunovSpectrum(const JobControl& control)
{
    return lyapunovRun(false, false, control);
}

void DynamicsEngine::lyapunovResponses(LyapunovResponses which, const JobControl& control)
{
    lyapunovRun(true, which == LyapunovResponses::SpectrumAndDimension, control);
}

StateVector DynamicsEngine::lyapunovRun(bool responses, bool dimension, const JobControl& control)
{
    if (!responses) {
        spectrumExists = 0;
        if (diverged == 1)
            return StateVector();
    }

    const int n = std::clamp(recordInUse.Dimension, 1, kMaxVariables);
    const bool automatic = recordInUse.Auto_Sampling_Interval_Flag == 1;
    const double h0 = recordInUse.Sampling_Interval;

    // Steps run over the valid points that are actually stored, and in
    // automatic mode only over steps whose size was recorded.
    std::size_t points = std::min(
        static_cast<std::size_t>(std::max(recordInUse.validPointCount, 0)), orbit.size());
    if (automatic)
        points = std::min(points, stepSizes.size() + 1);

    if (responses) {
        // A reconstructed orbit may hold more points than Sampling_Point.
        const std::size_t length =
            std::max(static_cast<std::size_t>(std::max(recordInUse.Sampling_Point, 0)), points);
        responsesExist = 0;
        spectrumResponseMin = spectrumResponseMax = 0.0;
        if (dimension)
            dimensionResponseMin = dimensionResponseMax = 0.0;
        if (!allocated([&] {
                spectrumResponse.assign(n, std::vector<double>(length, 0.0));
                partialSumResponse.assign(n, std::vector<double>(length, 0.0));
                if (dimension)
                    dimensionResponse.assign(length, 0.0);
            })) {
            std::vector<std::vector<double>>().swap(spectrumResponse);
            std::vector<std::vector<double>>().swap(partialSumResponse);
            std::vector<double>().swap(dimensionResponse);
            return StateVector();
        }
        responsesExist = 1;
    }

    StateVector sums;
    StateVector delta[kMaxVariables];
    StateVector q[kMaxVariables];
    double qNorm[kMaxVariables];
    for (int k = 0; k < n; ++k)
        delta[k][k] = kDeviationLength;

    double t = 0.0;
    double h = h0;
    for (std::size_t i = 0; i + 1 < points; ++i) {
        if (i % JobControl::checkInterval == 0) {
            if (control.stopRequested())
                return StateVector();
            control.report(static_cast<double>(i) / static_cast<double>(points - 1));
        }
        const StateVector& next = orbit[i + 1];
        if (automatic) {
            h = stepSizes[i];
            t += h;
        } else {
            t = static_cast<double>(i + 1) * h0;
        }

        double volume = 1.0;
        for (int k = 0; k < n; ++k) {
            StateVector image = rungeKuttaStep(orbit[i] + delta[k], h) - next;
            for (int m = 0; m < k; ++m)
                image -= (dot(image, q[m]) / (qNorm[m] * qNorm[m])) * q[m];
            q[k] = image;
            qNorm[k] = norm(image);
            volume *= qNorm[k] / norm(delta[k]);
            sums[k] += std::log(volume);

            if (responses) {
                const double partial = sums[k] / t;
                const double exponent = k > 0 ? partial - partialSumResponse[k - 1][i] : partial;
                partialSumResponse[k][i] = partial;
                spectrumResponse[k][i] = exponent;
                widenBounds(exponent, i == 0 && k == 0, spectrumResponseMin, spectrumResponseMax);
            }
        }

        for (int k = 0; k < n; ++k)
            delta[k] = (norm(delta[k]) / qNorm[k]) * q[k];

        if (dimension) {
            StateVector estimate;
            for (int k = 0; k < n; ++k)
                estimate[k] = spectrumResponse[k][i];
            const double dl = kaplanYorkeDimension(estimate, n);
            dimensionResponse[i] = dl;
            widenBounds(dl, i == 0, dimensionResponseMin, dimensionResponseMax);
        }
    }

    if (responses || points < 2)
        return StateVector();

    StateVector spectrum;
    for (int k = 0; k < n; ++k)
        spectrum[k] = sums[k] / t - (k > 0 ? sums[k - 1] / t : 0.0);
    spectrumExists = 1;
    return spectrum;
}

double DynamicsEngine::lyapunovDimension()
{
    if (diverged == 1) {
        spectrumExists = 0;
        return 0.0;
    }
    const StateVector spectrum = lyapunovSpectrum();
    if (spectrumExists == 0)
        return 0.0;
    return kaplanYorkeDimension(spectrum, recordInUse.Dimension);
}
