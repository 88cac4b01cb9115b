// attrava-cli lyapunov: integrates a model file and prints its Lyapunov
// spectrum and Lyapunov (Kaplan-Yorke) dimension, as text or as JSON.
#include "cli/commands.h"
#include "cli/model_session.h"
#include "cli/option_checks.h"
#include "cli/progress.h"
#include "dynamics/kaplan_yorke.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

struct LyapunovOptions {
    std::string modelFile;
    ModelOptions model;
    bool json = false;
};

// The shortest text that reads back as the same double; "null" when not finite.
std::string jsonNumber(double value)
{
    if (!std::isfinite(value))
        return "null";
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

void printText(int n, bool exists, const StateVector& spectrum, double dimension)
{
    for (int k = 0; k < n; ++k) {
        if (exists)
            std::printf("%c %.6f\n", variableLetter(k), spectrum[k]);
        else
            std::printf("%c -\n", variableLetter(k));
    }
    if (exists)
        std::printf("DL %.6f\n", dimension);
    else
        std::printf("DL -\n");
}

void printJson(const DynamicsEngine& engine, bool exists, const StateVector& spectrum,
               double dimension)
{
    const ModelRecord& record = engine.recordInUse;
    std::string json = "{\"model\": \"" + record.ModelName + "\", \"points\": " +
                       std::to_string(record.validPointCount) +
                       ", \"diverged\": " + (engine.diverged ? "true" : "false") +
                       ", \"spectrum\": [";
    for (int k = 0; k < record.Dimension; ++k)
        json += (k > 0 ? ", " : "") + (exists ? jsonNumber(spectrum[k]) : std::string("null"));
    json += "], \"dimension\": " + (exists ? jsonNumber(dimension) : std::string("null")) + "}";
    std::printf("%s\n", json.c_str());
}

int runLyapunov(const LyapunovOptions& options)
{
    ModelSession session;
    if (!session.open(options.modelFile, options.model))
        return 1;
    DynamicsEngine& engine = session.engine;

    StateVector spectrum;
    {
        ProgressDisplay progress("lyapunov");
        progress.stage("integrating");
        engine.computeOrbit();
        progress.stage("spectrum");
        engine.lyapunovProgress = [&progress](double done) { progress.fraction(done); };
        spectrum = engine.lyapunov(1);
        engine.lyapunovProgress = nullptr;
    }
    const bool exists = engine.spectrumExists == 1;
    const double dimension =
        exists ? kaplanYorkeDimension(spectrum, engine.recordInUse.Dimension) : 0.0;

    if (options.json)
        printJson(engine, exists, spectrum, dimension);
    else
        printText(engine.recordInUse.Dimension, exists, spectrum, dimension);
    return 0;
}

}  // namespace

void declareLyapunovCommand(CliTool& tool)
{
    auto [command, options] = tool.addCommand(
        "lyapunov", "print the Lyapunov spectrum and dimension of a model", runLyapunov);
    command.footer("Integrates the model and prints one line per exponent (the variable's\n"
                   "letter and the value) and a line \"DL\" with the Lyapunov dimension.\n"
                   "A value that does not exist (diverged orbit, fewer than two points)\n"
                   "prints as \"-\" (null in JSON).");
    addInputFile(command, options.modelFile, "MODEL_FILE", "the model file", true);
    addModelOptions(command, options.model);
    command.add_flag("--json", options.json, "print one JSON object instead");
}
