// Guessing the layout of a time-series file: whether the data values (and
// the time values) are integers or reals, and whether each item is a time
// value followed by a data value. The batch tool uses it when no layout is
// given, so a file of reals is not cut at its first decimal point.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct SeriesLayout {
    bool timeColumn = false;  // each line holds a time value and a data value
    bool realData = false;    // some data value is not an integer
    bool realTime = false;    // some time value is not an integer
};

// A time column is taken to be present when every line that holds numbers
// holds exactly two, there are at least two such lines, and the first numbers
// increase strictly from line to line. A value counts as real when it is not
// written as a plain integer that fits 32 bits. Words that are not numbers
// (a heading, say) are passed over.
SeriesLayout detectSeriesLayout(std::string_view text);

// The same for a file; nothing when it cannot be opened.
std::optional<SeriesLayout> detectSeriesLayoutOfFile(const std::string& path);
