#include "view3d/scene/light.h"

#include "view3d/scene/gl_state.h"

CLight::CLight()
{
    setPosition({0.0, 0.0, 10.0});
    aimAt({0.0, 0.0, 0.0});
}

void CLight::aimAt(const Vector3& point)
{
    lookAt_ = point;
    const Vector3 p = position();
    Vector3 d{point.x - p.x, point.y - p.y, point.z - p.z};
    d.normalize();
    spotDirection = {static_cast<float>(d.x), static_cast<float>(d.y), static_cast<float>(d.z)};
}

void CLight::apply(int index) const
{
    const GLenum light = GL_LIGHT0 + static_cast<GLenum>(index);
    glLightfv(light, GL_AMBIENT, ambient.data());
    glLightfv(light, GL_DIFFUSE, diffuse.data());
    glLightfv(light, GL_SPECULAR, specular.data());
    const Vector3 p = position();
    const GLfloat place[4] = {static_cast<GLfloat>(p.x), static_cast<GLfloat>(p.y),
                              static_cast<GLfloat>(p.z), positional ? 1.0f : 0.0f};
    glLightfv(light, GL_POSITION, place);
    glLightfv(light, GL_SPOT_DIRECTION, spotDirection.data());
    glLightf(light, GL_SPOT_EXPONENT, spotExponent);
    glLightf(light, GL_SPOT_CUTOFF, spotCutoff);
}
