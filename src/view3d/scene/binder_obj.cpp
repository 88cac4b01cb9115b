#include "view3d/scene/binder_obj.h"

#include "view3d/scene/draw_obj.h"

#include <algorithm>
#include <cstdio>

CBinderObj::~CBinderObj()
{
    for (CDrawObj* object : objects_)
        object->binder_ = nullptr;
}

bool CBinderObj::bind(CDrawObj& object)
{
    if (isBound(object)) {
        std::printf("CBinderObj: The identical Object is Binded!\n");
        std::fflush(stdout);
        return false;
    }
    if (object.binder_)
        object.binder_->unbind(object);
    objects_.push_back(&object);
    object.binder_ = this;
    return true;
}

bool CBinderObj::unbind(CDrawObj& object)
{
    const auto it = std::find(objects_.begin(), objects_.end(), &object);
    if (it == objects_.end())
        return false;
    objects_.erase(it);
    object.binder_ = nullptr;
    return true;
}

bool CBinderObj::isBound(const CDrawObj& object) const
{
    return std::find(objects_.begin(), objects_.end(), &object) != objects_.end();
}
