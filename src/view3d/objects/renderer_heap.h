// Heap tuning for drawing through a software OpenGL renderer. Mesa's software
// rasteriser allocates its binning memory for every frame and frees it at the
// end; with glibc's defaults the freed top of the heap goes back to the system
// each time and every next frame faults the pages in again, which costs about
// three times the drawing itself (four views of 10,000-point orbits). Keeping
// a pad of heap removes that cost; hardware drivers are unaffected.
#pragma once

// Keeps 64 MB of freed heap instead of returning it to the system. Call once
// at start-up, before the first frame; it affects the whole process.
void keepRendererHeap();
