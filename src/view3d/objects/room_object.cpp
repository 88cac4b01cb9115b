#include "view3d/objects/room_object.h"

#include "view3d/scene/gl_state.h"
#include "settings/environment_settings.h"

namespace {

// Every fifth grid line is drawn this much brighter on R, G and B.
constexpr float kMajorLineLift = 0.1f;

// Lattice position i of N along one side of the floor.
double latticeX(int i, int n) { return 4.0 * i / n + kFloorLeft; }
double latticeZ(int j, int n) { return 5.05 * j / n + kFloorBack; }

void floorVertex(double x, double z) { glVertex3d(x, kFloorY, z); }

// Three sides of the floor rectangle; the far edge stays open.
void outline(const float* colour)
{
    glColor4fv(colour);
    glBegin(GL_LINE_STRIP);
    floorVertex(kFloorLeft, kFloorBack);
    floorVertex(kFloorLeft, kFloorFront);
    floorVertex(kFloorRight, kFloorFront);
    floorVertex(kFloorRight, kFloorBack);
    glEnd();
}

void grid(const float* colour, int n)
{
    glLineWidth(1.0f);
    if (n <= 0) {
        outline(colour);
        return;
    }
    // Not clamped here: the colour pipeline clamps a lifted channel above 1.
    const float major[4] = {colour[0] + kMajorLineLift, colour[1] + kMajorLineLift,
                            colour[2] + kMajorLineLift, 1.0f};
    const auto lineColour = [&](int index) { glColor4fv(index % 5 == 0 ? major : colour); };
    glBegin(GL_LINES);
    for (int i = 0; i <= n; ++i) {
        lineColour(i);
        floorVertex(latticeX(i, n), kFloorBack);
        floorVertex(latticeX(i, n), kFloorFront);
    }
    for (int j = 0; j <= n; ++j) {
        lineColour(j);
        floorVertex(kFloorLeft, latticeZ(j, n));
        floorVertex(kFloorRight, latticeZ(j, n));
    }
    glEnd();
}

// Squares in the wall colour and black alternately, each wound
// counter-clockwise seen from above so its front face points up.
void checkerboard(const float* colour, int n)
{
    glLineWidth(2.0f);
    outline(colour);
    const float black[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glBegin(GL_QUADS);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            glColor4fv((i + j) % 2 == 0 ? colour : black);
            floorVertex(latticeX(i, n), latticeZ(j, n));
            floorVertex(latticeX(i, n), latticeZ(j + 1, n));
            floorVertex(latticeX(i + 1, n), latticeZ(j + 1, n));
            floorVertex(latticeX(i + 1, n), latticeZ(j, n));
        }
    }
    glEnd();
}

} // namespace

CRoomObject::CRoomObject(EnvironmentSettings& environment) : environment_(environment) {}

void CRoomObject::rebuild() { requestRebuild(PS_REBUILD_ONCE); }

void CRoomObject::drawImplementation()
{
    const FloorStyle style = environment_.floorStyle();
    if (style == FloorStyle::None)
        return;
    const float colour[4] = {environment_.Wall_Color[0], environment_.Wall_Color[1],
                             environment_.Wall_Color[2], 1.0f};
    glDisable(GL_LIGHTING);
    if (style == FloorStyle::Grid)
        grid(colour, environment_.Wall_Latice_Num);
    else
        checkerboard(colour, environment_.Wall_Latice_Num);
    glEnable(GL_LIGHTING);
}
