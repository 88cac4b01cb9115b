// A world is the scene of one view: its cameras, lights (at most 8) and
// drawable objects, each in registration order, the binders whose objects it
// shows, and the input devices it polls. The world refers to its items; it
// owns none of them, and each must stay alive while registered.
//
// Objects bound under a binder (or attached to a pointer) are drawn only while
// that binder is bound into the world with bindBinder; objects under no binder
// are always drawn. So a cursor sphere attached to the pointer shows in the
// views the pointer is bound into, and nowhere else.
//
// Registration failures print a notice to the standard output and change
// nothing.
#pragma once

#include <vector>

class CBinderObj;
class CCamera;
class CDrawObj;
class CLight;
class CMouseDevice;

class CWorld {
public:
    static constexpr int kMaxLights = 8;

    CWorld() = default;
    CWorld(const CWorld&) = delete;
    CWorld& operator=(const CWorld&) = delete;

    bool registerCamera(CCamera& camera);
    bool unregisterCamera(CCamera& camera);

    // The light gets OpenGL light number lights().size() and that light is
    // enabled. A ninth light prints "CWorld: Too many Lights!" and fails.
    bool registerLight(CLight& light);

    bool registerObject(CDrawObj& object);
    bool unregisterObject(CDrawObj& object);

    // Binds a binder (the object transform, the pointer) into the world, so
    // that the objects bound under it are drawn.
    bool bindBinder(CBinderObj& binder);
    bool unbindBinder(CBinderObj& binder);

    // A registered device is polled by update(); an unregistered one leaves
    // its pointer where it is.
    bool registerDevice(CMouseDevice& device);
    bool unregisterDevice(CMouseDevice& device);

    // The per-frame update: polls every registered device.
    void update();

    // Draws the world: optionally clears colour, depth and stencil first; then
    // for every camera applies it, sends the lights, draws the objects, and
    // leaves depth writes on and blending off; finally flushes.
    void draw(bool clearFirst);

    const std::vector<CCamera*>& cameras() const { return cameras_; }
    const std::vector<CLight*>& lights() const { return lights_; }
    const std::vector<CDrawObj*>& objects() const { return objects_; }
    const std::vector<CBinderObj*>& binders() const { return binders_; }
    const std::vector<CMouseDevice*>& devices() const { return devices_; }

private:
    bool shows(const CDrawObj& object) const;

    std::vector<CCamera*> cameras_;
    std::vector<CLight*> lights_;
    std::vector<CDrawObj*> objects_;
    std::vector<CBinderObj*> binders_;
    std::vector<CMouseDevice*> devices_;
};
