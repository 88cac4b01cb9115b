// attrava-cli lyapunov: integrates a model file and prints its Lyapunov
// spectrum and Lyapunov (Kaplan-Yorke) dimension, as text or as JSON.
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/progress.h"
#include "dynamics/kaplan_yorke.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

namespace {

void printUsage(std::FILE* out)
{
    std::fprintf(out,
                 "usage: attrava-cli lyapunov MODEL_FILE [options] [--json]\n"
                 "Integrates the model and prints one line per exponent (the variable's\n"
                 "letter and the value) and a line \"DL\" with the Lyapunov dimension.\n"
                 "A value that does not exist (diverged orbit, fewer than two points, an\n"
                 "exponent that is not a finite number) prints as \"-\" (null in JSON); the\n"
                 "dimension exists only when every exponent does.\n"
                 "Options override the model file's values:\n%s"
                 "  --json          print one JSON object instead\n",
                 kModelOptionsUsage);
}

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

}  // namespace

int runLyapunovCommand(const CommandArguments& args)
{
    ModelOptions options;
    bool json = false;
    CommandLine line;
    const auto parseOption = [&](const CommandArguments& a, std::size_t& i, std::string& e) {
        if (a[i] == "--json") {
            json = true;
            return OptionOutcome::Taken;
        }
        return parseModelOption(a, i, options, e);
    };
    if (const auto status =
            startCommand("lyapunov", args, parseOption, printUsage, "no model file given", line))
        return *status;

    ModelSession session;
    if (!session.open(line.file, options))
        return 1;
    DynamicsEngine& engine = session.engine;

    StateVector spectrum;
    {
        ProgressDisplay progress("lyapunov");
        progress.stage("integrating");
        engine.computeOrbit(progress.control());
        progress.stage("spectrum");
        spectrum = engine.lyapunovSpectrum(progress.control());
    }
    const int n = engine.recordInUse.Dimension;
    const Measures measures = measuresOf(engine.spectrumExists == 1, spectrum, n);
    if (json)
        printJson(engine, measures);
    else
        printText(n, measures);
    return 0;
}
