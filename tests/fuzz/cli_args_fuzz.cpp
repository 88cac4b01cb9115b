// Fuzz target of the batch tool's argument parsing. The input is split at
// NUL bytes into arguments and read with every option the commands know.
// A line that parses holds only values in the options' documented ranges.
#include "fuzz_support.h"

#include "cli/command_line.h"
#include "cli/series_options.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CommandArguments args;
    std::string_view text = asText(data, size);
    while (!text.empty()) {
        const std::size_t end = text.find('\0');
        args.emplace_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }

    ModelOptions model;
    SeriesOptions series;
    std::string outPath;
    std::string imagePath;
    const OptionParser parse = withOutputOption(
        outPath, [&](const CommandArguments& a, std::size_t& i, std::string& e) {
            OptionOutcome outcome = parseTextOption(a, i, "--image", imagePath, e);
            if (outcome == OptionOutcome::NotModelOption)
                outcome = parseSeriesOption(a, i, series, e);
            if (outcome == OptionOutcome::NotModelOption)
                outcome = parseModelOption(a, i, model, e);
            return outcome;
        });
    CommandLine line;
    std::string error;
    if (!parseCommandLine("fuzz", args, parse, line, error)) {
        FUZZ_CHECK(!error.empty(), "a refused line without a reason");
        return 0;
    }
    FUZZ_CHECK(model.points >= 0 && model.interval >= 0.0 && std::isfinite(model.interval) &&
                   model.autoAccuracy >= 0.0 && std::isfinite(model.autoAccuracy),
               "a model option out of range");
    for (const auto& [letter, value] : model.parameters)
        FUZZ_CHECK(letter >= 'a' && letter <= 'j' && std::isfinite(value), "a bad parameter");
    for (const auto& [letter, value] : model.initialValues)
        FUZZ_CHECK(std::string_view("xyzwvu").find(letter) != std::string_view::npos &&
                       std::isfinite(value),
                   "a bad initial value");
    FUZZ_CHECK((series.dimension == 0 || (series.dimension >= 3 && series.dimension <= kMaxVariables)) &&
                   series.delay >= 0 && series.limit >= 0,
               "a series option out of range");
    FUZZ_CHECK(line.file.empty() || line.file == "-" || line.file[0] != '-',
               "an option taken for the input file");
    return 0;
}
