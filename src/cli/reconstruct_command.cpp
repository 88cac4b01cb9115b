// attrava-cli reconstruct: reads a time-series file and writes its delay
// reconstruction, one vector per line.
#include "cli/output_file.h"
#include "cli/commands.h"
#include "cli/orbit_output.h"
#include "cli/series_options.h"

#include <cstdio>

namespace {

void printUsage(std::FILE* out)
{
    std::fprintf(out,
                 "usage: attrava-cli reconstruct DATA_FILE --dim M --delay T [options] [--out FILE]\n"
                 "Reads the numbers of DATA_FILE (separated by white space) and writes the\n"
                 "delay vectors (s[k], s[k+T], ..., s[k+(M-1)T]), one per line, with 17\n"
                 "significant digits. Reading stops at the first item that is not a number\n"
                 "in the chosen format, keeping the values before it.\n%s"
                 "  --out FILE      write the vectors to FILE instead of standard output\n",
                 kSeriesOptionsUsage);
}

}  // namespace

int runReconstructCommand(const CommandArguments& args)
{
    SeriesOptions options;
    std::string outPath;
    CommandLine line;
    const OptionParser parseOption = withOutputOption(
        outPath, [&](const CommandArguments& a, std::size_t& i, std::string& e) {
            return parseSeriesOption(a, i, options, e);
        });
    if (const auto status =
            startCommand("reconstruct", args, parseOption, printUsage, "no data file given", line))
        return *status;

    StderrReporter reporter;
    DynamicsEngine engine;
    if (!loadReconstructedSeries("reconstruct", line.file, options, engine, reporter))
        return 1;

    std::FILE* out = openOutput(outPath);
    if (out == nullptr)
        return fail("reconstruct: cannot open the output file " + outPath);
    const ModelRecord& record = engine.recordInUse;
    const bool written =
        writeOrbitPoints(out, engine.orbit, record.validPointCount, record.Dimension);
    if (!closeOutput(out) || !written)
        return fail("reconstruct: writing the vectors failed");
    std::fprintf(stderr, "attrava-cli reconstruct: %d values read, %d vectors\n", record.seriesCount,
                 record.validPointCount);
    return 0;
}
