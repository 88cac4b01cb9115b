#include "view3d/objects/active_view_marker.h"

#include "view3d/objects/room_object.h"
#include "view3d/scene/gl_state.h"

#include <utility>

namespace {

// Just above the floor, so the outline is not hidden in it.
constexpr double kOutlineY = -1.495;

} // namespace

CActiveViewMarker::CActiveViewMarker(std::function<bool()> shown) : shown_(std::move(shown)) {}

void CActiveViewMarker::rebuild() { requestRebuild(PS_REBUILD_ONCE); }

void CActiveViewMarker::drawImplementation()
{
    if (!shown_ || !shown_())
        return;
    glDisable(GL_LIGHTING);
    glLineWidth(1.0f);
    glColor4f(0.6f, 0.6f, 0.6f, 1.0f);
    glBegin(GL_LINE_LOOP);
    glVertex3d(kFloorLeft, kOutlineY, kFloorFront);
    glVertex3d(kFloorRight, kOutlineY, kFloorFront);
    glVertex3d(kFloorRight, kOutlineY, kFloorBack);
    glVertex3d(kFloorLeft, kOutlineY, kFloorBack);
    glEnd();
    glEnable(GL_LIGHTING);
}
