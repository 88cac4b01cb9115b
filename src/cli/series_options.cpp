#include "cli/series_options.h"

#include <cstdio>

const char* const kSeriesOptionsUsage =
    "  --dim M         reconstruction dimension, 3 to 6 (required)\n"
    "  --delay T       delay in samples, 1 or more (required)\n"
    "  --time-column   each item is a time value followed by a data value\n"
    "  --real-data     data values are reals (default: integers)\n"
    "  --real-time     time values are reals (default: integers)\n"
    "  --limit N       keep at most N values (default 100000)\n";

namespace {

constexpr long kMaxSeriesValues = 100000000;

}  // namespace

OptionOutcome parseSeriesOption(const CommandArguments& args, std::size_t& i,
                                SeriesOptions& options, std::string& error)
{
    const std::string& option = args[i];
    int* flag = option == "--time-column" ? &options.storageForm
                : option == "--real-data" ? &options.dataFormat
                : option == "--real-time" ? &options.timeFormat
                                          : nullptr;
    if (flag != nullptr) {
        *flag = 1;
        return OptionOutcome::Taken;
    }
    int* number = option == "--dim" ? &options.dimension
                  : option == "--delay" ? &options.delay
                  : option == "--limit" ? &options.limit
                                        : nullptr;
    if (number == nullptr)
        return OptionOutcome::NotModelOption;
    std::string value;
    if (!takeOptionValue(args, i, value, error))
        return OptionOutcome::Invalid;
    const long low = option == "--dim" ? 3 : 1;
    const long high = option == "--dim" ? kMaxVariables : kMaxSeriesValues;
    if (!parseIntInRange(value, low, high, *number)) {
        error = "invalid value for " + option + ": \"" + value + "\" (" + std::to_string(low) +
                " to " + std::to_string(high) + ")";
        return OptionOutcome::Invalid;
    }
    return OptionOutcome::Taken;
}

bool loadReconstructedSeries(std::string_view command, const std::string& dataFile,
                             const SeriesOptions& options, DynamicsEngine& engine,
                             Reporter& reporter)
{
    const std::string name(command);
    if (options.dimension == 0 || options.delay == 0) {
        reporter.showMessage(name + ": --dim and --delay are required");
        return false;
    }
    ModelRecord& record = engine.recordInUse;
    record.seriesFile = dataFile;
    record.storageForm = options.storageForm;
    record.dataFormat = options.dataFormat;
    record.timeFormat = options.timeFormat;
    record.seriesLimit = options.limit;
    const SeriesReadResult read = engine.readSeriesFile(reporter);
    if (!read.opened)
        return false;
    if (read.stoppedAtBadItem) {
        if (read.badItemNotFinite)
            std::fprintf(stderr,
                         "attrava-cli %s: reading stopped at value %ld: \"%s\" is not a finite "
                         "number and non-finite values are refused; %d values kept\n",
                         name.c_str(), read.badItemIndex + 1, read.badItemText.c_str(),
                         record.seriesCount);
        else if (read.badItemText.empty())
            std::fprintf(stderr,
                         "attrava-cli %s: reading stopped at value %ld: the file ends inside a "
                         "time-data pair; %d values kept\n",
                         name.c_str(), read.badItemIndex + 1, record.seriesCount);
        else
            std::fprintf(stderr,
                         "attrava-cli %s: reading stopped at value %ld: \"%s\" is not a number in "
                         "the chosen format; %d values kept\n",
                         name.c_str(), read.badItemIndex + 1, read.badItemText.c_str(),
                         record.seriesCount);
    }
    record.Dimension = options.dimension;
    record.delay = options.delay;
    engine.computeDisplayBasis();
    if (!engine.reconstruct()) {
        std::fprintf(stderr, "attrava-cli %s: not enough memory for the delay vectors of %d values\n",
                     name.c_str(), record.seriesCount);
        return false;
    }
    record.Sampling_Point = record.validPointCount;
    return true;
}
