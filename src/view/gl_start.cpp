#include "view/gl_start.h"

#include "view/gl_view_errors.h"

#include <GL/freeglut.h>

#include <QSurfaceFormat>

#include <string>

QSurfaceFormat viewSurfaceFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setRedBufferSize(kViewColourBits);
    format.setGreenBufferSize(kViewColourBits);
    format.setBlueBufferSize(kViewColourBits);
    format.setAlphaBufferSize(0);
    format.setDepthBufferSize(kViewDepthBits);
    format.setStencilBufferSize(0);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    return format;
}

void initialiseBitmapFonts(const char* programName)
{
    static bool initialised = false;
    if (initialised)
        return;
    initialised = true;
    // GLUT takes its own options out of the arguments; it gets only the
    // program name, so the program's options stay the program's.
    std::string name = programName ? programName : "attrava";
    int argc = 1;
    char* argv[] = {name.data(), nullptr};
    glutInit(&argc, argv);
}
