// Pointer input whose values a test sets before each poll.
#pragma once

#include "view3d/scene/pointer_input.h"

struct ScriptedInput : PointerInput {
    std::optional<ScreenPoint> position = ScreenPoint{};
    unsigned buttonBits = 0;
    unsigned modifierBits = 0;

    std::optional<ScreenPoint> cursorPosition() override { return position; }
    unsigned buttons() override { return buttonBits; }
    unsigned modifiers() override { return modifierBits; }
};
