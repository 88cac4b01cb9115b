// A light of a world: colours, a position (the node's) aimed at a look-at
// point, and spot parameters. While the positional flag is off the position
// is sent as a direction (w = 0). A world gives each registered light the next
// OpenGL light number and sends its parameters after the camera is applied, so
// lights stay fixed in the scene.
#pragma once

#include "view3d/scene/node.h"
#include "core/rgba.h"
#include "core/vector3.h"

#include <array>

class CLight : public CNode {
public:
    // Set up by assigning these; they are sent at every draw.
    Rgba ambient{0.0f, 0.0f, 0.0f, 1.0f};
    Rgba diffuse{1.0f, 1.0f, 1.0f, 1.0f};
    Rgba specular{1.0f, 1.0f, 1.0f, 1.0f};
    std::array<float, 3> spotDirection{0.0f, 0.0f, -1.0f};
    float spotExponent = 64.0f;
    float spotCutoff = 30.0f;
    bool positional = false;

    // At (0, 0, 10), aimed at the origin.
    CLight();

    // Sets the look-at point and points the spot from the current position
    // towards it (unit direction).
    void aimAt(const Vector3& point);
    const Vector3& lookAt() const { return lookAt_; }

    // Sends every parameter to OpenGL light number index (0 to 7) under the
    // current modelview matrix.
    void apply(int index) const;

private:
    Vector3 lookAt_;
};
