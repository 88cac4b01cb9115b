// A ready-made sphere with a material, centred on its node's origin: the
// cursor sphere that shows the pointer in each view.
#pragma once

#include "view3d/scene/material_obj.h"

class CSphereObj : public CMaterialObj {
public:
    CSphereObj(double radius, int slices, int stacks)
        : radius_(radius), slices_(slices), stacks_(stacks) {}

    double radius() const { return radius_; }
    int slices() const { return slices_; }
    int stacks() const { return stacks_; }

protected:
    void drawImplementation() override;

private:
    double radius_;
    int slices_;
    int stacks_;
};
