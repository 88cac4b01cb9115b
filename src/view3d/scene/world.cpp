#include "view3d/scene/world.h"

#include "view3d/scene/binder_obj.h"
#include "view3d/scene/camera.h"
#include "view3d/scene/draw_obj.h"
#include "view3d/scene/gl_state.h"
#include "view3d/scene/light.h"
#include "view3d/scene/mouse_device.h"

#include <algorithm>
#include <cstdio>

namespace {

const char* const kDuplicateNotice = "CWorld: The identical Object is already registered!\n";

void notice(const char* text)
{
    std::fputs(text, stdout);
    std::fflush(stdout);
}

template <typename T>
bool contains(const std::vector<T*>& list, const T* item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

// Appends item unless it is already listed.
template <typename T>
bool addOnce(std::vector<T*>& list, T& item)
{
    if (contains(list, &item)) {
        notice(kDuplicateNotice);
        return false;
    }
    list.push_back(&item);
    return true;
}

template <typename T>
bool remove(std::vector<T*>& list, T& item)
{
    const auto it = std::find(list.begin(), list.end(), &item);
    if (it == list.end())
        return false;
    list.erase(it);
    return true;
}

} // namespace

bool CWorld::registerCamera(CCamera& camera) { return addOnce(cameras_, camera); }
bool CWorld::unregisterCamera(CCamera& camera) { return remove(cameras_, camera); }
bool CWorld::registerObject(CDrawObj& object) { return addOnce(objects_, object); }
bool CWorld::unregisterObject(CDrawObj& object) { return remove(objects_, object); }
bool CWorld::bindBinder(CBinderObj& binder) { return addOnce(binders_, binder); }
bool CWorld::unbindBinder(CBinderObj& binder) { return remove(binders_, binder); }
bool CWorld::registerDevice(CMouseDevice& device) { return addOnce(devices_, device); }
bool CWorld::unregisterDevice(CMouseDevice& device) { return remove(devices_, device); }

bool CWorld::registerLight(CLight& light)
{
    if (contains(lights_, &light)) {
        notice(kDuplicateNotice);
        return false;
    }
    if (static_cast<int>(lights_.size()) >= kMaxLights) {
        notice("CWorld: Too many Lights!\n");
        return false;
    }
    glEnable(GL_LIGHT0 + static_cast<GLenum>(lights_.size()));
    lights_.push_back(&light);
    return true;
}

void CWorld::update()
{
    for (CMouseDevice* device : devices_)
        device->poll();
}

bool CWorld::shows(const CDrawObj& object) const
{
    return !object.binder() || contains(binders_, object.binder());
}

void CWorld::draw(bool clearFirst)
{
    if (clearFirst)
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    for (const CCamera* camera : cameras_) {
        camera->apply();
        for (std::size_t i = 0; i < lights_.size(); ++i)
            lights_[i]->apply(static_cast<int>(i));
        for (CDrawObj* object : objects_) {
            if (shows(*object))
                object->draw();
        }
        glDepthMask(GL_TRUE);
        glDisable(GL_BLEND);
    }
    glFlush();
}
