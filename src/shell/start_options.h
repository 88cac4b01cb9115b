// The program's own command-line options, for starting straight into a
// presentation: the models to show, the number of views, each view's
// presentation mode, the colour axis of four-variable models and the
// language of the texts, read with
// the toolkit's command-line parser. The platform's embedding and automation
// options only switch the splash off.
#pragma once

#include "settings/program_settings.h"

#include <optional>
#include <string>
#include <vector>

struct StartOptions {
    bool splashEnabled = true;
    // Views shown from the start (1, 2, 4 or 9); empty keeps one view.
    std::optional<int> viewCount;
    // Models of the current list shown from the start: entry v for view v,
    // the last one for every later shown view. Empty: no model.
    std::vector<std::string> models;
    // Presentation modes (1 structure, 3 velocity, 5 local Lyapunov
    // exponent), assigned to the views like the models; 1 when empty.
    std::vector<int> presentationModes;
    // Four-variable models shown with three Cartesian axes and this
    // component (0..3) as colour.
    std::optional<int> colourAxis;
    // The language of the program's texts for this run; empty: the one
    // "Attrava.ini" keeps.
    std::optional<InterfaceLanguage> language;

    // The model and presentation mode of view v, following the rules above.
    std::string modelOfView(int view) const;
    int presentationModeOfView(int view) const;
};

struct StartOptionsResult {
    StartOptions options;
    std::string error;  // empty when every argument was understood
};

// Reads the arguments that follow the program name (without the toolkit's
// own options).
StartOptionsResult parseStartOptions(const std::vector<std::string>& arguments);

// Whether the arguments ask for the option summary (--help or -h).
bool asksForHelp(const std::vector<std::string>& arguments);

// The option summary printed for --help and after a wrong argument. Its
// first line names the program as started, so it needs the application
// object (a QCoreApplication is enough).
std::string startOptionsUsage();
