#include "dynamics/dynamics_engine.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void expectNear(const Vector3& expected, const Vector3& actual, double limit)
{
    EXPECT_NEAR(expected.x, actual.x, limit);
    EXPECT_NEAR(expected.y, actual.y, limit);
    EXPECT_NEAR(expected.z, actual.z, limit);
}

void selectModel(DynamicsEngine& engine, int dimension, int mode)
{
    engine.recordEdited.Dimension = dimension;
    engine.recordEdited.Basis_Axis_Mode = mode;
    engine.applyEditedRecord();
}

}  // namespace

TEST(DisplayBasis, ThreeVariablesGetIdentityAndKeepHigherEntries)
{
    DynamicsEngine engine;
    engine.displayBasis[3] = Vector3(0.5, 0.5, 0.5);
    selectModel(engine, 3, 1);
    EXPECT_EQ(engine.displayBasis[0], Vector3(1, 0, 0));
    EXPECT_EQ(engine.displayBasis[1], Vector3(0, 1, 0));
    EXPECT_EQ(engine.displayBasis[2], Vector3(0, 0, 1));
    EXPECT_EQ(engine.displayBasis[3], Vector3(0.5, 0.5, 0.5));

    const StateVector x(1, 2, 3, 7, 8, 9);
    EXPECT_EQ(engine.projectToDisplay(x), Vector3(1, 2, 3));
}

TEST(DisplayBasis, OneAndTwoVariablesUseTheDisplayAxesOfTheirComponents)
{
    DynamicsEngine engine;
    selectModel(engine, 1, 0);
    EXPECT_EQ(engine.projectToDisplay(StateVector(4, 5, 6, 0, 0, 0)), Vector3(4, 0, 0));
    selectModel(engine, 2, 0);
    EXPECT_EQ(engine.projectToDisplay(StateVector(4, 5, 6, 0, 0, 0)), Vector3(4, 5, 0));
}

TEST(DisplayBasis, FourVariablesRadialUseTheDisplayDegreeFactor)
{
    DynamicsEngine engine;
    selectModel(engine, 4, 0);
    expectNear(Vector3(0.57735, 0, -0.81650), engine.displayBasis[0], 1e-5);

    // 90 degrees through 3.14/180 is not quite a right angle: the second
    // direction keeps a small z component.
    const double sinTheta = std::sqrt(2.0 / 3.0);
    const double alpha = 90 * (3.14 / 180);
    expectNear(Vector3(1 / std::sqrt(3.0), std::sin(alpha) * sinTheta, -std::cos(alpha) * sinTheta),
               engine.displayBasis[1], 1e-12);
    EXPECT_LT(engine.displayBasis[1].z, -6e-4);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(engine.displayBasis[i].length(), 1.0, 1e-15) << "entry " << i;
}

TEST(DisplayBasis, FiveAndSixVariablesAreAlwaysRadial)
{
    DynamicsEngine engine;
    selectModel(engine, 6, 2);
    EXPECT_EQ(engine.recordInUse.Basis_Axis_Mode, 0);
    for (int i = 0; i < 6; ++i) {
        const double alpha = 60 * i * 0.017444444444444446;
        const double sinTheta = std::sqrt(2.0 / 3.0);
        expectNear(Vector3(1 / std::sqrt(3.0), std::sin(alpha) * sinTheta,
                           -std::cos(alpha) * sinTheta),
                   engine.displayBasis[i], 1e-12);
    }
    selectModel(engine, 5, 3);
    EXPECT_EQ(engine.recordInUse.Basis_Axis_Mode, 0);
    const double alpha = 72 * 0.017444444444444446;
    EXPECT_NEAR(engine.displayBasis[1].y, std::sin(alpha) * std::sqrt(2.0 / 3.0), 1e-12);
}

TEST(DisplayBasis, CubeAndHypercubeConstantsAreNotNormalised)
{
    DynamicsEngine engine;
    selectModel(engine, 4, 1);
    EXPECT_EQ(engine.displayBasis[1], Vector3(0.82, -0.33, -0.47));
    EXPECT_EQ(engine.displayBasis[2], Vector3(0, -0.33, 0.94));
    EXPECT_EQ(engine.displayBasis[5], Vector3(-0.6, 0.6, 0.6));

    selectModel(engine, 4, 2);
    const double r = 1.0 / std::sqrt(3.0);
    EXPECT_EQ(engine.displayBasis[2], Vector3(-r, r, r));
    EXPECT_EQ(engine.displayBasis[3], Vector3(0, 0, 1));
}

TEST(DisplayBasis, CartesianAfterHypercubeKeepsTheFourthDirection)
{
    DynamicsEngine engine;
    selectModel(engine, 4, 2);
    selectModel(engine, 4, 3);
    EXPECT_EQ(engine.displayBasis[2], Vector3(0, 0, 1));
    EXPECT_EQ(engine.displayBasis[3], Vector3(0, 0, 1));
    EXPECT_EQ(engine.projectToDisplay(StateVector(0, 0, 0, 2, 0, 0)), Vector3(0, 0, 2));
}

TEST(DisplayBasis, ApplyingTheEditedRecordMarksTheOrbitNotReady)
{
    DynamicsEngine engine;
    engine.orbitReady = 1;
    engine.recordEdited.ModelName = "Edited";
    engine.applyEditedRecord();
    EXPECT_EQ(engine.orbitReady, 0);
    EXPECT_EQ(engine.recordInUse.ModelName, "Edited");
}
