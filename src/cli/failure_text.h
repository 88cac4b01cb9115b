// The batch tool's English texts for the failures the core reports.
#pragma once

#include "models/failure.h"

#include <string>

// One English sentence (without the tool's prefix) saying what failed and
// the file, model, equation or value it concerns; a compiler's or loader's
// messages follow it on their own lines.
std::string englishText(const Failure& failure);
