// Starts a view on a model of the current model list without the selection
// dialog: the model file is read into the view's record, the model library
// is built when it is missing, the engine is bound, the orbit computed and
// the view's objects placed at the model's display position, so the next
// drawing tick shows the attractor.
#pragma once

#include "settings/environment_settings.h"

#include <optional>
#include <string>

class CUser;
class Reporter;

struct ModelStart {
    std::string modelName;      // as the list names it
    PresentationMode presentationMode = PresentationMode::Structure;
    // Four-variable models: this component (0..3) as colour, the other three
    // on Cartesian axes.
    std::optional<int> colourAxis;
};

// Failures (no list, no such model, unreadable model file, no library, a
// diverging orbit) are reported and leave the view without a ready orbit;
// false then.
bool startModelOnView(CUser& document, int view, const ModelStart& start, Reporter& reporter);
