#include "view3d/objects/cone_head.h"

#include "view3d/scene/gl_state.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kConeRadius = 0.04;
constexpr double kConeHeight = 0.08;
constexpr int kConeSlices = 32;
constexpr float kHighlight[4] = {0.7f, 0.7f, 0.7f, 1.0f};
constexpr float kShininess = 80.0f;

} // namespace

ConeRotation rotationOntoDirection(const Vector3& direction)
{
    ConeRotation rotation;
    const double length = direction.length();
    if (length == 0.0)
        return rotation;
    const double cosine = std::clamp(direction.z / length, -1.0, 1.0);
    rotation.angleDegrees = std::acos(cosine) * 180.0 / M_PI;
    // +z × direction; zero when they are parallel, where the angle is 0 or 180.
    const Vector3 cross{-direction.y, direction.x, 0.0};
    if (cross.length() > 0.0)
        rotation.axis = cross;
    return rotation;
}

void drawConeHead(const Vector3& base, const Vector3& direction, const Rgba& colour)
{
    GLUquadric* cone = gluNewQuadric();
    GLUquadric* disk = gluNewQuadric();
    if (cone && disk) {
        gluQuadricNormals(cone, GLU_SMOOTH);
        gluQuadricNormals(disk, GLU_SMOOTH);
        gluQuadricOrientation(disk, GLU_INSIDE);
        glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, kHighlight);
        glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, kShininess);
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, colour.data());
        const ConeRotation rotation = rotationOntoDirection(direction);
        glPushMatrix();
        glTranslated(base.x, base.y, base.z);
        if (rotation.angleDegrees != 0.0)
            glRotated(rotation.angleDegrees, rotation.axis.x, rotation.axis.y, rotation.axis.z);
        gluCylinder(cone, kConeRadius, 0.0, kConeHeight, kConeSlices, 1);
        gluDisk(disk, 0.0, kConeRadius, kConeSlices, 1);
        glPopMatrix();
    }
    if (disk)
        gluDeleteQuadric(disk);
    if (cone)
        gluDeleteQuadric(cone);
}
