// A binder groups drawable objects under one transform: an object bound under
// it is drawn with the binder's transform applied before its own, so moving or
// turning the binder moves its objects as one. A world draws a bound object
// only while the binder itself is bound into that world (CWorld::bindBinder).
#pragma once

#include "view3d/scene/node.h"

#include <vector>

class CDrawObj;

class CBinderObj : public CNode {
public:
    CBinderObj() = default;
    // Releases its objects, which are then drawn with their own transform.
    ~CBinderObj() override;

    // Binds object under this binder, taking it from any other binder. Binding
    // an object twice prints "CBinderObj: The identical Object is Binded!" and
    // fails.
    bool bind(CDrawObj& object);
    // Fails when object is not bound here.
    bool unbind(CDrawObj& object);
    bool isBound(const CDrawObj& object) const;

    // Bound objects in binding order.
    const std::vector<CDrawObj*>& objects() const { return objects_; }

private:
    std::vector<CDrawObj*> objects_;
};
