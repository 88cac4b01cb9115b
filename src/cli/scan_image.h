// The scan command's picture (PNG, through Qt's image classes): the maxima or
// section values of a one-parameter scan as dots over the parameter (a
// bifurcation diagram), a spectrum as one line per exponent, and a grid as a
// colour map with a legend bar that names the values of its ends. It is drawn
// by a module beside the program, loaded at the first picture.
#pragma once

#include "dynamics/parameter_scan.h"

#include <string>

// False with error set when the picture cannot be written.
bool writeScanImage(const std::string& path, const ScanSettings& settings, const ScanResult& result,
                    std::string& error);
