// The local-information probe: a white arrow of length 0.12 from the
// object's origin along its local +z axis, ending in a cone. The document
// places the object at the pointer and turns +z onto the model's motion at
// the probed point. Re-recorded at every draw, and empty unless the view's
// probeMode is on.
#pragma once

#include "view3d/scene/draw_obj.h"

struct EnvironmentSettings;

class CProbeObject : public CDrawObj {
public:
    // environment must outlive the object.
    explicit CProbeObject(const EnvironmentSettings& environment);

    // Places the arrow at position, pointing along direction (kept as it
    // was when direction is zero).
    void place(const Vector3& position, const Vector3& direction);

protected:
    void drawImplementation() override;

private:
    const EnvironmentSettings& environment_;
};
