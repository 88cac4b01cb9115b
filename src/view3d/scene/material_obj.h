// A drawable object that carries a material (ambient, diffuse, specular,
// shininess). The material is sent for front and back faces at every replay,
// so changing it (the cursor colour, for one) needs no rebuild.
#pragma once

#include "view3d/scene/draw_obj.h"
#include "core/rgba.h"

class CMaterialObj : public CDrawObj {
public:
    // OpenGL's default material.
    Rgba ambient{0.2f, 0.2f, 0.2f, 1.0f};
    Rgba diffuse{0.8f, 0.8f, 0.8f, 1.0f};
    Rgba specular{0.0f, 0.0f, 0.0f, 1.0f};
    float shininess = 0.0f;

    void setMaterial(const Rgba& ambientColour, const Rgba& diffuseColour,
                     const Rgba& specularColour, float shininessValue);
    // Ambient and diffuse alike, the way the cursor colour is set.
    void setAmbientAndDiffuse(const Rgba& colour);

protected:
    void applyAttributes() override;
};
