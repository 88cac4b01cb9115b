// The faint line of text an empty view shows in its middle, telling the user
// how to begin. The text is set by the program (already in the user's
// language) and turned into an image with QPainter; the image is drawn over
// the finished GL frame with glDrawPixels, which the legacy context draws
// without any of QPainter's own GL machinery and which leaves the scene's GL
// state as it was.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

struct Viewport;

class EmptyViewHint {
public:
    // An empty text shows nothing.
    void setText(const QString& text);
    const QString& text() const { return text_; }

    // Draws the text into each area (GL viewports, y from the bottom) of a
    // window of the given height, with the GL context current. Returns the
    // window rectangles (y from the top) it drew into.
    std::vector<QRect> draw(const std::vector<Viewport>& areas, int windowWidth, int windowHeight);

private:
    // The text as an image no wider than maxWidth, rows bottom first, in
    // premultiplied RGBA bytes as glDrawPixels reads them.
    const QImage& imageFitting(int maxWidth);

    QString text_;
    QImage full_;
    QImage fitted_;
    int fittedFor_ = -1;
};
