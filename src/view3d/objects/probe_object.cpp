#include "view3d/objects/probe_object.h"

#include "view3d/objects/cone_head.h"
#include "view3d/scene/gl_state.h"
#include "settings/environment_settings.h"

namespace {

constexpr double kProbeLength = 0.12;
constexpr float kProbeLineWidth = 3.0f;
constexpr Rgba kWhite{1.0f, 1.0f, 1.0f, 1.0f};

} // namespace

CProbeObject::CProbeObject(const EnvironmentSettings& environment) : environment_(environment)
{
    requestRebuild(PS_REBUILD_EVERY_DRAW);
}

void CProbeObject::place(const Vector3& position, const Vector3& direction)
{
    if (direction.length() > 0.0) {
        const ConeRotation turn = rotationOntoDirection(direction);
        setOrientation(Matrix4::rotation(turn.angleDegrees, turn.axis));
    }
    setPosition(position);
}

void CProbeObject::drawImplementation()
{
    if (environment_.probeMode != 1)
        return;
    const Vector3 tip{0.0, 0.0, kProbeLength};
    glDisable(GL_LIGHTING);
    glLineWidth(kProbeLineWidth);
    glColor4fv(kWhite.data());
    glBegin(GL_LINES);
    glVertex3d(0.0, 0.0, 0.0);
    glVertex3d(tip.x, tip.y, tip.z);
    glEnd();
    glLineWidth(1.0f);
    glEnable(GL_LIGHTING);
    drawConeHead(tip, tip, kWhite);
}
