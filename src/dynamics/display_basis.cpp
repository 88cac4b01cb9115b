// The display direction of each state component: identity axes for up to
// three variables, and for four to six variables one of the arrangements
// chosen by Basis_Axis_Mode (radial, cube, hypercube, Cartesian plus colour).
#include "dynamics/dynamics_engine.h"

#include <cmath>

namespace {

// Degrees to radians as the display has always converted them (3.14 / 180);
// the radial arrangement's directions depend on it.
constexpr double kDegreeToRadian = 0.017444444444444446;

enum BasisAxisMode { kRadial = 0, kCube = 1, kHypercube = 2, kCartesianColour = 3 };

void setIdentityAxes(Vector3* basis)
{
    basis[0] = Vector3(1, 0, 0);
    basis[1] = Vector3(0, 1, 0);
    basis[2] = Vector3(0, 0, 1);
}

// n directions on a cone of half-angle arctan(sqrt 2) around the display x
// axis, evenly spaced by (360 div n) degrees.
void setRadialAxes(Vector3* basis, int n)
{
    const double theta = std::atan(std::sqrt(2.0));
    for (int i = 0; i < n; ++i) {
        const double alpha = static_cast<double>((360 / n) * i) * kDegreeToRadian;
        Vector3 direction(std::cos(theta), std::sin(alpha) * std::sin(theta),
                          -std::cos(alpha) * std::sin(theta));
        direction.normalize();
        basis[i] = direction;
    }
}

}  // namespace

void DynamicsEngine::computeDisplayBasis()
{
    const int n = recordInUse.Dimension;
    if (n < 1 || n > kMaxVariables)
        return;
    if (n >= 5)
        recordInUse.Basis_Axis_Mode = kRadial;
    const int mode = recordInUse.Basis_Axis_Mode;

    // Models of one or two variables use the display x (and y) axis for their
    // components, like a three-variable model; the unused z axis stays set so
    // the axes drawn for them are the familiar ones. Entries 3..5 are left.
    if (n <= 3) {
        setIdentityAxes(displayBasis);
        return;
    }
    if (mode == kRadial) {
        setRadialAxes(displayBasis, n);
        return;
    }
    if (n != 4)
        return;
    const double r = 1.0 / std::sqrt(3.0);
    switch (mode) {
    case kCube:
        displayBasis[0] = Vector3(0, 1, 0);
        displayBasis[1] = Vector3(0.82, -0.33, -0.47);
        displayBasis[2] = Vector3(0, -0.33, 0.94);
        displayBasis[3] = Vector3(-0.82, -0.33, -0.47);
        displayBasis[4] = Vector3(0.6, -0.6, 0.6);
        displayBasis[5] = Vector3(-0.6, 0.6, 0.6);
        break;
    case kHypercube:
        displayBasis[0] = Vector3(1, 0, 0);
        displayBasis[1] = Vector3(0, 1, 0);
        displayBasis[2] = Vector3(-r, r, r);
        displayBasis[3] = Vector3(0, 0, 1);
        displayBasis[4] = Vector3(0.6, -0.6, 0.6);
        displayBasis[5] = Vector3(-0.6, 0.6, 0.6);
        break;
    case kCartesianColour:
        // Entries 3..5 keep what an earlier arrangement left there.
        setIdentityAxes(displayBasis);
        break;
    default:
        break;
    }
}
