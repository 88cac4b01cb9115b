#include "view3d/objects/vector_field_object.h"

#include "dynamics/colour_scale.h"
#include "dynamics/dynamics_engine.h"
#include "dynamics/vector_field.h"
#include "view3d/objects/scene_mapping.h"
#include "view3d/scene/gl_state.h"
#include "settings/environment_settings.h"

#include <cmath>
#include <utility>
#include <vector>

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

// The corners of a pyramid arrowhead with its base centred at base and its
// tip length along direction (unit or zero).
struct Arrowhead {
    Vector3 tip;
    Vector3 corners[4];
};

Arrowhead arrowhead(const Vector3& base, const Vector3& direction, double length)
{
    Vector3 u;
    Vector3 v;
    baseAxes(direction, u, v);
    const double w = kArrowHalfWidth * length;
    return {base + length * direction,
            {base + w * u + w * v, base - w * u + w * v, base - w * u - w * v, base + w * u - w * v}};
}

} // namespace

CVectorFieldObject::CVectorFieldObject(DynamicsEngine& engine, EnvironmentSettings& environment)
    : engine_(engine), environment_(environment)
{
    setShadeModel(ShadeModel::Smooth);
}

void CVectorFieldObject::rebuild()
{
    sample_.reset();
    requestRebuild(PS_REBUILD_ONCE);
}

void CVectorFieldObject::rebuild(std::shared_ptr<const VectorFieldSample> sample)
{
    sample_ = std::move(sample);
    requestRebuild(PS_REBUILD_ONCE);
}

void CVectorFieldObject::drawImplementation()
{
    if (environment_.vectorFieldOn != 1)
        return;
    VectorFieldSample sampled;
    if (!sample_)
        sampled = sampleVectorField(engine_, environment_.Vector_Space_Num,
                                    environment_.Vector_Flag_Display_Vector != 0);
    const VectorFieldSample& field = sample_ ? *sample_ : sampled;
    if (field.lines.empty())
        return;
    // A sample made elsewhere says itself whether it holds streamlines.
    const bool streamlines = field.lines.front().count == kStreamlinePoints;
    environment_.colourMax = field.speedRange.max;
    environment_.colourMin = field.speedRange.min;
    const double scale = sceneScale(engine_.recordInUse, environment_);
    const double arrowLength = kArrowLength * environment_.scale * kSceneUnit;
    auto sceneOf = [&](const StateVector& p) { return toScene(engine_.projectToDisplay(p), scale); };
    const float dotSize = static_cast<float>(environment_.Vector_LaticeSize);

    glPushAttrib(GL_ENABLE_BIT | GL_LINE_BIT | GL_POINT_BIT);
    glDisable(GL_LIGHTING);
    // Each kind of primitive in one batch (the software renderer pays per
    // batch, not per vertex): the segments by their width, then the
    // arrowheads' sides, black edges and bases, then the dots on top.
    if (streamlines) {
        for (int s = 0; s + 1 < kStreamlinePoints; ++s) {
            glLineWidth(kSegmentWidths[s]);
            glBegin(GL_LINES);
            for (const FieldLine& line : field.lines) {
                colour(line.colour[s]);
                vertex(sceneOf(line.points[s]));
                colour(line.colour[s + 1]);
                vertex(sceneOf(line.points[s + 1]));
            }
            glEnd();
        }
        glLineWidth(1.0f);
        std::vector<Arrowhead> heads;
        std::vector<bool> known;
        heads.reserve(field.lines.size());
        known.reserve(field.lines.size());
        for (const FieldLine& line : field.lines) {
            const Vector3 end = sceneOf(line.points[4]);
            Vector3 direction = end - sceneOf(line.points[3]);
            known.push_back(direction.length() > 0.0);
            direction.normalize();
            heads.push_back(arrowhead(end, direction, arrowLength));
        }
        glBegin(GL_TRIANGLES);
        for (std::size_t i = 0; i < heads.size(); ++i) {
            colour(field.lines[i].colour[4]);
            for (int c = 0; c < 4; ++c) {
                vertex(heads[i].tip);
                vertex(heads[i].corners[c]);
                vertex(heads[i].corners[(c + 1) % 4]);
            }
        }
        glEnd();
        glColor4d(0.0, 0.0, 0.0, 1.0);
        glBegin(GL_LINES);
        for (std::size_t i = 0; i < heads.size(); ++i) {
            if (!known[i])
                continue;
            for (const Vector3& corner : heads[i].corners) {
                vertex(heads[i].tip);
                vertex(corner);
            }
        }
        glEnd();
        glBegin(GL_QUADS);
        for (std::size_t i = 0; i < heads.size(); ++i) {
            colour(field.lines[i].colour[4]);
            for (int c = 3; c >= 0; --c)
                vertex(heads[i].corners[c]);
        }
        glEnd();
    }
    glPointSize(dotSize);
    glBegin(GL_POINTS);
    for (const FieldLine& line : field.lines) {
        colour(line.colour[0]);
        vertex(sceneOf(line.points[0]));
    }
    glEnd();
    glPopAttrib();
}
