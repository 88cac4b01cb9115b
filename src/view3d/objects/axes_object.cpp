#include "view3d/objects/axes_object.h"

#include "dynamics/dynamics_engine.h"
#include "view3d/objects/bitmap_text.h"
#include "view3d/objects/cone_head.h"
#include "view3d/objects/scene_mapping.h"
#include "view3d/scene/gl_state.h"
#include "settings/environment_settings.h"

#include <cmath>
#include <string>

namespace {

constexpr double kTickLength = 0.05;
constexpr double kLabelOffset = 0.2;
constexpr unsigned short kLatticePattern = 0xAAAA;
constexpr int kLatticeFactor = 3;

constexpr Rgba kAxisColours[6] = {{1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1},
                                  {1, 1, 0, 1}, {0, 1, 1, 1}, {1, 0, 1, 1}};
constexpr char kAxisNames[6] = {'x', 'y', 'z', 'w', 'v', 'u'};

Rgba opaque(const float* rgb) { return {rgb[0], rgb[1], rgb[2], 1.0f}; }

void vertex(const Vector3& p) { glVertex3d(p.x, p.y, p.z); }

Vector3 operator+(const Vector3& a, const Vector3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vector3 operator*(double s, const Vector3& a) { return {s * a.x, s * a.y, s * a.z}; }

// Display-space positions of state points and the scene points they map to.
struct FrameMapping {
    const DynamicsEngine& engine;
    double scale;

    // P(c) = s·Σ c_k·b_k, still in display axes.
    Vector3 display(const StateVector& c) const { return scale * engine.projectToDisplay(c); }
    static Vector3 scene(const Vector3& display) { return toScene(display, 1.0); }
    Vector3 scenePoint(const StateVector& c) const { return scene(display(c)); }
};

// The direction the numbers and names of component k stand off from their
// axis: along y's basis for x, x's for y, between them for the rest.
Vector3 offsetDirection(const DynamicsEngine& engine, int k)
{
    const Vector3& b0 = engine.displayBasis[0];
    const Vector3& b1 = engine.displayBasis[1];
    if (k == 0)
        return b1;
    if (k == 1)
        return b0;
    return (1.0 / std::sqrt(2.0)) * (b0 + b1);
}

// The point with value at component k and every other component at the box's
// lower end.
StateVector onLowerEdges(const AxisTicks& ticks, int k, double value)
{
    StateVector c = ticks.boxMin;
    c[k] = value;
    return c;
}

} // namespace

CAxesObject::CAxesObject(DynamicsEngine& engine, EnvironmentSettings& environment)
    : engine_(engine), environment_(environment)
{
}

void CAxesObject::rebuild() { requestRebuild(PS_REBUILD_ONCE); }

void CAxesObject::setDevicePixelRatio(double ratio)
{
    if (ratio == devicePixelRatio_)
        return;
    devicePixelRatio_ = ratio;
    rebuild();
}

void CAxesObject::drawImplementation()
{
    if (environment_.Axis_Flag_Display == 0 || engine_.orbitReady != 1)
        return;
    const double scale = sceneScale(engine_.recordInUse, environment_);
    if (environment_.Axis_Num_Type == 0)
        drawPlainAxes(scale);
    else if (environment_.Axis_Num_Type == 1)
        drawFrame(scale);
}

void CAxesObject::drawPlainAxes(double scale)
{
    const int d = engine_.recordInUse.Dimension;
    double length = environment_.Axis_Type0_Length;
    if (environment_.Axis_Type0_Flag_Length == 0) {
        engine_.computeBounds();
        length = fittedAxisLength(engine_.orbitMin, engine_.orbitMax, d);
    }
    auto colourOf = [&](int k) {
        return environment_.Axis_Type0_Flag_Color == 0 ? kAxisColours[k]
                                                       : opaque(environment_.Axis_Type0_AxisColor);
    };
    glDisable(GL_LIGHTING);
    glLineWidth(1.0f);
    glBegin(GL_LINES);
    for (int k = 0; k < d; ++k) {
        const Vector3 end = toScene(length * scale * engine_.displayBasis[k], 1.0);
        glColor4fv(colourOf(k).data());
        vertex(-1.0 * end);
        vertex(end);
    }
    glEnd();
    glEnable(GL_LIGHTING);
    for (int k = 0; k < d; ++k) {
        const Vector3 end = toScene(length * scale * engine_.displayBasis[k], 1.0);
        drawConeHead(end, end, colourOf(k));
    }
}

void CAxesObject::drawFrame(double scale)
{
    const int d = engine_.recordInUse.Dimension;
    engine_.computeBounds();
    ticks_ = computeAxisTicks(engine_.orbitMin, engine_.orbitMax, d, environment_.Axis_Scale_Numbers);
    const FrameMapping map{engine_, scale};
    const EnvironmentSettings& env = environment_;
    glDisable(GL_LIGHTING);
    glLineWidth(1.0f);

    if (env.Axis_Type1_Flag_Text == 1) {
        const Rgba colour = opaque(env.Axis_Type1_TextColor);
        for (int k = 0; k < d; ++k) {
            const Vector3 dk = offsetDirection(engine_, k);
            for (const double v : tickValues(ticks_, k)) {
                const Vector3 at = map.display(onLowerEdges(ticks_, k, v));
                glColor4fv(colour.data());
                glBegin(GL_LINES);
                vertex(FrameMapping::scene(at));
                vertex(FrameMapping::scene(at + kTickLength * dk));
                glEnd();
                drawSceneText(tickLabel(v, ticks_.decimals),
                              FrameMapping::scene(at + -kLabelOffset * dk), colour,
                              SceneTextRole::ScaleNumber, devicePixelRatio_);
            }
        }
    }

    if (env.Axis_Type1_Flag_Name == 1) {
        const double offset = env.Axis_Type1_Flag_Text == 1 ? 2.0 * kLabelOffset : kLabelOffset;
        for (int k = 0; k < d; ++k) {
            const Vector3 at = map.display(onLowerEdges(ticks_, k, ticks_.boxMax[k]));
            drawSceneText(std::string(1, kAxisNames[k]),
                          FrameMapping::scene(at + -offset * offsetDirection(engine_, k)),
                          opaque(env.Axis_Type1_NameColor), SceneTextRole::AxisName,
                          devicePixelRatio_);
        }
    }

    if (env.Axis_Type1_Flag_xyLatice == 1 && d >= 2) {
        glEnable(GL_LINE_STIPPLE);
        glLineStipple(kLatticeFactor, kLatticePattern);
        glColor4fv(opaque(env.Axis_Type1_xyLaticeColor).data());
        glBegin(GL_LINES);
        for (int k = 0; k < 2; ++k) {
            const int o = 1 - k;
            for (const double v : tickValues(ticks_, k)) {
                StateVector c = onLowerEdges(ticks_, k, v);
                vertex(map.scenePoint(c));
                c[o] = ticks_.boxMax[o];
                vertex(map.scenePoint(c));
            }
        }
        glEnd();
        glDisable(GL_LINE_STIPPLE);
    }

    glColor4fv(opaque(env.Axis_Type1_BoxColor).data());
    glBegin(GL_LINES);
    for (int k = 0; k < d; ++k) {
        // Every corner pattern of the other components (all lower ends only
        // when the box is off).
        const int patterns = env.Axis_Type1_Flag_Box == 1 ? 1 << (d - 1) : 1;
        for (int pattern = 0; pattern < patterns; ++pattern) {
            StateVector c = ticks_.boxMin;
            for (int j = 0, bit = 0; j < d; ++j) {
                if (j == k)
                    continue;
                if (pattern & (1 << bit++))
                    c[j] = ticks_.boxMax[j];
            }
            vertex(map.scenePoint(c));
            c[k] = ticks_.boxMax[k];
            vertex(map.scenePoint(c));
        }
    }
    glEnd();

    if (env.Axis_Type1_Flag_Back == 1 && d == 3) {
        // Corner bits per component (x, y, z): 0 the lower end, 1 the upper.
        static constexpr int kCorners[8][3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0},
                                               {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}};
        // Wound so that each face's front side looks into the box: with
        // back-face culling only the planes behind the orbit show.
        static constexpr int kFaces[6][4] = {{0, 1, 2, 3}, {0, 4, 5, 1}, {1, 5, 6, 2},
                                             {3, 2, 6, 7}, {0, 3, 7, 4}, {4, 7, 6, 5}};
        glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glDepthMask(GL_FALSE);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glColor4fv(env.Axis_Type1_BackColor);
        for (const auto& face : kFaces) {
            glBegin(GL_QUADS);
            for (const int corner : face) {
                Vector3 p;
                for (int j = 0; j < 3; ++j)
                    p[j] = kCorners[corner][j] ? ticks_.boxMax[j] : ticks_.boxMin[j];
                vertex(toScene(p, scale));
            }
            glEnd();
        }
        glPopAttrib();
    }
    glEnable(GL_LIGHTING);
}
