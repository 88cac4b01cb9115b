// The vector field of a view, bound with the attractor so it turns with it:
// at every lattice point a dot, or a short streamline of four segments
// ending in a pyramid arrowhead with black edges, coloured by the local
// speed. Recording samples the field anew (see dynamics/vector_field.h), or
// draws a sample computed elsewhere (a large lattice is sampled on a worker),
// and writes the speed range into the environment for the colour bar.
// Nothing is recorded while the field is switched off or the view has no
// model.
#pragma once

#include "view3d/scene/draw_obj.h"

#include <memory>

class DynamicsEngine;
struct VectorFieldSample;
struct EnvironmentSettings;

class CVectorFieldObject : public CDrawObj {
public:
    // Both links must outlive the object; they are read when the list is
    // recorded.
    CVectorFieldObject(DynamicsEngine& engine, EnvironmentSettings& environment);

    // Requests one re-recording at the next draw, sampling the field then.
    void rebuild();
    // Requests one re-recording at the next draw from a finished sample; it
    // is kept for later re-recordings until rebuild() samples anew.
    void rebuild(std::shared_ptr<const VectorFieldSample> sample);

protected:
    void drawImplementation() override;

private:
    DynamicsEngine& engine_;
    EnvironmentSettings& environment_;
    std::shared_ptr<const VectorFieldSample> sample_;
};
