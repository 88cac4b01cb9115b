#include "feedback.h"

#include "view3d/scene/draw_obj.h"

#include <GL/gl.h>

#include <cstddef>

namespace {

// A viewport of 2000 pixels over the box −10..10: one scene unit is 100
// pixels, so window coordinates keep plenty of precision.
constexpr int kViewportSize = 2000;
constexpr double kHalfBox = 10.0;
constexpr std::size_t kBufferSize = std::size_t{1} << 23;

// Window coordinates back to eye coordinates of the orthographic box.
double eyeFromWindow(double window) { return window * 2.0 * kHalfBox / kViewportSize - kHalfBox; }
double eyeFromDepth(double depth) { return kHalfBox * (1.0 - 2.0 * depth); }

class Reader {
public:
    Reader(const std::vector<GLfloat>& buffer, int size, FeedbackView view)
        : buffer_(buffer), size_(size), view_(view) {}

    bool more() const { return at_ < size_; }
    GLfloat next() { return buffer_[static_cast<std::size_t>(at_++)]; }

    FeedbackVertex vertex()
    {
        const double ex = eyeFromWindow(next());
        const double ey = eyeFromWindow(next());
        const double ez = eyeFromDepth(next());
        FeedbackVertex v;
        // Seen from above, eye (x, y, z) is scene (x, z, −y).
        if (view_ == FeedbackView::Above) {
            v.x = ex;
            v.y = ez;
            v.z = -ey;
        } else {
            v.x = ex;
            v.y = ey;
            v.z = ez;
        }
        v.r = next();
        v.g = next();
        v.b = next();
        v.a = next();
        return v;
    }

private:
    const std::vector<GLfloat>& buffer_;
    int size_;
    int at_ = 0;
    FeedbackView view_;
};

} // namespace

Feedback captureFeedback(CDrawObj& object, FeedbackView view)
{
    static std::vector<GLfloat> buffer(kBufferSize);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    glViewport(0, 0, kViewportSize, kViewportSize);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-kHalfBox, kHalfBox, -kHalfBox, kHalfBox, -kHalfBox, kHalfBox);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (view == FeedbackView::Above)
        glRotated(90.0, 1.0, 0.0, 0.0);
    object.draw();
    const int size = glRenderMode(GL_RENDER);

    Feedback result;
    if (size < 0) {
        result.overflow = true;
        return result;
    }
    Reader reader(buffer, size, view);
    while (reader.more()) {
        const int token = static_cast<int>(reader.next());
        if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            FeedbackLine line;
            line.start = reader.vertex();
            line.end = reader.vertex();
            result.lines.push_back(line);
        } else if (token == GL_POLYGON_TOKEN) {
            const int count = static_cast<int>(reader.next());
            std::vector<FeedbackVertex> polygon;
            for (int k = 0; k < count; ++k)
                polygon.push_back(reader.vertex());
            result.polygons.push_back(polygon);
        } else if (token == GL_POINT_TOKEN || token == GL_BITMAP_TOKEN ||
                   token == GL_DRAW_PIXEL_TOKEN || token == GL_COPY_PIXEL_TOKEN) {
            reader.vertex();
        } else {
            // GL_PASS_THROUGH_TOKEN carries one value.
            reader.next();
        }
    }
    return result;
}
