// The display mapping from phase space to scene coordinates. A phase point
// (x, y, z) is drawn at (s·x, s·z, −s·y), so the phase z axis points up and the
// phase y axis away from the viewer; s is the model's display scale times the
// view's scale times 0.02. Models with more than three variables are mapped
// from their display projection (DynamicsEngine::displayPoints).
#pragma once

#include "core/vector3.h"

class ModelRecord;
struct EnvironmentSettings;

// The factor per unit of the model scale and the view scale.
inline constexpr double kSceneUnit = 0.02;

// s = Display_Scale × scale × 0.02 (0.2 with the defaults).
double sceneScale(const ModelRecord& record, const EnvironmentSettings& environment);

// The scene point of the display point p at scale s.
constexpr Vector3 toScene(const Vector3& p, double s)
{
    return {s * p.x, s * p.z, -s * p.y};
}
