// How the mouse device reads the pointing hardware: the cursor position in
// screen pixels (y grows downward), the mouse buttons and the modifier keys,
// polled once per frame. The application implements it with its toolkit;
// tests implement it with scripted values.
#pragma once

#include <optional>

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

class PointerInput {
public:
    // Bits of buttons().
    static constexpr unsigned kLeftButton = 1u << 0;
    static constexpr unsigned kRightButton = 1u << 1;
    static constexpr unsigned kMiddleButton = 1u << 2;
    // Bits of modifiers().
    static constexpr unsigned kShiftKey = 1u << 0;
    static constexpr unsigned kControlKey = 1u << 1;

    virtual ~PointerInput() = default;

    // Empty when the position cannot be read this time.
    virtual std::optional<ScreenPoint> cursorPosition() = 0;
    virtual unsigned buttons() = 0;
    virtual unsigned modifiers() = 0;
};
