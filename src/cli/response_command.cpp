// attrava-cli response: integrates a model file and writes the temporal
// responses of the Lyapunov spectrum and dimension as CSV.
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/progress.h"
#include "dynamics/response_csv.h"

#include <cstdio>
#include <string>

namespace {

void printUsage(std::FILE* out)
{
    std::fprintf(out,
                 "usage: attrava-cli response MODEL_FILE [options] [--out FILE]\n"
                 "Integrates the model and writes CSV: the header\n"
                 "point,lambda_x,lambda_y,...,DL and one row per orbit step, with the\n"
                 "running estimate of every exponent and of the Lyapunov dimension after\n"
                 "that point; a value that is not a finite number prints as \"-\".\n"
                 "Options override the model file's values:\n%s"
                 "  --out FILE      write the CSV to FILE instead of standard output\n",
                 kModelOptionsUsage);
}

}  // namespace

int runResponseCommand(const CommandArguments& args)
{
    ModelOptions options;
    std::string outPath;
    CommandLine line;
    const OptionParser parseOption = withOutputOption(
        outPath, [&](const CommandArguments& a, std::size_t& i, std::string& e) {
            return parseModelOption(a, i, options, e);
        });
    if (const auto status =
            startCommand("response", args, parseOption, printUsage, "no model file given", line))
        return *status;

    ModelSession session;
    if (!session.open(line.file, options))
        return 1;
    DynamicsEngine& engine = session.engine;

    {
        ProgressDisplay progress("response");
        progress.stage("integrating");
        engine.computeOrbit(progress.control());
        progress.stage("responses");
        engine.lyapunovResponses(LyapunovResponses::SpectrumAndDimension, progress.control());
    }

    std::FILE* out = openOutput(outPath);
    if (out == nullptr)
        return fail("response: cannot open the output file " + outPath);
    const std::string text = responseCsv(engine);
    std::fwrite(text.data(), 1, text.size(), out);
    if (!closeOutput(out))
        return fail("response: writing the CSV failed");
    return 0;
}
