// Tolerance checks for vectors and transforms that print expected, actual and
// the limit on failure.
#pragma once

#include "view3d/scene/matrix4.h"
#include "core/vector3.h"

#include <gtest/gtest.h>

inline void expectVectorNear(const Vector3& expected, const Vector3& actual, double limit = 1e-12)
{
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(expected[k], actual[k], limit)
            << "component " << k << ": expected " << expected[k] << ", actual " << actual[k]
            << ", limit " << limit;
}

inline void expectIdentity(const Matrix4& m, double limit = 1e-12)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(r == c ? 1.0 : 0.0, m.at(r, c), limit)
                << "element (" << r << ", " << c << "), limit " << limit;
}
