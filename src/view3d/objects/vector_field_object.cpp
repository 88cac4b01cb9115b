#include "view3d/objects/vector_field_object.h"

#include "dynamics/colour_scale.h"
#include "dynamics/dynamics_engine.h"
#include "dynamics/vector_field.h"
#include "view3d/objects/scene_mapping.h"
#include "view3d/scene/gl_state.h"
#include "settings/environment_settings.h"

namespace {

constexpr float kSegmentWidths[kStreamlinePoints - 1] = {1.0f, 1.2f, 1.4f, 1.4f};
// Arrowhead length in phase units times the model scale, and its half-width
// as a fraction of the length.
constexpr double kArrowLength = 2.42;
constexpr double kArrowHalfWidth = 0.15;

Vector3 operator+(const Vector3& a, const Vector3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vector3 operator-(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vector3 operator*(double s, const Vector3& a) { return {s * a.x, s * a.y, s * a.z}; }
Vector3 cross(const Vector3& a, const Vector3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

void colour(double position)
{
    const ScaleColour c = ColourScale(position);
    glColor4d(c.r, c.g, c.b, 1.0);
}

void vertex(const Vector3& p) { glVertex3d(p.x, p.y, p.z); }

// Two unit vectors across direction (unit or zero), spanning the arrow's base.
void baseAxes(const Vector3& direction, Vector3& u, Vector3& v)
{
    const Vector3 helper = std::abs(direction.x) < 0.9 ? Vector3{1, 0, 0} : Vector3{0, 1, 0};
    u = cross(direction, helper);
    u.normalize();
    if (u.length() == 0.0)
        u = {1, 0, 0};
    v = cross(direction, u);
    v.normalize();
    if (v.length() == 0.0)
        v = {0, 1, 0};
}

// A pyramid with its base centred at base and its tip length along
// direction: sides as a fan, black edges from the tip (when the direction is
// known), then the base.
void drawArrowhead(const Vector3& base, Vector3 direction, double length, double position)
{
    const bool known = direction.length() > 0.0;
    direction.normalize();
    Vector3 u;
    Vector3 v;
    baseAxes(direction, u, v);
    const double w = kArrowHalfWidth * length;
    const Vector3 tip = base + length * direction;
    const Vector3 corners[4] = {base + w * u + w * v, base - w * u + w * v,
                                base - w * u - w * v, base + w * u - w * v};
    colour(position);
    glBegin(GL_TRIANGLE_FAN);
    vertex(tip);
    for (int c = 0; c < 5; ++c)
        vertex(corners[c % 4]);
    glEnd();
    if (known) {
        glColor4d(0.0, 0.0, 0.0, 1.0);
        glBegin(GL_LINES);
        for (const Vector3& corner : corners) {
            vertex(tip);
            vertex(corner);
        }
        glEnd();
    }
    colour(position);
    glBegin(GL_QUADS);
    for (int c = 3; c >= 0; --c)
        vertex(corners[c]);
    glEnd();
}

} // namespace

CVectorFieldObject::CVectorFieldObject(DynamicsEngine& engine, EnvironmentSettings& environment)
    : engine_(engine), environment_(environment)
{
    setShadeModel(ShadeModel::Smooth);
}

void CVectorFieldObject::rebuild() { requestRebuild(PS_REBUILD_ONCE); }

void CVectorFieldObject::drawImplementation()
{
    if (environment_.vectorFieldOn != 1)
        return;
    const bool streamlines = environment_.Vector_Flag_Display_Vector != 0;
    const VectorFieldSample field =
        sampleVectorField(engine_, environment_.Vector_Space_Num, streamlines);
    if (field.lines.empty())
        return;
    environment_.colourMax = field.speedRange.max;
    environment_.colourMin = field.speedRange.min;
    const double scale = sceneScale(engine_.recordInUse, environment_);
    const double arrowLength = kArrowLength * environment_.scale * kSceneUnit;
    auto sceneOf = [&](const StateVector& p) { return toScene(engine_.projectToDisplay(p), scale); };
    const float dotSize = static_cast<float>(environment_.Vector_LaticeSize);

    glPushAttrib(GL_ENABLE_BIT | GL_LINE_BIT | GL_POINT_BIT);
    glDisable(GL_LIGHTING);
    for (const FieldLine& line : field.lines) {
        if (line.count == kStreamlinePoints) {
            for (int s = 0; s + 1 < kStreamlinePoints; ++s) {
                glLineWidth(kSegmentWidths[s]);
                glBegin(GL_LINES);
                colour(line.colour[s]);
                vertex(sceneOf(line.points[s]));
                colour(line.colour[s + 1]);
                vertex(sceneOf(line.points[s + 1]));
                glEnd();
            }
            glLineWidth(1.0f);
            const Vector3 end = sceneOf(line.points[4]);
            drawArrowhead(end, end - sceneOf(line.points[3]), arrowLength, line.colour[4]);
        }
        glPointSize(dotSize);
        glBegin(GL_POINTS);
        colour(line.colour[0]);
        vertex(sceneOf(line.points[0]));
        glEnd();
    }
    glPopAttrib();
}
