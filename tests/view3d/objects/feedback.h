// Captures what a drawing object records, through OpenGL's feedback mode: the
// object is drawn once (recording its list if it asks to) under a fixed
// orthographic view of the box −10..10, and the lines and polygons that reach
// the rasteriser come back with their scene coordinates and final (lit,
// clamped) colours. Needs a current context (GlTest).
#pragma once

#include <vector>

class CDrawObj;

struct FeedbackVertex {
    double x = 0.0, y = 0.0, z = 0.0;
    float r = 0.0f, g = 0.0f, b = 0.0f, a = 0.0f;
};

struct FeedbackLine {
    FeedbackVertex start;
    FeedbackVertex end;
};

struct Feedback {
    std::vector<FeedbackLine> lines;
    std::vector<std::vector<FeedbackVertex>> polygons;
    bool overflow = false;
};

// How the box is looked at: along −z (front), or down −y from above, so that
// floor quads facing up are front faces.
enum class FeedbackView { Front, Above };

Feedback captureFeedback(CDrawObj& object, FeedbackView view = FeedbackView::Front);
