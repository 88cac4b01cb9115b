#include "view3d/scene/camera.h"

#include "view3d/scene/gl_state.h"

void CCamera::setPerspective(double fieldOfView, double aspect, double nearPlane, double farPlane)
{
    projectionKind_ = PS_PERSPECTIVE;
    fieldOfView_ = fieldOfView;
    aspect_ = aspect;
    near_ = nearPlane;
    far_ = farPlane;
}

void CCamera::setFrustum(double left, double right, double bottom, double top,
                         double nearPlane, double farPlane)
{
    setPlanes(PS_FRUSTUM, left, right, bottom, top, nearPlane, farPlane);
}

void CCamera::setOrtho(double left, double right, double bottom, double top,
                       double nearPlane, double farPlane)
{
    setPlanes(PS_ORTHO, left, right, bottom, top, nearPlane, farPlane);
}

void CCamera::setPlanes(int kind, double left, double right, double bottom, double top,
                        double nearPlane, double farPlane)
{
    projectionKind_ = kind;
    left_ = left;
    right_ = right;
    bottom_ = bottom;
    top_ = top;
    near_ = nearPlane;
    far_ = farPlane;
}

void CCamera::setEyePosition(const Vector3& eye)
{
    lookAt_ = {eye.x + (lookAt_.x - eye_.x), eye.y + (lookAt_.y - eye_.y),
               eye.z + (lookAt_.z - eye_.z)};
    eye_ = eye;
}

void CCamera::apply() const
{
    glViewport(viewport_.x, viewport_.y, viewport_.width, viewport_.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    switch (projectionKind_) {
    case PS_FRUSTUM:
        glFrustum(left_, right_, bottom_, top_, near_, far_);
        break;
    case PS_ORTHO:
        glOrtho(left_, right_, bottom_, top_, near_, far_);
        break;
    default:
        gluPerspective(fieldOfView_, aspect_, near_, far_);
        break;
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(eye_.x, eye_.y, eye_.z, lookAt_.x, lookAt_.y, lookAt_.z, up_.x, up_.y, up_.z);
    glClear(GL_DEPTH_BUFFER_BIT);
}
