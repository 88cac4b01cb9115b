#include "core/state_vector.h"

#include <gtest/gtest.h>

#include <limits>

TEST(StateVector, EqualityComparesAllSixComponentsExactly)
{
    const StateVector a(1, 2, 3, 4, 5, 6);
    const StateVector copy = a;
    EXPECT_TRUE(a == copy);
    EXPECT_FALSE(a == StateVector(1, 2, 3, 4, 5, 6.000000000000001));
    EXPECT_FALSE(a == StateVector(0, 2, 3, 4, 5, 6));

    StateVector withNaN = a;
    withNaN[3] = std::numeric_limits<double>::quiet_NaN();
    const StateVector nanCopy = withNaN;
    EXPECT_FALSE(withNaN == nanCopy);
}

TEST(StateVector, DefaultIsZeroAndArithmeticActsOnEveryComponent)
{
    EXPECT_TRUE(StateVector() == StateVector(0, 0, 0, 0, 0, 0));
    const StateVector a(1, 2, 3, 4, 5, 6);
    const StateVector b(6, 5, 4, 3, 2, 1);
    EXPECT_TRUE(a + b == StateVector(7, 7, 7, 7, 7, 7));
    EXPECT_TRUE(a - b == StateVector(-5, -3, -1, 1, 3, 5));
    EXPECT_TRUE(2.0 * a == StateVector(2, 4, 6, 8, 10, 12));
    EXPECT_TRUE(0.0 * a == StateVector());
    StateVector c = a;
    c -= b;
    EXPECT_TRUE(c == a - b);
    EXPECT_EQ(dot(a, b), 6.0 + 10 + 12 + 12 + 10 + 6);
}

TEST(StateVector, NormCountsAllSixComponents)
{
    EXPECT_EQ(norm(StateVector()), 0.0);
    EXPECT_EQ(norm(StateVector(3, 4, 0, 0, 0, 0)), 5.0);
    EXPECT_EQ(norm(StateVector(0, 0, 0, 0, 3, 4)), 5.0);
    const StateVector a(0.5, -1.25, 2, 3, -4, 0.75);
    EXPECT_DOUBLE_EQ(dot(a, a), norm(a) * norm(a));
}

TEST(StateVector, AssignFromDisplayPointKeepsFourthComponentAndClearsLastTwo)
{
    StateVector held(9, 9, 9, 9, 9, 9);
    held = Vector3(1, 2, 3);
    EXPECT_TRUE(held == StateVector(1, 2, 3, 9, 0, 0));
    StateVector zero;
    zero = Vector3(1, 2, 3);
    EXPECT_TRUE(zero == StateVector(1, 2, 3, 0, 0, 0));
}
