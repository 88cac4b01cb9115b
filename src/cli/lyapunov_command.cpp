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
#include <optional>
#include <string>

namespace {

struct LyapunovOptions {
    std::string modelFile;
    ModelOptions model;
    bool json = false;
};

// The exponents and the dimension, each only when it exists: the spectrum was
// measured and the value is a finite number; the dimension needs every
// exponent.
struct Measures {
    std::optional<double> exponents[kMaxVariables];
    std::optional<double> dimension;
};

Measures measuresOf(bool measured, const StateVector& spectrum, int n)
{
    Measures measures;
    bool all = measured;
    for (int k = 0; k < n; ++k) {
        if (measured && std::isfinite(spectrum[k]))
            measures.exponents[k] = spectrum[k];
        else
            all = false;
    }
    if (all) {
        const double dimension = kaplanYorkeDimension(spectrum, n);
        if (std::isfinite(dimension))
            measures.dimension = dimension;
    }
    return measures;
}

// The shortest text that reads back as the same double; "null" when not finite.
std::string jsonNumber(double value)
{
    if (!std::isfinite(value))
        return "null";
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

// "%.6f", or "-" for a value that does not exist.
std::string textNumber(std::optional<double> value)
{
    if (!value)
        return "-";
    char text[400];
    std::snprintf(text, sizeof text, "%.6f", *value);
    return text;
}

std::string jsonValue(std::optional<double> value)
{
    return value ? jsonNumber(*value) : std::string("null");
}

void printText(int n, const Measures& measures)
{
    for (int k = 0; k < n; ++k)
        std::printf("%c %s\n", variableLetter(k), textNumber(measures.exponents[k]).c_str());
    std::printf("DL %s\n", textNumber(measures.dimension).c_str());
}

void printJson(const DynamicsEngine& engine, const Measures& measures)
{
    const ModelRecord& record = engine.recordInUse;
    std::string json = "{\"model\": \"" + record.ModelName + "\", \"points\": " +
                       std::to_string(record.validPointCount) +
                       ", \"diverged\": " + (engine.diverged ? "true" : "false") +
                       ", \"spectrum\": [";
    for (int k = 0; k < record.Dimension; ++k)
        json += (k > 0 ? ", " : "") + jsonValue(measures.exponents[k]);
    json += "], \"dimension\": " + jsonValue(measures.dimension) + "}";
    std::printf("%s\n", json.c_str());
}

int runLyapunov(const LyapunovOptions& options)
{
    ModelSession session;
    if (!session.open(options.modelFile, options.model))
        return 1;
    DynamicsEngine& engine = session.engine;

    StateVector spectrum;
    bool integrated = false;
    {
        ProgressDisplay progress("lyapunov");
        progress.stage("integrating");
        integrated = engine.computeOrbit(progress.control());
        progress.stage("spectrum");
        if (integrated)
            spectrum = engine.lyapunovSpectrum(progress.control());
    }
    if (!integrated)
        return fail(orbitMemoryMessage("lyapunov", engine.recordInUse));
    const int n = engine.recordInUse.Dimension;
    const Measures measures = measuresOf(engine.spectrumExists == 1, spectrum, n);
    if (options.json)
        printJson(engine, measures);
    else
        printText(n, measures);
    return 0;
}

}  // namespace

void declareLyapunovCommand(CliTool& tool)
{
    auto [command, options] = tool.addCommand(
        "lyapunov", "print the Lyapunov spectrum and dimension of a model", runLyapunov);
    command.footer("Integrates the model and prints one line per exponent (the variable's\n"
                   "letter and the value) and a line \"DL\" with the Lyapunov dimension.\n"
                   "A value that does not exist (diverged orbit, fewer than two points, an\n"
                   "exponent that is not a finite number) prints as \"-\" (null in JSON); the\n"
                   "dimension exists only when every exponent does.");
    addInputFile(command, options.modelFile, "MODEL_FILE", "the model file", true);
    addModelOptions(command, options.model);
    command.add_flag("--json", options.json, "print one JSON object instead");
}
