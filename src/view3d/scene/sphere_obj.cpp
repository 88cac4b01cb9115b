#include "view3d/scene/sphere_obj.h"

#include "view3d/scene/gl_state.h"

void CSphereObj::drawImplementation()
{
    GLUquadric* quadric = gluNewQuadric();
    if (!quadric)
        return;
    gluQuadricNormals(quadric, GLU_SMOOTH);
    gluSphere(quadric, radius_, slices_, stacks_);
    gluDeleteQuadric(quadric);
}
