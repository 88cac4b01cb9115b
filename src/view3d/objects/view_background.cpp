#include "view3d/objects/view_background.h"

#include "settings/environment_settings.h"
#include "view3d/scene/gl_state.h"

void applyBackgroundColour(const EnvironmentSettings& environment)
{
    const float* c = environment.BackGround_Color;
    glClearColor(c[0], c[1], c[2], 1.0f);
}
