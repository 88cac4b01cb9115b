#include "view3d/scene/material_obj.h"

#include "view3d/scene/gl_state.h"

void CMaterialObj::setMaterial(const Rgba& ambientColour, const Rgba& diffuseColour,
                               const Rgba& specularColour, float shininessValue)
{
    ambient = ambientColour;
    diffuse = diffuseColour;
    specular = specularColour;
    shininess = shininessValue;
}

void CMaterialObj::setAmbientAndDiffuse(const Rgba& colour)
{
    ambient = colour;
    diffuse = colour;
}

void CMaterialObj::applyAttributes()
{
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient.data());
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse.data());
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular.data());
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, shininess);
}
