// Writes a region of the frame buffer to an image file: the scene capture of
// the F12 key. Only binary PPM is written.
#pragma once

#include <string>

// File kinds of CaptureScene.
constexpr int PS_FILETYPE_PPM = 17;

// Reads width x height pixels at (x, y) (y from the bottom) from the current
// read buffer and writes them as binary PPM to fileName: the header
// "P6\n#Captured by libPs with PPM format.\n", the size line "%d %d\n", the
// maximum "255\n", then the rows from the top of the region down, three bytes
// (R, G, B) per pixel. Returns false, writing nothing, when the kind is not
// PS_FILETYPE_PPM (after printing a notice), when the region is empty, or when
// the file cannot be opened or written. quality is accepted for other kinds
// and not used.
bool CaptureScene(int fileKind, const std::string& fileName, int x, int y,
                  int width, int height, int quality);
