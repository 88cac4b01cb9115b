// attrava-cli recurrence: computes the recurrence matrix of a model's orbit or
// of a reconstructed time series and writes its image as a binary PPM, or
// (--rqa) prints the recurrence quantification measures over every point.
#include "cli/analysis_report.h"
#include "cli/commands.h"
#include "cli/model_session.h"
#include "cli/option_checks.h"
#include "cli/output_file.h"
#include "cli/progress.h"
#include "cli/series_options.h"
#include "dynamics/recurrence.h"
#include "dynamics/recurrence_quantification.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kDefaultSize = 500;
constexpr long kMaxSize = 5000;

struct RecurrenceCommandOptions {
    std::string modelFile;   // the orbit's source: a model file
    std::string seriesPath;  // or a time series
    ModelOptions model;
    SeriesOptions series;
    int size = kDefaultSize;
    std::string outPath;
    bool rqa = false;  // the measures instead of the image
    double epsilon = 0.0;
    double rate = 0.0;
    int theilerWindow = 1;
    bool json = false;
};

const char* const kMeasuresGroup = "Measure options (with --rqa)";

// The recurrence measures of every point of the model's orbit, or of the
// delay vectors of the series.
int printMeasures(const RecurrenceCommandOptions& options)
{
    StderrReporter reporter;
    ModelSession session;
    DynamicsEngine& engine = session.engine;
    ProgressDisplay progress("recurrence");
    PhasePoints points;
    if (options.seriesPath.empty()) {
        if (!session.open(options.modelFile, options.model, reporter))
            return 1;
        progress.stage("integrating");
        engine.computeOrbit();
        const ModelRecord& record = engine.recordInUse;
        points = orbitPoints(engine.orbit,
                             static_cast<std::size_t>(std::max(record.validPointCount, 0)),
                             record.Dimension);
    } else {
        const SeriesOptions& series = options.series;
        if (series.dimension == 0 || series.delay == 0)
            return fail("recurrence: --dim and --delay are required");
        if (!loadSeries("recurrence", options.seriesPath, series, engine, reporter))
            return 1;
        const SeriesError error = delayEmbed(engine.series, series.dimension, series.delay, points);
        if (error != SeriesError::None)
            return fail(std::string("recurrence: ") + describe(error));
    }
    progress.stage("measures");
    RecurrenceOptions measure;
    measure.epsilon = options.epsilon;
    measure.targetRate = options.rate;
    measure.theilerWindow = options.theilerWindow;
    const RecurrenceQuantities q = quantifyRecurrence(points, measure, progress.control());
    if (q.error != SeriesError::None)
        return fail(std::string("recurrence: ") + describe(q.error));
    std::fprintf(stderr, "attrava-cli recurrence: %zu points, eps %.10g\n", points.count(),
                 q.epsilon);
    printRecurrenceQuantities(stdout, q, options.theilerWindow, options.json);
    return 0;
}

bool writePpm(const std::string& path, int size, const std::vector<unsigned char>& pixels)
{
    std::FILE* out = openOutput(path);
    if (out == nullptr)
        return false;
    std::fprintf(out, "P6\n%d %d\n255\n", size, size);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    return closeOutput(out);
}

int runRecurrence(const RecurrenceCommandOptions& options)
{
    if (options.rqa)
        return printMeasures(options);
    StderrReporter reporter;
    ModelSession session;
    DynamicsEngine& engine = session.engine;
    if (options.seriesPath.empty()) {
        if (!session.open(options.modelFile, options.model, reporter))
            return 1;
    } else if (!loadReconstructedSeries("recurrence", options.seriesPath, options.series, engine,
                                        reporter)) {
        return 1;
    }

    RecurrenceMatrix matrix;
    {
        ProgressDisplay progress("recurrence");
        if (options.seriesPath.empty()) {
            progress.stage("integrating");
            if (!engine.computeOrbit(progress.control()))
                return fail(orbitMemoryMessage("recurrence", engine.recordInUse));
        }
        progress.stage("distances");
        matrix.compute(engine, options.size, progress.control());
    }
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
void refuseMixedSources(const CLI::App& command, const RecurrenceCommandOptions& options)
{
    const bool fromSeries = !options.seriesPath.empty();
    if (options.modelFile.empty() != fromSeries)
        refuseArguments("give either a model file or --series DATA_FILE");
    if (!fromSeries && anyOptionGiven(command, kSeriesOptionsGroup))
        refuseArguments("series options need --series");
    if (fromSeries && anyOptionGiven(command, kModelOptionsGroup))
        refuseArguments("model options need a model file");
}

// The image and the measures take options of their own.
void refuseMeasureMix(const CLI::App& command, const RecurrenceCommandOptions& options)
{
    if (!options.rqa) {
        if (anyOptionGiven(command, kMeasuresGroup))
            refuseArguments("--eps, --rr, --theiler and --json need --rqa");
        const int dimension = options.series.dimension;
        if (dimension != 0 && (dimension < 3 || dimension > kMaxVariables))
            refuseArguments("the image needs --dim 3 to 6");
        if (options.outPath.empty())
            refuseArguments("--out FILE.ppm is required");
        return;
    }
    if (!options.outPath.empty() || command.get_option("--size")->count() > 0)
        refuseArguments("--rqa uses every point and writes no image (no --out, --size)");
    if ((options.epsilon > 0.0) == (options.rate > 0.0))
        refuseArguments("--rqa needs either --eps E or --rr R");
    if (options.rate >= 1.0)
        refuseArguments("--rr must be below 1");
}

}  // namespace

