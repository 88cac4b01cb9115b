#include "view3d/objects/view_light.h"

#include "view3d/scene/light.h"

void configureViewLight(CLight& light)
{
    light.ambient = {0.4f, 0.4f, 0.4f, 1.0f};
    light.diffuse = {0.5f, 0.5f, 0.5f, 1.0f};
    light.specular = {1.0f, 1.0f, 1.0f, 1.0f};
    light.setPosition({0.0, 0.0, 10.0});
    light.aimAt({0.0, 0.0, 0.0});
    light.positional = false;
    light.spotExponent = 64.0f;
    light.spotCutoff = 30.0f;
}
