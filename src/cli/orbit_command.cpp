// attrava-cli orbit: integrates a model file and writes the valid orbit points.
#include "cli/commands.h"
#include "cli/model_session.h"
#include "cli/option_checks.h"
#include "cli/output_file.h"
#include "cli/orbit_output.h"

#include <chrono>
#include <cstdio>

namespace {

struct OrbitOptions {
    std::string modelFile;
    ModelOptions model;
    std::string outPath;
};

int runOrbit(const OrbitOptions& options)
{
    const auto started = std::chrono::steady_clock::now();
    ModelSession session;
    if (!session.open(options.modelFile, options.model))
        return 1;

    DynamicsEngine& engine = session.engine;
    std::FILE* out = openOutput(options.outPath);
    if (out == nullptr)
        return fail("orbit: cannot open the output file " + options.outPath);
    const WrittenOrbit orbit = writeEngineOrbit(engine, out);
    const bool closed = closeOutput(out);
    const ModelRecord& record = engine.recordInUse;
    if (!orbit.allocated)
        return fail(orbitMemoryMessage("orbit", record));
    if (!closed || !orbit.written)
        return fail("orbit: writing the points failed");

    std::fprintf(stderr,
                 "attrava-cli orbit: %s, %d of %d points valid, %s, integration %.3f s, total %.3f s\n",
                 record.ModelName.c_str(), orbit.validPoints, record.Sampling_Point,
                 orbit.diverged ? "diverged" : "not diverged", orbit.integrationSeconds,
                 secondsSince(started));
    return 0;
}

}  // namespace

void declareOrbitCommand(CliTool& tool)
{
    auto [command, options] =
        tool.addCommand("orbit", "integrate a model file and print the orbit points", runOrbit);
    command.footer("Integrates the model of MODEL_FILE (its name is the file name without\n"
                   "extension) and writes one line per valid orbit point: the used\n"
                   "components with 17 significant digits, separated by one blank.");
    addInputFile(command, options.modelFile, "MODEL_FILE", "the model file", true);
    addModelOptions(command, options.model);
    addOutputOption(command, options.outPath, "FILE",
                    "write the points to FILE instead of standard output");
}
