#include "view/empty_view_hint.h"

#include "view3d/scene/camera.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <GL/gl.h>

namespace {

// Light grey and half transparent, so the room shows through and the text
// does not compete with the cursor sphere in the middle.
const QColor kHintColour(215, 215, 215, 150);
// The text sits this share of the area's height below its middle, clear of
// the cursor sphere above and the far edge of the floor below.
constexpr double kBelowMiddle = 0.13;
// The application font, this much larger.
constexpr double kFontScale = 1.5;
constexpr int kSideMargin = 8;
// In a narrow view the text shrinks to this share of the view's width.
constexpr double kMaxWidthShare = 0.8;

QImage renderText(const QString& text)
{
    QFont font = QGuiApplication::font();
    font.setPointSizeF(font.pointSizeF() * kFontScale);
    const QFontMetrics metrics(font);
    const QSize size(metrics.horizontalAdvance(text) + 2 * kSideMargin, metrics.height() + 4);
    QImage image(size, QImage::Format_RGBA8888_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(kHintColour);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    painter.end();
    // OpenGL reads rows from the bottom up.
    return image.mirrored();
}

// Draws the image with its lower-left corner at window pixel (x, y), blended
// over what is there; the GL state around it is saved and put back.
void drawImage(const QImage& image, int x, int y, int windowWidth, int windowHeight)
{
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, windowWidth, 0.0, windowHeight, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    glViewport(0, 0, windowWidth, windowHeight);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_FOG);
    glDisable(GL_SCISSOR_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelZoom(1.0f, 1.0f);
    glRasterPos2i(x, y);
    glDrawPixels(image.width(), image.height(), GL_RGBA, GL_UNSIGNED_BYTE, image.constBits());

    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopClientAttrib();
    glPopAttrib();
}

}  // namespace

void EmptyViewHint::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    full_ = text.isEmpty() ? QImage() : renderText(text);
    fitted_ = QImage();
    fittedFor_ = -1;
}

const QImage& EmptyViewHint::imageFitting(int maxWidth)
{
    if (full_.width() <= maxWidth)
        return full_;
    if (fittedFor_ != maxWidth) {
        fitted_ = full_.scaledToWidth(maxWidth, Qt::SmoothTransformation);
        fittedFor_ = maxWidth;
    }
    return fitted_;
}

std::vector<QRect> EmptyViewHint::draw(const std::vector<Viewport>& areas, int windowWidth,
                                       int windowHeight)
{
    std::vector<QRect> drawn;
    if (full_.isNull())
        return drawn;
    for (const Viewport& area : areas) {
        if (area.width < 2 * kSideMargin || area.height < 1)
            continue;
        const QImage& image = imageFitting(static_cast<int>(kMaxWidthShare * area.width));
        const int x = area.x + (area.width - image.width()) / 2;
        const int middle = area.y + area.height / 2 - static_cast<int>(kBelowMiddle * area.height);
        const int y = middle - image.height() / 2;
        // A raster position outside the window would drop the whole image.
        if (x < 0 || y < 0 || x + image.width() > windowWidth || y + image.height() > windowHeight)
            continue;
        drawImage(image, x, y, windowWidth, windowHeight);
        drawn.emplace_back(x, windowHeight - y - image.height(), image.width(), image.height());
    }
    return drawn;
}
