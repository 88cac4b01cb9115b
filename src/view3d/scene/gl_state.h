// What the scene library needs from the windowing toolkit, and the OpenGL
// state it starts from. The library never creates, shares or switches a
// context: the application makes one current on its thread before any scene
// item is registered, drawn or captured, keeps it current while scenes are
// used, and swaps buffers itself. Every call of the library then issues plain
// OpenGL 1.1 and GLU commands on that context. Pointer input, the other thing
// the toolkit supplies, comes through PointerInput (pointer_input.h).
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>

// The global state every scene is drawn in, set once after the context is
// made current: clear colour (0.2, 0.2, 0.2, 1), clear depth 1, clear stencil
// 0; depth test, blending, normal renormalisation, lighting and back-face
// culling enabled.
void initSceneGlobalState();
