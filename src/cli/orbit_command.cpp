// attrava-cli orbit: integrates a model file and writes the valid orbit points.
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/orbit_output.h"

#include <chrono>
#include <cstdio>

namespace {

void printOrbitUsage(std::FILE* out)
{
    std::fprintf(out,
                 "usage: attrava-cli orbit MODEL_FILE [options] [--out FILE]\n"
                 "Integrates the model of MODEL_FILE (its name is the file name without\n"
                 "extension) and writes one line per valid orbit point: the used\n"
                 "components with 17 significant digits, separated by one blank.\n"
                 "Options override the model file's values:\n%s"
                 "  --out FILE      write the points to FILE instead of standard output\n",
                 kModelOptionsUsage);
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int runOrbitCommand(const CommandArguments& args)
{
    const auto started = std::chrono::steady_clock::now();
    ModelOptions options;
    std::string outPath;
    CommandLine line;
    const OptionParser parseOption = withOutputOption(
        outPath, [&](const CommandArguments& a, std::size_t& i, std::string& e) {
            return parseModelOption(a, i, options, e);
        });
    if (const auto status =
            startCommand("orbit", args, parseOption, printOrbitUsage, "no model file given", line))
        return *status;

    ModelSession session;
    if (!session.open(line.file, options))
        return 1;

    DynamicsEngine& engine = session.engine;
    const auto integrationStarted = std::chrono::steady_clock::now();
    if (!engine.computeOrbit())
        return fail(orbitMemoryMessage("orbit", engine.recordInUse));
    const double integrationSeconds = secondsSince(integrationStarted);

    std::FILE* out = openOutput(outPath);
    if (out == nullptr)
        return fail("orbit: cannot open the output file " + outPath);
    const ModelRecord& record = engine.recordInUse;
    const bool written = writeOrbitPoints(out, engine.orbit, record.validPointCount, record.Dimension);
    if (!closeOutput(out) || !written)
        return fail("orbit: writing the points failed");

    std::fprintf(stderr,
                 "attrava-cli orbit: %s, %d of %d points valid, %s, integration %.3f s, total %.3f s\n",
                 record.ModelName.c_str(), record.validPointCount, record.Sampling_Point,
                 engine.diverged ? "diverged" : "not diverged", integrationSeconds,
                 secondsSince(started));
    return 0;
}
