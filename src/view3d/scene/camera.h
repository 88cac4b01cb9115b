// A camera of a world: its viewport in the window, its projection
// (perspective, frustum or orthographic) and its look-at placement. A world
// applies each of its cameras in turn and draws its objects through it.
#pragma once

#include "core/vector3.h"

// Projection kinds.
constexpr int PS_PERSPECTIVE = 10;
constexpr int PS_FRUSTUM = 11;
constexpr int PS_ORTHO = 12;

struct Viewport {
    int x = 0;
    int y = 0;
    int width = 640;
    int height = 480;
};

class CCamera {
public:
    CCamera() = default;
    CCamera(const CCamera&) = delete;
    CCamera& operator=(const CCamera&) = delete;

    // Pixels, with y counted from the bottom of the window.
    void setViewport(int x, int y, int width, int height) { viewport_ = {x, y, width, height}; }
    const Viewport& viewport() const { return viewport_; }

    // Vertical field of view in degrees.
    void setPerspective(double fieldOfView, double aspect, double nearPlane, double farPlane);
    void setFrustum(double left, double right, double bottom, double top,
                    double nearPlane, double farPlane);
    void setOrtho(double left, double right, double bottom, double top,
                  double nearPlane, double farPlane);

    int projectionKind() const { return projectionKind_; }
    double fieldOfView() const { return fieldOfView_; }
    double aspect() const { return aspect_; }
    double nearPlane() const { return near_; }
    double farPlane() const { return far_; }

    // Moves the eye and keeps the viewing offset: the look-at point moves by
    // the same amount.
    void setEyePosition(const Vector3& eye);
    void setLookAt(const Vector3& point) { lookAt_ = point; }
    void setUpVector(const Vector3& up) { up_ = up; }
    const Vector3& eyePosition() const { return eye_; }
    const Vector3& lookAt() const { return lookAt_; }
    const Vector3& upVector() const { return up_; }

    // Sets the viewport, loads the projection and the look-at transform (the
    // modelview matrix is left current) and clears the depth buffer.
    void apply() const;

private:
    void setPlanes(int kind, double left, double right, double bottom, double top,
                   double nearPlane, double farPlane);

    Viewport viewport_;
    int projectionKind_ = PS_PERSPECTIVE;
    double fieldOfView_ = 40.0;
    double aspect_ = 1.0;
    // Planes of the frustum and orthographic kinds.
    double left_ = -1.0;
    double right_ = 1.0;
    double bottom_ = -1.0;
    double top_ = 1.0;
    double near_ = static_cast<double>(0.1f);
    double far_ = 100.0;
    Vector3 eye_{0.0, 0.0, 5.0};
    Vector3 lookAt_{0.0, 0.0, 0.0};
    Vector3 up_{0.0, 1.0, 0.0};
};
