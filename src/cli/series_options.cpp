#include "cli/series_options.h"

#include "cli/option_checks.h"
#include "dynamics/series_layout.h"

#include <cstdio>
#include <utility>

const char* const kSeriesOptionsGroup = "Series options";

namespace {

constexpr long kMaxSeriesValues = 100000000;

}  // namespace

void addSeriesOptions(CLI::App& command, SeriesOptions& options, int lowest, int highest)
{
    addWholeNumber(command, "--dim", options.dimension, lowest, highest,
                   "reconstruction dimension, " + std::to_string(lowest) + " to " +
                       std::to_string(highest) + " (required)")
        ->type_name("M")
        ->group(kSeriesOptionsGroup);
    addWholeNumber(command, "--delay", options.delay, 1, kMaxSeriesValues,
                   "delay in samples, 1 or more (required)")
        ->type_name("T")
        ->group(kSeriesOptionsGroup);
    addSeriesLayoutOptions(command, options);
}

void addSeriesLayoutOptions(CLI::App& command, SeriesOptions& options)
{
    command
        .add_flag_callback("--time-column", [&options] { options.storageForm = 1; },
                           "each item is a time value followed by a data value")
        ->group(kSeriesOptionsGroup);
    command
        .add_flag_callback("--real-data", [&options] { options.dataFormat = 1; },
                           "data values are reals (without any of --time-column, --real-data "
                           "and --real-time the layout is guessed from the file: reals where a "
                           "value is not a plain integer, a time column where every line holds "
                           "two numbers and the first ones rise)")
        ->group(kSeriesOptionsGroup);
    command
        .add_flag_callback("--real-time", [&options] { options.timeFormat = 1; },
                           "time values are reals")
        ->group(kSeriesOptionsGroup);
    addWholeNumber(command, "--limit", options.limit, 1, kMaxSeriesValues,
                   "keep at most N values (default 100000)")
        ->type_name("N")
        ->group(kSeriesOptionsGroup);
}

bool loadSeries(std::string_view command, const std::string& dataFile,
                const SeriesOptions& options, DynamicsEngine& engine, Reporter& reporter)
{
    const std::string name(command);
    ModelRecord& record = engine.recordInUse;
    record.seriesFile = dataFile;
    record.storageForm = options.storageForm;
    record.dataFormat = options.dataFormat;
    record.timeFormat = options.timeFormat;
    if (!options.layoutGiven()) {
        if (const auto layout = detectSeriesLayoutOfFile(dataFile)) {
            record.storageForm = layout->timeColumn ? 1 : 0;
            record.dataFormat = layout->realData ? 1 : 0;
            record.timeFormat = layout->realTime ? 1 : 0;
            std::fprintf(stderr, "attrava-cli %s: layout: %s%s data%s\n", name.c_str(),
                         layout->timeColumn ? "time column, " : "",
                         layout->realData ? "real" : "integer",
                         !layout->timeColumn ? ""
                         : layout->realTime  ? ", real time"
                                             : ", integer time");
        }
    }
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
    return true;
}

std::optional<std::vector<double>> loadSeriesValues(std::string_view command,
                                                    const std::string& dataFile,
                                                    const SeriesOptions& options)
{
    StderrReporter reporter;
    DynamicsEngine engine;
    if (!loadSeries(command, dataFile, options, engine, reporter))
        return std::nullopt;
    return std::move(engine.series);
}

bool loadReconstructedSeries(std::string_view command, const std::string& dataFile,
                             const SeriesOptions& options, DynamicsEngine& engine,
                             Reporter& reporter)
{
    if (options.dimension == 0 || options.delay == 0) {
        reporter.showMessage(std::string(command) + ": --dim and --delay are required");
        return false;
    }
    if (!loadSeries(command, dataFile, options, engine, reporter))
        return false;
    ModelRecord& record = engine.recordInUse;
    record.Dimension = options.dimension;
    record.delay = options.delay;
    engine.computeDisplayBasis();
    if (!engine.reconstruct()) {
        std::fprintf(stderr, "attrava-cli %s: not enough memory for the delay vectors of %d values\n",
                     std::string(command).c_str(), record.seriesCount);
        return false;
    }
    record.Sampling_Point = record.validPointCount;
    return true;
}
