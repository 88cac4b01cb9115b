// attrava-cli response: integrates a model file and writes the temporal
// responses of the Lyapunov spectrum and dimension as CSV.
#include "cli/commands.h"
#include "cli/model_session.h"
#include "cli/option_checks.h"
#include "cli/output_file.h"
#include "cli/progress.h"
#include "dynamics/response_csv.h"

#include <cstdio>
#include <string>

namespace {

struct ResponseOptions {
    std::string modelFile;
    ModelOptions model;
    std::string outPath;
};

int runResponse(const ResponseOptions& options)
{
    ModelSession session;
    if (!session.open(options.modelFile, options.model))
        return 1;
    DynamicsEngine& engine = session.engine;

    bool integrated = false;
    {
        ProgressDisplay progress("response");
        progress.stage("integrating");
        integrated = engine.computeOrbit(progress.control());
        progress.stage("responses");
        if (integrated)
            engine.lyapunovResponses(LyapunovResponses::SpectrumAndDimension, progress.control());
    }
    if (!integrated)
        return fail(orbitMemoryMessage("response", engine.recordInUse));
    if (engine.responsesExist != 1)
        return fail("response: not enough memory for the responses of " +
                    std::to_string(engine.recordInUse.Sampling_Point) + " points");

    std::FILE* out = openOutput(options.outPath);
    if (out == nullptr)
        return fail("response: cannot open the output file " + options.outPath);
    const std::string text = responseCsv(engine);
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    if (!closeOutput(out) || !written)
        return fail("response: writing the CSV failed");
    return 0;
}

}  // namespace

void declareResponseCommand(CliTool& tool)
{
    auto [command, options] = tool.addCommand(
        "response", "write the temporal responses of spectrum and dimension (CSV)", runResponse);
    command.footer("Integrates the model and writes CSV: the header\n"
                   "point,lambda_x,lambda_y,...,DL and one row per orbit step, with the\n"
                   "running estimate of every exponent and of the Lyapunov dimension after\n"
                   "that point; a value that is not a finite number prints as \"-\".");
    addInputFile(command, options.modelFile, "MODEL_FILE", "the model file", true);
    addModelOptions(command, options.model);
    addOutputOption(command, options.outPath, "FILE",
                    "write the CSV to FILE instead of standard output");
}
