#include "view3d/scene/node.h"

void CNode::translate(const Vector3& delta)
{
    const Vector3 p = position();
    setPosition({p.x + delta.x, p.y + delta.y, p.z + delta.z});
}

void CNode::setOrientation(const Matrix4& orientation)
{
    const Vector3 p = position();
    transform_ = orientation.rotationPart();
    transform_.setTranslationPart(p);
}

void CNode::rotate(double angleDegrees, const Vector3& axis)
{
    setOrientation((Matrix4::rotation(angleDegrees, axis) * orientation()).orthonormalized());
}
