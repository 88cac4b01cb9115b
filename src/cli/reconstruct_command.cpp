// attrava-cli reconstruct: reads a time-series file and writes its delay
// reconstruction, one vector per line.
#include "cli/commands.h"
#include "cli/option_checks.h"
#include "cli/output_file.h"
#include "cli/orbit_output.h"
#include "cli/series_options.h"

#include <cstdio>

namespace {

struct ReconstructOptions {
    std::string dataFile;
    SeriesOptions series;
    std::string outPath;
};

int runReconstruct(const ReconstructOptions& options)
{
    StderrReporter reporter;
    DynamicsEngine engine;
    if (!loadReconstructedSeries("reconstruct", options.dataFile, options.series, engine, reporter))
        return 1;

    std::FILE* out = openOutput(options.outPath);
    if (out == nullptr)
        return fail("reconstruct: cannot open the output file " + options.outPath);
    const ModelRecord& record = engine.recordInUse;
    const bool written =
        writeOrbitPoints(out, engine.orbit, record.validPointCount, record.Dimension);
    if (!closeOutput(out) || !written)
        return fail("reconstruct: writing the vectors failed");
    std::fprintf(stderr, "attrava-cli reconstruct: %d values read, %d vectors\n", record.seriesCount,
                 record.validPointCount);
    return 0;
}

}  // namespace

void declareReconstructCommand(CliTool& tool)
{
    auto [command, options] = tool.addCommand(
        "reconstruct", "write the delay reconstruction of a time-series file", runReconstruct);
    command.footer("Reads the numbers of DATA_FILE (separated by white space) and writes the\n"
                   "delay vectors (s[k], s[k+T], ..., s[k+(M-1)T]), one per line, with 17\n"
                   "significant digits. Reading stops at the first item that is not a number\n"
                   "in the chosen format or not a finite one (nan, inf), keeping the values\n"
                   "before it.");
    addInputFile(command, options.dataFile, "DATA_FILE", "the time-series file", true);
    addSeriesOptions(command, options.series);
    addOutputOption(command, options.outPath, "FILE",
                    "write the vectors to FILE instead of standard output");
}
