#include "view3d/scene/capture.h"

#include "view3d/scene/gl_state.h"

#include <cstdio>
#include <vector>

bool CaptureScene(int fileKind, const std::string& fileName, int x, int y,
                  int width, int height, int /*quality*/)
{
    if (fileKind != PS_FILETYPE_PPM) {
        std::fputs("CWorld: Capture failed...\n", stdout);
        std::fputs("    Please try CaptureScene() with parameter PS_FILETYPE_PPM.\n", stdout);
        std::fflush(stdout);
        return false;
    }
    if (width <= 0 || height <= 0)
        return false;

    const std::size_t w = static_cast<std::size_t>(width);
    const std::size_t h = static_cast<std::size_t>(height);
    std::vector<unsigned char> rgba(w * h * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());

    std::vector<unsigned char> rgb;
    rgb.reserve(w * h * 3);
    for (std::size_t row = h; row-- > 0;) {
        const unsigned char* pixel = rgba.data() + row * w * 4;
        for (std::size_t col = 0; col < w; ++col, pixel += 4)
            rgb.insert(rgb.end(), pixel, pixel + 3);
    }

    std::FILE* file = std::fopen(fileName.c_str(), "wb");
    if (!file)
        return false;
    const bool written =
        std::fprintf(file, "P6\n#Captured by libPs with PPM format.\n%d %d\n255\n", width, height) > 0
        && std::fwrite(rgb.data(), 1, rgb.size(), file) == rgb.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}
