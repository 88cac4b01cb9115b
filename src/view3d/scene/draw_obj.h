// The drawable object, base of everything a scene draws. Its geometry routine
// records OpenGL commands into the object's display list; the list is replayed
// every frame and re-recorded only as the rebuild mode asks. Subclasses supply
// the geometry by overriding drawImplementation(), or any object can be given
// a plain callback, which takes precedence. draw() itself is not virtual: it
// owns recording and replaying the list.
#pragma once

#include "view3d/scene/matrix4.h"
#include "view3d/scene/node.h"

#include <functional>
#include <utility>

class CBinderObj;

// Requests on the rebuild mode (CDrawObj::requestRebuild).
constexpr int PS_REBUILD_EVERY_DRAW = 19;
constexpr int PS_REBUILD_ONCE = 20;
constexpr int PS_REBUILD_NEVER = 21;

enum class ShadeModel { Flat, Smooth };
enum class PolygonMode { Point, Line, Fill };

class CDrawObj : public CNode {
public:
    // Rebuild modes: what draw() does with the list before replaying it.
    static constexpr int kNeverRebuild = 0;
    static constexpr int kRebuildOnce = 1;  // re-record at the next draw, then 0
    static constexpr int kRebuildEveryDraw = 2;

    using GeometryCallback = std::function<void()>;

    CDrawObj() = default;
    // Leaves its binder and deletes its display list (on the current context).
    ~CDrawObj() override;

    // Re-records the list if the rebuild mode asks (shade model first, then the
    // callback or drawImplementation()), sets the depth test by its flag, and
    // replays the list under the world transform with the polygon mode applied
    // to front and back faces. The caller has set up the camera.
    void draw();

    // A plain geometry routine that replaces drawImplementation(); an empty
    // callback gives the virtual routine back.
    void setGeometryCallback(GeometryCallback callback) { callback_ = std::move(callback); }

    int rebuildMode() const { return rebuildMode_; }
    // PS_REBUILD_EVERY_DRAW, PS_REBUILD_ONCE or PS_REBUILD_NEVER; other codes
    // are ignored.
    void requestRebuild(int code);

    ShadeModel shadeModel() const { return shadeModel_; }
    // Also requests one rebuild, since the shade model is recorded in the list.
    // An object that rebuilds at every draw keeps doing so.
    void setShadeModel(ShadeModel model);

    PolygonMode polygonMode() const { return polygonMode_; }
    void setPolygonMode(PolygonMode mode) { polygonMode_ = mode; }

    bool depthTest() const { return depthTest_; }
    void setDepthTest(bool on) { depthTest_ = on; }

    // The OpenGL display list name, 0 before the first recording.
    unsigned int displayList() const { return displayList_; }

    // The binder the object is bound under, or null.
    CBinderObj* binder() const { return binder_; }
    // The binder's transform followed by the object's own.
    Matrix4 worldTransform() const;

protected:
    // Records the object's geometry; the default records nothing.
    virtual void drawImplementation() {}
    // State sent at every replay, just before the list is called (materials).
    virtual void applyAttributes() {}

private:
    friend class CBinderObj;

    void record();

    GeometryCallback callback_;
    unsigned int displayList_ = 0;
    ShadeModel shadeModel_ = ShadeModel::Flat;
    int rebuildMode_ = kRebuildOnce;
    PolygonMode polygonMode_ = PolygonMode::Fill;
    bool depthTest_ = true;
    CBinderObj* binder_ = nullptr;
};
