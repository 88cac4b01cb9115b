// A double-buffered X window of the program's full window size with a
// software-rendered OpenGL context, for the benchmarks that draw like an
// on-screen view (run under xvfb-run).
#pragma once

#include <GL/glx.h>
#include <X11/Xlib.h>

#include <cstdlib>

inline constexpr int kWindowWidth = 1280;
inline constexpr int kWindowHeight = 1024;
// A double-buffered window and its context, made current for the whole run;
// false when the X display or a fitting configuration is missing. (A pbuffer
// is single-buffered: the renderer copies it to the X server at every flush,
// once per view, a cost no double-buffered window pays.)
struct Surface {
    Display* display = nullptr;
    GLXWindow window = 0;
};

inline bool makeContextCurrent(Surface& surface)
{
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const int attributes[] = {GLX_DRAWABLE_TYPE, GLX_WINDOW_BIT, GLX_RENDER_TYPE, GLX_RGBA_BIT,
                              GLX_DOUBLEBUFFER, True, GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8,
                              GLX_BLUE_SIZE, 8, GLX_DEPTH_SIZE, 16, None};
    int count = 0;
    GLXFBConfig* configs = glXChooseFBConfig(display, DefaultScreen(display), attributes, &count);
    if (!configs || count == 0)
        return false;
    const GLXFBConfig config = configs[0];
    XFree(configs);
    XVisualInfo* visual = glXGetVisualFromFBConfig(display, config);
    if (!visual)
        return false;
    const Window root = RootWindow(display, visual->screen);
    XSetWindowAttributes windowAttributes{};
    windowAttributes.colormap = XCreateColormap(display, root, visual->visual, AllocNone);
    const Window window = XCreateWindow(display, root, 0, 0, kWindowWidth, kWindowHeight, 0,
                                        visual->depth, InputOutput, visual->visual, CWColormap,
                                        &windowAttributes);
    XFree(visual);
    XMapWindow(display, window);
    XSync(display, False);
    surface.display = display;
    surface.window = glXCreateWindow(display, config, window, nullptr);
    const GLXContext context = glXCreateNewContext(display, config, GLX_RGBA_TYPE, nullptr, True);
    return surface.window && context &&
           glXMakeContextCurrent(display, surface.window, surface.window, context);
}
