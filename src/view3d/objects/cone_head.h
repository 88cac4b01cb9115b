// The lit cone that ends an axis of the plain axes and the probe's arrow: a
// cone of radius 0.04 and height 0.08 on a disk that closes its base, in one
// colour with a shiny white highlight, pointing along a scene direction.
#pragma once

#include "core/rgba.h"
#include "core/vector3.h"

// The angle (degrees) and axis of the rotation that turns +z onto direction:
// about their cross product, or about (1, 0, 0) when they are opposite. An
// angle of 0 (direction along +z, or the zero vector) needs no rotation.
struct ConeRotation {
    double angleDegrees = 0.0;
    Vector3 axis{1.0, 0.0, 0.0};
};
ConeRotation rotationOntoDirection(const Vector3& direction);

// Records the cone with its base at base, pointing along direction, its
// ambient and diffuse material colour; lighting must be on.
void drawConeHead(const Vector3& base, const Vector3& direction, const Rgba& colour);
