#include "gl_context.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

// One connection for the whole test program, opened at first use. Opening is
// retried briefly: a virtual X server that has just started may refuse the
// first attempt.
Display* sharedDisplay()
{
    static Display* display = [] {
        setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
        for (int attempt = 0; attempt < 10; ++attempt) {
            if (Display* d = XOpenDisplay(nullptr))
                return d;
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return static_cast<Display*>(nullptr);
    }();
    return display;
}

} // namespace

struct GlContext::Handles {
    Display* display = nullptr;
    GLXPbuffer pbuffer = 0;
    GLXContext context = nullptr;
};

GlContext::GlContext(int width, int height) : handles_(std::make_unique<Handles>())
{
    Handles& h = *handles_;
    h.display = sharedDisplay();
    if (!h.display) {
        error_ = "cannot open the X display (run the tests under xvfb-run)";
        return;
    }
    const int attributes[] = {GLX_DRAWABLE_TYPE, GLX_PBUFFER_BIT,
                              GLX_RENDER_TYPE, GLX_RGBA_BIT,
                              GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8,
                              GLX_DEPTH_SIZE, 16, GLX_STENCIL_SIZE, 8,
                              None};
    int count = 0;
    GLXFBConfig* configs = glXChooseFBConfig(h.display, DefaultScreen(h.display), attributes, &count);
    if (!configs || count == 0) {
        error_ = "no GLX frame buffer configuration with a pbuffer";
        return;
    }
    const GLXFBConfig config = configs[0];
    XFree(configs);
    const int pbufferAttributes[] = {GLX_PBUFFER_WIDTH, width, GLX_PBUFFER_HEIGHT, height, None};
    h.pbuffer = glXCreatePbuffer(h.display, config, pbufferAttributes);
    h.context = glXCreateNewContext(h.display, config, GLX_RGBA_TYPE, nullptr, True);
    if (!h.pbuffer || !h.context) {
        error_ = "cannot create the GLX pbuffer or context";
        return;
    }
    if (!glXMakeContextCurrent(h.display, h.pbuffer, h.pbuffer, h.context))
        error_ = "cannot make the GLX context current";
}

GlContext::~GlContext()
{
    Handles& h = *handles_;
    if (!h.display)
        return;
    glXMakeContextCurrent(h.display, None, None, nullptr);
    if (h.context)
        glXDestroyContext(h.display, h.context);
    if (h.pbuffer)
        glXDestroyPbuffer(h.display, h.pbuffer);
}

void GlTest::SetUp()
{
    context_ = std::make_unique<GlContext>(kSize, kSize);
    ASSERT_TRUE(context_->error().empty()) << context_->error();
}

Rgb GlTest::pixel(int x, int y)
{
    std::uint8_t rgba[4] = {};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2]};
}
