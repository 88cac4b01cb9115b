// The time-series options of the commands that reconstruct a data file
// (reconstruct, recurrence --series): the file layout, the value limit, the
// reconstruction dimension and delay; and loading a file with them into an
// engine as a reconstructed orbit.
#pragma once

#include "cli/tool_messages.h"
#include "dynamics/dynamics_engine.h"

#include <string>
#include <string_view>

namespace CLI {
class App;
}

struct SeriesOptions {
    int dimension = 0;  // --dim M, 3..6 (0: not given)
    int delay = 0;      // --delay T, >= 1 (0: not given)
    int storageForm = 0;  // --time-column: items are time-data pairs
    int dataFormat = 0;   // --real-data: data values are reals, not integers
    int timeFormat = 0;   // --real-time: time values are reals
    int limit = 100000;   // --limit N: largest number of values kept
};

// The help heading of these options, which also tells them apart from the
// other options of a command.
extern const char* const kSeriesOptionsGroup;

// Declares the options above on command, storing into options.
void addSeriesOptions(CLI::App& command, SeriesOptions& options);

// Reads dataFile with the options' layout into engine.series and reconstructs
// it into engine.orbit, sampling over every reconstructed vector. When an item
// stopped the reading, says where on standard error (prefixed with the
// command name) and goes on with the values before it. False after reporting
// a missing --dim or --delay or an unreadable file.
bool loadReconstructedSeries(std::string_view command, const std::string& dataFile,
                             const SeriesOptions& options, DynamicsEngine& engine,
                             Reporter& reporter);
