// The time-series options of the commands that read a data file
// (reconstruct, recurrence --series, embed, lyapunov-series): the file layout, the value limit, the
// reconstruction dimension and delay; and loading a file with them into an
// engine as a reconstructed orbit.
#pragma once

#include "cli/tool_messages.h"
#include "dynamics/dynamics_engine.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

    bool layoutGiven() const { return storageForm != 0 || dataFormat != 0 || timeFormat != 0; }
};

// The help heading of these options, which also tells them apart from the
// other options of a command.
extern const char* const kSeriesOptionsGroup;

// Declares the options above on command, storing into options; --dim takes
// lowest..highest.
void addSeriesOptions(CLI::App& command, SeriesOptions& options, int lowest = 3,
                      int highest = kMaxVariables);
// Only the layout options and --limit (for commands that choose the
// dimension and delay themselves).
void addSeriesLayoutOptions(CLI::App& command, SeriesOptions& options);

// Reads dataFile into engine.series with the options' layout or, when none of
// the layout options was given, the layout guessed from the file (said on
// standard error). When an item stopped the reading, says where and goes on
// with the values before it. False after reporting an unreadable file.
bool loadSeries(std::string_view command, const std::string& dataFile,
                const SeriesOptions& options, DynamicsEngine& engine, Reporter& reporter);

// The values of dataFile read as loadSeries reads them, for the analyses
// that embed the series themselves (embed, lyapunov-series). Empty after reporting an unreadable file on standard error.
std::optional<std::vector<double>> loadSeriesValues(std::string_view command,
                                                    const std::string& dataFile,
                                                    const SeriesOptions& options);

// Reads dataFile as loadSeries does and reconstructs it into engine.orbit,
// sampling over every reconstructed vector. False after reporting a missing
// --dim or --delay or an unreadable file.
bool loadReconstructedSeries(std::string_view command, const std::string& dataFile,
                             const SeriesOptions& options, DynamicsEngine& engine,
                             Reporter& reporter);
