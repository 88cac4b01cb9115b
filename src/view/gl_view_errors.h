// The OpenGL set-up failures of the GL view: the fixed English texts shown
// when the rendering context cannot be made, and the check that turns what
// the toolkit reports about a fresh context into one of them.
#pragma once

#include <array>

inline constexpr std::array<const char*, 8> kGlViewErrorTexts = {
    "No Error",
    "Unable to get a CD",
    "ChoosePixelFormat failed",
    "SelectPixelFormat failed",
    "wglCreateContext failed",
    "wglMakeCurrect failed",
    "wglDeleteContext failed",
    "SwapBuffer failed",
};

namespace GlViewError {
constexpr int None = 0;
constexpr int NoPixelFormat = 2;
constexpr int ContextCreation = 4;
constexpr int MakeCurrent = 5;
}  // namespace GlViewError

// What the view learns about its context once the toolkit has made it.
struct GlContextFacts {
    bool created = false;  // a valid context exists
    bool current = false;  // it is current on the view
    int redBits = 0;
    int greenBits = 0;
    int blueBits = 0;
    int depthBits = 0;
};

// The frame buffer the view needs: 8 bits per colour channel and a 16-bit
// depth buffer.
inline constexpr int kViewColourBits = 8;
inline constexpr int kViewDepthBits = 16;

// The error table index for the facts: GlViewError::None when the context
// can draw the scenes.
int contextErrorIndex(const GlContextFacts& facts);
