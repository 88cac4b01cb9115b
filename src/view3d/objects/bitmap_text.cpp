#include "view3d/objects/bitmap_text.h"

#include "view3d/scene/gl_state.h"

#include <GL/freeglut.h>

namespace {

void* fontFor(SceneTextRole role, double devicePixelRatio)
{
    const bool large = devicePixelRatio >= kLargeTextPixelRatio;
    if (role == SceneTextRole::ScaleNumber)
        return large ? GLUT_BITMAP_9_BY_15 : GLUT_BITMAP_8_BY_13;
    return large ? GLUT_BITMAP_HELVETICA_18 : GLUT_BITMAP_9_BY_15;
}

} // namespace

void drawSceneText(const std::string& text, const Vector3& at, const Rgba& colour,
                   SceneTextRole role, double devicePixelRatio)
{
    // Drawing a glyph before GLUT is initialised ends the process; text is
    // left out instead.
    if (glutGet(GLUT_INIT_STATE) == 0)
        return;
    void* font = fontFor(role, devicePixelRatio);
    glEnable(GL_LINE_SMOOTH);
    // The raster colour is latched by glRasterPos, so the colour comes first.
    glColor4fv(colour.data());
    glRasterPos3d(at.x, at.y, at.z);
    for (const char c : text)
        glutBitmapCharacter(font, static_cast<unsigned char>(c));
    glDisable(GL_LINE_SMOOTH);
}
