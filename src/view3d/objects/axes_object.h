// The axes of a view, bound with the attractor so they turn with it. Type 0:
// coloured axes through the origin, one per state component along its
// display direction, each ending in a cone. Type 1: a measured frame around
// the orbit: scale numbers with tick marks, the axis names, a dotted lattice
// on the x-y plane, the box (every edge, or the edges from the lowest corner)
// and, for three variables, translucent back planes. Any other type, the
// axes switched off or an orbit that is not ready records nothing.
#pragma once

#include "dynamics/axis_ticks.h"
#include "view3d/scene/draw_obj.h"

class DynamicsEngine;
struct EnvironmentSettings;

class CAxesObject : public CDrawObj {
public:
    // Both links must outlive the object; they are read when the list is
    // recorded.
    CAxesObject(DynamicsEngine& engine, EnvironmentSettings& environment);

    // Requests one re-recording at the next draw.
    void rebuild();
    // The screen's device pixel ratio, which picks the text fonts.
    void setDevicePixelRatio(double ratio);
    // The frame numbers of the last type 1 recording.
    const AxisTicks& ticks() const { return ticks_; }

protected:
    void drawImplementation() override;

private:
    void drawPlainAxes(double scale);
    void drawFrame(double scale);

    DynamicsEngine& engine_;
    EnvironmentSettings& environment_;
    AxisTicks ticks_;
    double devicePixelRatio_ = 1.0;
};
