// An independent, deliberately plain implementation of the Lyapunov spectrum,
// its temporal responses and the Kaplan-Yorke dimension, written straight from
// the formulas with std::array and no engine code, so the engine's optimised
// loop can be checked against it.
#pragma once

#include "models/model_function.h"

#include <array>
#include <cmath>
#include <vector>

namespace reference {

using Vec = std::array<double, 6>;

struct Model {
    ModelFunction function;
    int n;
    std::array<double, 10> parameters;
};

inline double derivative(const Model& model, int k, const Vec& x)
{
    int dimension[1] = {k};
    double variables[6];
    for (int j = 0; j < 6; ++j)
        variables[j] = x[j];
    std::array<double, 10> parameters = model.parameters;
    double input[1] = {0.0};
    return model.function(dimension, variables, parameters.data(), input);
}

// Classical Runge-Kutta over the first n components, with the stage
// increments k = h * f and the combination ((k2 + k3) * 2 + k4 + k1) / 6 in
// the order the engine's integrator defines, so both round alike.
inline Vec rk4(const Model& model, const Vec& x, double h)
{
    const int n = model.n;
    Vec k1{}, k2{}, k3{}, k4{}, s1{}, s2{}, s3{};
    for (int k = 0; k < n; ++k) {
        k1[k] = h * derivative(model, k, x);
        s1[k] = x[k] + k1[k] * 0.5;
    }
    for (int k = 0; k < n; ++k) {
        k2[k] = h * derivative(model, k, s1);
        s2[k] = x[k] + k2[k] * 0.5;
    }
    for (int k = 0; k < n; ++k) {
        k3[k] = h * derivative(model, k, s2);
        s3[k] = x[k] + k3[k];
    }
    for (int k = 0; k < n; ++k)
        k4[k] = h * derivative(model, k, s3);
    Vec result = x;
    for (int k = 0; k < n; ++k)
        result[k] = (((k2[k] + k3[k]) * 2 + k4[k]) + k1[k]) * 0.16666666666666666 + x[k];
    return result;
}

inline double dotProduct(const Vec& a, const Vec& b)
{
    double s = 0;
    for (int k = 0; k < 6; ++k)
        s += a[k] * b[k];
    return s;
}

inline double length(const Vec& a) { return std::sqrt(dotProduct(a, a)); }

// Kaplan-Yorke: j = first index whose addition makes the running sum <= 0;
// all sums positive gives n.
inline double dimension(const std::vector<double>& lambda)
{
    double sum = 0;
    for (std::size_t j = 0; j < lambda.size(); ++j) {
        if (sum + lambda[j] <= 0)
            return lambda[j] == 0 ? static_cast<double>(j)
                                  : static_cast<double>(j) + sum / std::fabs(lambda[j]);
        sum += lambda[j];
    }
    return static_cast<double>(lambda.size());
}

struct Result {
    std::vector<double> spectrum;
    // [i][k], one row per step from point i to i+1.
    std::vector<std::vector<double>> exponents;
    std::vector<std::vector<double>> partialSums;
    std::vector<double> dimensions;
};

// orbit: the stored points; stepSizes empty for the fixed interval h0.
inline Result lyapunov(const Model& model, const std::vector<Vec>& orbit, double h0,
                       const std::vector<double>& stepSizes)
{
    const int n = model.n;
    std::vector<Vec> delta(n, Vec{});
    for (int k = 0; k < n; ++k)
        delta[k][k] = 1e-8;
    std::vector<double> sums(n, 0.0);
    Result result;
    double t = 0;
    for (std::size_t i = 0; i + 1 < orbit.size(); ++i) {
        double h = h0;
        if (stepSizes.empty()) {
            t = static_cast<double>(i + 1) * h0;
        } else {
            h = stepSizes[i];
            t += h;
        }
        std::vector<Vec> q(n);
        for (int k = 0; k < n; ++k) {
            Vec start = orbit[i];
            for (int j = 0; j < 6; ++j)
                start[j] += delta[k][j];
            const Vec end = rk4(model, start, h);
            for (int j = 0; j < 6; ++j)
                q[k][j] = end[j] - orbit[i + 1][j];
            for (int m = 0; m < k; ++m) {
                const double coefficient =
                    dotProduct(q[k], q[m]) / (length(q[m]) * length(q[m]));
                for (int j = 0; j < 6; ++j)
                    q[k][j] -= coefficient * q[m][j];
            }
            double product = 1;
            for (int m = 0; m <= k; ++m)
                product *= length(q[m]) / length(delta[m]);
            sums[k] += std::log(product);
        }
        std::vector<double> partial(n), exponent(n);
        for (int k = 0; k < n; ++k) {
            partial[k] = sums[k] / t;
            exponent[k] = k == 0 ? partial[0] : partial[k] - partial[k - 1];
        }
        result.partialSums.push_back(partial);
        result.exponents.push_back(exponent);
        result.dimensions.push_back(dimension(exponent));
        for (int k = 0; k < n; ++k) {
            const double scale = length(delta[k]) / length(q[k]);
            for (int j = 0; j < 6; ++j)
                delta[k][j] = q[k][j] * scale;
        }
    }
    if (!result.exponents.empty())
        result.spectrum = result.exponents.back();
    return result;
}

}  // namespace reference
