// Bringing a view onto its bound model: the view's objects placed at the
// model's display position, the orbit computed for the next drawing tick to
// show, and the view start that ends the analysis start commands by opening
// the view's first setting window. The start-up models and the model
// selection both go through these steps.
#pragma once

class CUser;
class ViewSlot;
class ViewWindows;

// The view's object transform back at its initial orientation, placed at the
// record in use's display position.
void placeObjectsAtDisplayPosition(ViewSlot& slot);

// Integrates the orbit of the record in use and asks the next drawing tick
// to rebuild the orbit display.
void computeViewOrbit(ViewSlot& slot);

// The view start: the objects placed as above, then the sampling and initial
// value window of a model view or the reconstruction window of a time-series
// view, shown over the view.
void startView(CUser& document, ViewWindows& windows, int view);
