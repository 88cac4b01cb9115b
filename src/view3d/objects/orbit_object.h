// The attractor object of a view: records the orbit of the view's engine into
// its display list in the style the view's presentation mode asks for — the
// plain structure (a flat line or a lit pseudo-tube), the colouring by a
// fourth state component, the velocity distribution of a model or of data, or
// the local Lyapunov exponent distribution — and writes the value range of
// the last colouring (colourMax, colourMin) into the environment. The local
// Lyapunov exponent colouring carries the environment's perturbation from one
// recording to the next. Nothing is recorded while the orbit is not ready.
#pragma once

#include "view3d/scene/draw_obj.h"

#include <vector>

class DynamicsEngine;
struct EnvironmentSettings;

class COrbitObject : public CDrawObj {
public:
    // Both links must outlive the object; they are read when the list is
    // recorded, never while it is replayed.
    COrbitObject(DynamicsEngine& engine, EnvironmentSettings& environment);

    // Requests one re-recording at the next draw.
    void rebuild();

protected:
    void drawImplementation() override;

private:
    // Fills values_ for the colouring the environment asks for; false when
    // that colouring records nothing.
    bool computeValues(int count);

    DynamicsEngine& engine_;
    EnvironmentSettings& environment_;
    // Colouring values of the last recording, kept so that re-recording an
    // orbit of the same length allocates nothing.
    std::vector<double> values_;
};
