// attrava-cli recurrence: computes the recurrence matrix of a model's orbit or
// of a reconstructed time series and writes its image as a binary PPM.
#include "cli/commands.h"
#include "cli/model_session.h"
#include "cli/option_checks.h"
#include "cli/output_file.h"
#include "cli/progress.h"
#include "cli/series_options.h"
#include "dynamics/recurrence.h"

#include <cstdio>

namespace {

constexpr int kDefaultSize = 500;
constexpr long kMaxSize = 5000;

struct RecurrenceOptions {
    std::string modelFile;   // the orbit's source: a model file
    std::string seriesPath;  // or a time series
    ModelOptions model;
    SeriesOptions series;
    int size = kDefaultSize;
    std::string outPath;
};

bool writePpm(const std::string& path, int size, const std::vector<unsigned char>& pixels)
{
    std::FILE* out = openOutput(path);
    if (out == nullptr)
        return false;
    std::fprintf(out, "P6\n%d %d\n255\n", size, size);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    return closeOutput(out);
}

int runRecurrence(const RecurrenceOptions& options)
{
    StderrReporter reporter;
    ModelSession session;
    DynamicsEngine& engine = session.engine;
    if (options.seriesPath.empty()) {
        if (!session.open(options.modelFile, options.model, reporter))
            return 1;
        ProgressDisplay progress("recurrence");
        progress.stage("integrating");
        if (!engine.computeOrbit())
            return fail(orbitMemoryMessage("recurrence", engine.recordInUse));
    } else if (!loadReconstructedSeries("recurrence", options.seriesPath, options.series, engine,
                                        reporter)) {
        return 1;
    }

    RecurrenceMatrix matrix;
    matrix.compute(engine, options.size);
    if (matrix.N == 0)
        return fail("recurrence: the orbit has no valid points");
    if (!writePpm(options.outPath, matrix.N, renderRecurrenceImage(matrix)))
        return fail("recurrence: cannot write the image " + options.outPath);
    std::printf("N %d\nstride %d\ndMin %.6e\ndMax %.6e\n", matrix.N, matrix.stride, matrix.dMin,
                matrix.dMax);
    return 0;
}

// A model file and a time series are two sources of one orbit: exactly one
// is given, with only the options of its kind.
void refuseMixedSources(const CLI::App& command, const RecurrenceOptions& options)
{
    const bool fromSeries = !options.seriesPath.empty();
    if (options.modelFile.empty() != fromSeries)
        refuseArguments("give either a model file or --series DATA_FILE");
    if (!fromSeries && anyOptionGiven(command, kSeriesOptionsGroup))
        refuseArguments("series options need --series");
    if (fromSeries && anyOptionGiven(command, kModelOptionsGroup))
        refuseArguments("model options need a model file");
}

}  // namespace

void declareRecurrenceCommand(CliTool& tool)
{
    auto [command, options] = tool.addCommand(
        "recurrence", "write the recurrence plot of a model or series (PPM)", runRecurrence);
    command.footer("Forms: attrava-cli recurrence MODEL_FILE [model options] [--size N] --out FILE.ppm\n"
                   "       attrava-cli recurrence --series DATA_FILE --dim M --delay T\n"
                   "                  [series options] [--size N] --out FILE.ppm\n"
                   "Samples N points of the orbit (default " + std::to_string(kDefaultSize) +
                   "; every point when there are\n"
                   "fewer) and writes the N x N image of their distances: logarithmic colour\n"
                   "scale above the diagonal, linear below, white diagonal. Prints N, the\n"
                   "stride, and the smallest and largest distance dMin and dMax.");
    addInputFile(command, options.modelFile, "MODEL_FILE", "the model file", false);
    command.add_option("--series", options.seriesPath, "the time-series file instead of a model")
        ->type_name("DATA_FILE");
    addWholeNumber(command, "--size", options.size, 1, kMaxSize,
                   "number of orbit points in the image (default " + std::to_string(kDefaultSize) + ")")
        ->type_name("N");
    addOutputOption(command, options.outPath, "FILE.ppm", "the image file")->required();
    addModelOptions(command, options.model);
    addSeriesOptions(command, options.series);
    command.final_callback([parser = &command, checked = &options] {
        refuseMixedSources(*parser, *checked);
    });
}
