#include "view3d/scene/draw_obj.h"

#include "view3d/scene/binder_obj.h"
#include "view3d/scene/gl_state.h"

namespace {

GLenum glShade(ShadeModel model)
{
    return model == ShadeModel::Smooth ? GL_SMOOTH : GL_FLAT;
}

GLenum glPolygon(PolygonMode mode)
{
    switch (mode) {
    case PolygonMode::Point:
        return GL_POINT;
    case PolygonMode::Line:
        return GL_LINE;
    case PolygonMode::Fill:
        break;
    }
    return GL_FILL;
}

} // namespace

CDrawObj::~CDrawObj()
{
    if (binder_)
        binder_->unbind(*this);
    if (displayList_ != 0)
        glDeleteLists(displayList_, 1);
}

void CDrawObj::requestRebuild(int code)
{
    switch (code) {
    case PS_REBUILD_EVERY_DRAW:
        rebuildMode_ = kRebuildEveryDraw;
        break;
    case PS_REBUILD_ONCE:
        rebuildMode_ = kRebuildOnce;
        break;
    case PS_REBUILD_NEVER:
        rebuildMode_ = kNeverRebuild;
        break;
    default:
        break;
    }
}

void CDrawObj::setShadeModel(ShadeModel model)
{
    shadeModel_ = model;
    if (rebuildMode_ == kNeverRebuild)
        rebuildMode_ = kRebuildOnce;
}

Matrix4 CDrawObj::worldTransform() const
{
    return binder_ ? binder_->transform() * transform() : transform();
}

void CDrawObj::record()
{
    if (displayList_ == 0)
        displayList_ = glGenLists(1);
    if (displayList_ == 0)
        return;
    glNewList(displayList_, GL_COMPILE);
    glShadeModel(glShade(shadeModel_));
    if (callback_)
        callback_();
    else
        drawImplementation();
    glEndList();
    if (rebuildMode_ == kRebuildOnce)
        rebuildMode_ = kNeverRebuild;
}

void CDrawObj::draw()
{
    if (rebuildMode_ != kNeverRebuild)
        record();
    if (depthTest_)
        glEnable(GL_DEPTH_TEST);
    else
        glDisable(GL_DEPTH_TEST);
    glPushMatrix();
    glMultMatrixd(worldTransform().m);
    glPolygonMode(GL_FRONT_AND_BACK, glPolygon(polygonMode_));
    applyAttributes();
    if (displayList_ != 0)
        glCallList(displayList_);
    glPopMatrix();
}
