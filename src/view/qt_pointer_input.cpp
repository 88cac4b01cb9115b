#include "view/qt_pointer_input.h"

#include <QCursor>
#include <QGuiApplication>

std::optional<ScreenPoint> QtPointerInput::cursorPosition()
{
    const QPoint position = QCursor::pos();
    return ScreenPoint{position.x(), position.y()};
}

unsigned QtPointerInput::buttons()
{
    const Qt::MouseButtons pressed = QGuiApplication::mouseButtons();
    unsigned bits = 0;
    if (pressed & Qt::LeftButton)
        bits |= kLeftButton;
    if (pressed & Qt::RightButton)
        bits |= kRightButton;
    if (pressed & Qt::MiddleButton)
        bits |= kMiddleButton;
    return bits;
}

unsigned QtPointerInput::modifiers()
{
    const Qt::KeyboardModifiers held = QGuiApplication::keyboardModifiers();
    unsigned bits = 0;
    if (held & Qt::ShiftModifier)
        bits |= kShiftKey;
    if (held & Qt::ControlModifier)
        bits |= kControlKey;
    return bits;
}