void declareRecurrenceCommand(CliTool& tool)
{
    auto [command, options] = tool.addCommand(
        "recurrence", "write the recurrence plot of a model or series (PPM), or its measures",
        runRecurrence);
    command.footer("Forms: attrava-cli recurrence MODEL_FILE [model options] [--size N] --out FILE.ppm\n"
                   "       attrava-cli recurrence --series DATA_FILE --dim M --delay T\n"
                   "                  [series options] [--size N] --out FILE.ppm\n"
                   "Samples N points of the orbit (default " + std::to_string(kDefaultSize) +
                   "; every point when there are\n"
                   "fewer) and writes the N x N image of their distances: logarithmic colour\n"
                   "scale above the diagonal, linear below, white diagonal. Prints N, the\n"
                   "stride, and the smallest and largest distance dMin and dMax.\n"
                   "       attrava-cli recurrence (MODEL_FILE | --series DATA_FILE --dim M --delay T)\n"
                   "                  --rqa (--eps E | --rr R) [--theiler W] [--json]\n"
                   "prints RR DET L Lmax ENTR LAM TT, one per line, over every point (no\n"
                   "sampling, no image). Points i, j recur when their distance is at most eps;\n"
                   "cells with |i - j| < W take no part (W = 1: the line of identity only);\n"
                   "lines have length 2 or more; ENTR uses the natural logarithm. With --rqa\n"
                   "the dimension may be 1 to 10. With --rr, eps is the R-quantile of the pair\n"
                   "distances, over every pair up to a million pairs, else over 200,000 pairs\n"
                   "drawn with a fixed seed.");
    addInputFile(command, options.modelFile, "MODEL_FILE", "the model file", false);
    command.add_option("--series", options.seriesPath, "the time-series file instead of a model")
        ->type_name("DATA_FILE");
    addWholeNumber(command, "--size", options.size, 1, kMaxSize,
                   "number of orbit points in the image (default " + std::to_string(kDefaultSize) + ")")
        ->type_name("N");
    addOutputOption(command, options.outPath, "FILE.ppm", "the image file (required without --rqa)");
    command.add_flag("--rqa", options.rqa, "print the recurrence measures instead of an image")
        ->group(kMeasuresGroup);
    addPositiveNumber(command, "--eps", options.epsilon, "recurrence radius")
        ->type_name("E")
        ->group(kMeasuresGroup);
    addPositiveNumber(command, "--rr", options.rate, "choose eps for the recurrence rate R < 1")
        ->type_name("R")
        ->group(kMeasuresGroup);
    addWholeNumber(command, "--theiler", options.theilerWindow, 1, 100000000,
                   "Theiler window (default 1)")
        ->type_name("W")
        ->group(kMeasuresGroup);
    command.add_flag("--json", options.json, "print one JSON object (with eps) instead")
        ->group(kMeasuresGroup);
    addModelOptions(command, options.model);
    // The measures accept dimensions 1 to 10; the image is checked for 3 to 6 below.
    addSeriesOptions(command, options.series, kMinAnalysisDimension, kMaxAnalysisDimension);
    command.final_callback([parser = &command, checked = &options] {
        refuseMixedSources(*parser, *checked);
        refuseMeasureMix(*parser, *checked);
    });
}
