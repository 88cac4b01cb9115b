// The grey outline that marks the active view when several views are shown:
// a line loop just above the floor's edge. Whether it shows is asked once per
// recording, so the owner re-records it (rebuild()) whenever the view count or
// the active view changes.
#pragma once

#include "view3d/scene/draw_obj.h"

#include <functional>

class CActiveViewMarker : public CDrawObj {
public:
    // shown is called at recording time; the outline is recorded only when it
    // returns true.
    explicit CActiveViewMarker(std::function<bool()> shown);

    // Requests one re-recording at the next draw.
    void rebuild();

protected:
    void drawImplementation() override;

private:
    std::function<bool()> shown_;
};
