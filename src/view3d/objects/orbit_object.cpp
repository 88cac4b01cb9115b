#include "view3d/objects/orbit_object.h"

#include "dynamics/colour_scale.h"
#include "dynamics/dynamics_engine.h"
#include "dynamics/orbit_colouring.h"
#include "view3d/objects/scene_mapping.h"
#include "view3d/scene/gl_state.h"
#include "settings/environment_settings.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr int kColourAxisArrangement = 3;

constexpr float kOrbitLineWidth = 2.0f;

// The six lit strips of the pseudo-tube: each has its own normal and is moved
// a little along it, so the light shades the strips differently.
constexpr float kTubeNormals[6][3] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0},
                                      {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
constexpr float kTubeOffset = 0.003f;

void vertex(const Vector3& p) { glVertex3d(p.x, p.y, p.z); }

// Number of orbit points that may be drawn: the valid points, bounded by the
// arrays actually held.
int drawableCount(const DynamicsEngine& engine)
{
    const std::size_t valid = static_cast<std::size_t>(std::max(engine.recordInUse.validPointCount, 0));
    return static_cast<int>(std::min({valid, engine.displayPoints.size(), engine.orbit.size()}));
}

void drawStructure(const DynamicsEngine& engine, const EnvironmentSettings& environment,
                   int count, double scale)
{
    const float colour[4] = {environment.Orbit_Color[0], environment.Orbit_Color[1],
                             environment.Orbit_Color[2], 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, colour);
    glPushAttrib(GL_LIGHTING_BIT);
    if (environment.orbitStyle() == OrbitStyle::Tube) {
        for (const auto& normal : kTubeNormals) {
            const Vector3 offset{kTubeOffset * normal[0], kTubeOffset * normal[1],
                                 kTubeOffset * normal[2]};
            glNormal3fv(normal);
            glLineWidth(kOrbitLineWidth);
            glEnable(GL_LIGHTING);
            glBegin(GL_LINE_STRIP);
            for (int i = 0; i < count; ++i) {
                const Vector3 p = toScene(engine.displayPoints[i], scale);
                glVertex3d(p.x + offset.x, p.y + offset.y, p.z + offset.z);
            }
            glEnd();
        }
    } else {
        glDisable(GL_LIGHTING);
        glLineWidth(kOrbitLineWidth);
        glColor4fv(colour);
        glBegin(GL_LINE_STRIP);
        for (int i = 0; i < count; ++i)
            vertex(toScene(engine.displayPoints[i], scale));
        glEnd();
    }
    glEnable(GL_LIGHTING);
    glPopAttrib();
}

void colour(double value, const ValueRange& range)
{
    const ScaleColour c = ColourScale(scalePosition(value, range));
    glColor4d(c.r, c.g, c.b, 1.0);
}

// One separate segment from point i to point i+1 for i = 0 .. count−3. The
// start takes the colour of value i; the end that of value i+1 when blend is
// set (the colours then shade along the segment), else that of value i too.
template <typename PointOf>
void drawSegments(int count, const std::vector<double>& values, const ValueRange& range,
                  bool blend, PointOf pointOf)
{
    glDisable(GL_LIGHTING);
    glLineWidth(kOrbitLineWidth);
    glBegin(GL_LINES);
    for (int i = 0; i + 2 < count; ++i) {
        colour(values[i], range);
        vertex(pointOf(i));
        colour(values[blend ? i + 1 : i], range);
        vertex(pointOf(i + 1));
    }
    glEnd();
    glEnable(GL_LIGHTING);
}

} // namespace

COrbitObject::COrbitObject(DynamicsEngine& engine, EnvironmentSettings& environment)
    : engine_(engine), environment_(environment)
{
    // The colourings blend from one point's colour to the next along a segment.
    setShadeModel(ShadeModel::Smooth);
}

void COrbitObject::rebuild() { requestRebuild(PS_REBUILD_ONCE); }

bool COrbitObject::computeValues(int count)
{
    const ModelRecord& record = engine_.recordInUse;
    const bool modelBound = engine_.binding.modelFunction != nullptr;
    switch (environment_.presentationMode) {
    case PresentationMode::Structure:
        componentValues(engine_, record.Color_Axis_Number, count, values_);
        return true;
    case PresentationMode::Velocity:
        if (environment_.dataSource == DataSource::Model && modelBound) {
            modelVelocityValues(engine_, count, values_);
            return true;
        }
        if (environment_.dataSource == DataSource::Series) {
            dataVelocityValues(engine_, count, values_);
            return true;
        }
        return false;
    case PresentationMode::LocalLyapunov:
        if (!modelBound)
            return false;
        localLyapunovValues(engine_, environment_.perturbation, count, values_);
        return true;
    case PresentationMode::None:
        break;
    }
    return false;
}

void COrbitObject::drawImplementation()
{
    // The arrays are being replaced while the orbit is not ready.
    if (!engine_.orbitReady)
        return;
    if (environment_.vectorFieldOn == 1 && environment_.Vector_Flag_Display_Attractor == 0)
        return;
    const ModelRecord& record = engine_.recordInUse;
    const int count = drawableCount(engine_);
    const double scale = sceneScale(record, environment_);
    const PresentationMode mode = environment_.presentationMode;
    const int colourAxis = record.Color_Axis_Number;
    // The colour-axis arrangement exists for four variables only; other
    // models keep their structure drawing whatever arrangement is stored.
    const bool byComponent = mode == PresentationMode::Structure &&
                             record.Basis_Axis_Mode == kColourAxisArrangement &&
                             record.Dimension == 4 && colourAxis >= 0 && colourAxis < 4;
    if (mode == PresentationMode::Structure && !byComponent) {
        drawStructure(engine_, environment_, count, scale);
        return;
    }
    if (count < 2 || !computeValues(count))
        return;
    const ValueRange range = valueRange(values_);
    environment_.colourMax = range.max;
    environment_.colourMin = range.min;
    const bool blend =
        !(mode == PresentationMode::Velocity && environment_.dataSource == DataSource::Series);
    if (byComponent) {
        drawSegments(count, values_, range, blend, [&](int i) {
            return toScene(componentPoint(engine_.orbit[i], colourAxis), scale);
        });
    } else {
        drawSegments(count, values_, range, blend,
                     [&](int i) { return toScene(engine_.displayPoints[i], scale); });
    }
}
