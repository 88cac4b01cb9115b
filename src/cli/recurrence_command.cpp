// attrava-cli recurrence: computes the recurrence matrix of a model's orbit or
// of a reconstructed time series and writes its image as a binary PPM.
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/progress.h"
#include "cli/series_options.h"
#include "dynamics/recurrence.h"

#include <cstdio>

namespace {

constexpr int kDefaultSize = 500;
constexpr long kMaxSize = 5000;

void printUsage(std::FILE* out)
{
    std::fprintf(out,
                 "usage: attrava-cli recurrence MODEL_FILE [model options] [--size N] --out FILE.ppm\n"
                 "       attrava-cli recurrence --series DATA_FILE --dim M --delay T\n"
                 "                  [series options] [--size N] --out FILE.ppm\n"
                 "Samples N points of the orbit (default %d; every point when there are\n"
                 "fewer) and writes the N x N image of their distances: logarithmic colour\n"
                 "scale above the diagonal, linear below, white diagonal. Prints N, the\n"
                 "stride, and the smallest and largest distance dMin and dMax.\n"
                 "Model options override the model file's values:\n%s"
                 "Series options:\n%s",
                 kDefaultSize, kModelOptionsUsage, kSeriesOptionsUsage);
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

}  // namespace

int runRecurrenceCommand(const CommandArguments& args)
{
    ModelOptions modelOptions;
    SeriesOptions seriesOptions;
    std::string seriesPath, outPath, sizeText;
    bool usedModelOptions = false, usedSeriesOptions = false;
    CommandLine line;
    const auto parseOption = [&](const CommandArguments& a, std::size_t& i, std::string& e) {
        for (auto [name, value] : {std::pair{"--series", &seriesPath}, std::pair{"--out", &outPath},
                                   std::pair{"--size", &sizeText}}) {
            const OptionOutcome outcome = parseTextOption(a, i, name, *value, e);
            if (outcome != OptionOutcome::NotModelOption)
                return outcome;
        }
        OptionOutcome outcome = parseSeriesOption(a, i, seriesOptions, e);
        if (outcome != OptionOutcome::NotModelOption) {
            usedSeriesOptions = true;
            return outcome;
        }
        outcome = parseModelOption(a, i, modelOptions, e);
        usedModelOptions = usedModelOptions || outcome != OptionOutcome::NotModelOption;
        return outcome;
    };
    if (const auto status =
            startCommand("recurrence", args, parseOption, printUsage, "", line))
        return *status;
    if (line.file.empty() == seriesPath.empty()) {
        printUsage(stderr);
        return fail("recurrence: give either a model file or --series DATA_FILE");
    }
    if (seriesPath.empty() ? usedSeriesOptions : usedModelOptions)
        return fail(seriesPath.empty() ? "recurrence: series options need --series"
                                       : "recurrence: model options need a model file");
    if (outPath.empty())
        return fail("recurrence: --out FILE.ppm is required");
    int size = kDefaultSize;
    if (!sizeText.empty() && !parseIntInRange(sizeText, 1, kMaxSize, size))
        return fail("recurrence: invalid value for --size: \"" + sizeText + "\" (1 to " +
                    std::to_string(kMaxSize) + ")");

    StderrReporter reporter;
    ModelSession session;
    DynamicsEngine& engine = session.engine;
    if (seriesPath.empty()) {
        if (!session.open(line.file, modelOptions, reporter))
            return 1;
    } else if (!loadReconstructedSeries("recurrence", seriesPath, seriesOptions, engine, reporter)) {
        return 1;
    }

    RecurrenceMatrix matrix;
    {
        ProgressDisplay progress("recurrence");
        if (seriesPath.empty()) {
            progress.stage("integrating");
            engine.computeOrbit(progress.control());
        }
        progress.stage("distances");
        matrix.compute(engine, size, progress.control());
    }
    if (matrix.N == 0)
        return fail("recurrence: the orbit has no valid points");
    if (!writePpm(outPath, matrix.N, renderRecurrenceImage(matrix)))
        return fail("recurrence: cannot write the image " + outPath);
    std::printf("N %d\nstride %d\ndMin %.6e\ndMax %.6e\n", matrix.N, matrix.stride, matrix.dMin,
                matrix.dMax);
    return 0;
}
