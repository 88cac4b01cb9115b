// The background of a view: the environment's background colour, sent as the
// OpenGL clear colour that the first world drawn in a tick clears to.
#pragma once

struct EnvironmentSettings;

// Sets the clear colour to BackGround_Color with alpha 1 (the stored alpha
// is not used).
void applyBackgroundColour(const EnvironmentSettings& environment);
