// The mouse device's view of the pointing hardware through Qt: the cursor's
// screen position, the mouse buttons and the Shift and Ctrl keys as the
// application last saw them.
#pragma once

#include "view3d/scene/pointer_input.h"

class QtPointerInput : public PointerInput {
public:
    std::optional<ScreenPoint> cursorPosition() override;
    unsigned buttons() override;
    unsigned modifiers() override;
};
