#include "dynamics/kaplan_yorke.h"

#include <cmath>

double kaplanYorkeDimension(const StateVector& spectrum, int n)
{
    double sum = 0.0;
    for (int m = 0; m < n; ++m) {
        const double lambda = spectrum[m];
        if (std::isnan(lambda))
            return lambda;
        if (sum + lambda <= 0.0) {
            if (lambda == 0.0)
                return m;
            return m + sum / std::fabs(lambda);
        }
        sum += lambda;
    }
    return n;
}
