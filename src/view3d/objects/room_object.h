// The floor of a view: a grid or a checkerboard on the plane y = −1.5 below
// the scene, x from −2 to 2 and z from −4.2 to 0.85, divided Wall_Latice_Num
// times per side and drawn in the wall colour. Wall_Type_Num 1 is the grid,
// 2 the checkerboard; any other type draws no floor. The floor is not under a
// binder, so pointer rotation does not turn it.
#pragma once

#include "view3d/scene/draw_obj.h"

struct EnvironmentSettings;

// The floor rectangle, in scene units.
inline constexpr double kFloorY = -1.5;
inline constexpr double kFloorLeft = -2.0;
inline constexpr double kFloorRight = 2.0;
inline constexpr double kFloorBack = -4.2;
inline constexpr double kFloorFront = 0.85;

class CRoomObject : public CDrawObj {
public:
    // environment must outlive the object; it is read when the list is recorded.
    explicit CRoomObject(EnvironmentSettings& environment);

    // Requests one re-recording at the next draw (after a floor setting changed).
    void rebuild();

protected:
    void drawImplementation() override;

private:
    EnvironmentSettings& environment_;
};
