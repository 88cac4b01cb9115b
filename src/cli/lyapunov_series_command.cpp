// attrava-cli lyapunov-series: the largest Lyapunov exponent of a
// time-series file from the divergence of nearest neighbours.
#include "cli/analysis_report.h"
#include "cli/commands.h"
#include "cli/option_checks.h"
#include "cli/progress.h"
#include "cli/series_options.h"

#include <string>

namespace {

constexpr long kMaxSteps = 1000000;

struct LyapunovSeriesOptions {
    std::string dataFile;
    SeriesOptions series;
    SeriesLyapunovOptions analysis;
    bool json = false;
};

int runLyapunovSeries(const LyapunovSeriesOptions& options)
{
    const auto series = loadSeriesValues("lyapunov-series", options.dataFile, options.series);
    if (!series)
        return 1;
    ProgressDisplay progress("lyapunov-series");
    progress.stage("neighbours");
    const SeriesLyapunovResult result =
        largestLyapunovExponent(*series, options.series.dimension, options.series.delay,
                                options.analysis, progress.control());
    if (result.error != SeriesError::None)
        return fail(std::string("lyapunov-series: ") + describe(result.error));
    printSeriesLyapunov(stdout, result, options.series.dimension, options.series.delay,
                        options.analysis.samplingInterval, options.json);
    return 0;
}

}  // namespace

void declareLyapunovSeriesCommand(CliTool& tool)
{
    auto [command, options] = tool.addCommand(
        "lyapunov-series", "print the largest Lyapunov exponent of a time-series file",
        runLyapunovSeries);
    command.footer(
        "Prints \"lambda VALUE\", the largest Lyapunov exponent of the delay\n"
        "reconstruction: each point's nearest neighbour at least W samples away in\n"
        "time is followed for K steps, y(k) is the mean log distance after k steps,\n"
        "and lambda is the least-squares slope of y over k = A..B divided by H.\n"
        "Defaults: H = 1 (lambda per sample), W = M*T, K = 20*T (or B when larger),\n"
        "A:B = 2*T:15*T cut to K.");
    addInputFile(command, options.dataFile, "DATA_FILE", "the time-series file", true);
    addPositiveNumber(command, "--dt", options.analysis.samplingInterval,
                      "sampling interval: lambda per unit of time (default 1: per sample)")
        ->type_name("H");
    addWholeNumber(command, "--theiler", options.analysis.theilerWindow, 1, kMaxSteps,
                   "Theiler window in samples (default M*T)")
        ->type_name("W");
    addWholeNumber(command, "--steps", options.analysis.steps, 1, kMaxSteps,
                   "length K of the divergence curve (default 20*T)")
        ->type_name("K");
    addRange(command, "--fit", options.analysis.fitFirst, options.analysis.fitLast, kMaxSteps,
             "fit range of k (default 2*T:15*T)")
        ->type_name("A:B");
    command.add_flag("--json", options.json,
                     "print one JSON object with the embedding, the windows, the fit and the "
                     "curve y(0..K) instead");
    addSeriesOptions(command, options.series, kMinAnalysisDimension, kMaxAnalysisDimension);
    command.get_option("--dim")->required();
    command.get_option("--delay")->required();
    command.final_callback([checked = &options] {
        const SeriesLyapunovOptions& analysis = checked->analysis;
        if (analysis.steps > 0 && analysis.fitLast > analysis.steps)
            refuseArguments("the fit range ends after --steps");
    });
}
