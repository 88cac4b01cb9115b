// Series with known properties for the time-series analysis tests.
#pragma once

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace series_data {

// A sine wave of the given period in samples. Give an irrational period, so
// that no two samples repeat to within rounding.
inline std::vector<double> sine(std::size_t length, double period)
{
    std::vector<double> s(length);
    for (std::size_t t = 0; t < length; ++t)
        s[t] = std::sin(2.0 * std::numbers::pi * static_cast<double>(t) / period);
    return s;
}

// Independent values, uniform on [0, 1), from a fixed seed.
inline std::vector<double> uniformNoise(std::size_t length, unsigned seed = 7)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> value(0.0, 1.0);
    std::vector<double> s(length);
    for (double& v : s)
        v = value(random);
    return s;
}

// The logistic map x -> 4 x (1 - x), whose Lyapunov exponent is ln 2 per step.
inline std::vector<double> logisticMap(std::size_t length, double start = 0.3141)
{
    std::vector<double> s(length);
    double x = start;
    for (double& v : s) {
        x = 4.0 * x * (1.0 - x);
        v = x;
    }
    return s;
}

}  // namespace series_data
