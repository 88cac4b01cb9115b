// attrava-cli embed: advises a delay and a dimension for the delay
// reconstruction of a time-series file.
#include "cli/analysis_report.h"
#include "cli/commands.h"
#include "cli/option_checks.h"
#include "cli/progress.h"
#include "cli/series_options.h"

#include <string>

namespace {

constexpr int kDefaultMaxDelay = 100;
constexpr long kMaxDelayLimit = 100000;

struct EmbedOptions {
    std::string dataFile;
    SeriesOptions series;
    int maxDelay = kDefaultMaxDelay;
    int maxDimension = kMaxAnalysisDimension;
    bool json = false;
};

int runEmbed(const EmbedOptions& options)
{
    const auto series = loadSeriesValues("embed", options.dataFile, options.series);
    if (!series)
        return 1;
    ProgressDisplay progress("embed");
    progress.stage("false neighbours");
    const EmbeddingAdvice advice =
        adviseEmbedding(*series, options.maxDelay, options.maxDimension, progress.control());
    if (advice.error != SeriesError::None)
        return fail(std::string("embed: ") + describe(advice.error));
    printEmbeddingAdvice(stdout, advice, options.json);
    return 0;
}

}  // namespace

void declareEmbedCommand(CliTool& tool)
{
    auto [command, options] =
        tool.addCommand("embed", "advise a delay and a dimension for a time-series file", runEmbed);
    command.footer(
        "Prints \"delay T\" and \"dimension M\" (\"none\" where not found).\n"
        "Delay: the first local minimum of the average mutual information I(tau),\n"
        "tau = 0..T, from 16 equal-width bins over the series' range; without one,\n"
        "the first tau with I(tau) < I(0)/e. Dimension: the smallest m in 1..M whose\n"
        "share of false nearest neighbours at that delay is below 1 % (R_tol 10,\n"
        "A_tol 2).");
    addInputFile(command, options.dataFile, "DATA_FILE", "the time-series file", true);
    addWholeNumber(command, "--max-delay", options.maxDelay, 1, kMaxDelayLimit,
                   "largest delay tried (default " + std::to_string(kDefaultMaxDelay) + ")")
        ->type_name("T");
    addWholeNumber(command, "--max-dim", options.maxDimension, kMinAnalysisDimension,
                   kMaxAnalysisDimension,
                   "largest dimension tried, 1 to 10 (default 10)")
        ->type_name("M");
    command.add_flag("--json", options.json,
                     "print {\"delay\", \"dimension\", \"ami\": [I(0)..I(T)], "
                     "\"fnn\": [f(1)..f(M)]} instead");
    addSeriesLayoutOptions(command, options.series);
}
