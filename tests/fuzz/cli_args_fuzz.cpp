// Fuzz target of the batch tool's argument parsing. The input is split at
// NUL bytes into arguments and parsed by a command that declares every option
// block the commands use: model options, series options, --out and the input
// file. A refused line has an English reason; a line that parses holds only
// values in the options' documented ranges.
#include "fuzz_support.h"

#include "cli/cli_tool.h"
#include "cli/model_options.h"
#include "cli/option_checks.h"
#include "cli/series_options.h"

#include <algorithm>
#include <cmath>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> args;
    std::string_view text = asText(data, size);
    while (!text.empty()) {
        const std::size_t end = text.find('\0');
        args.emplace_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    // CLI11 takes the arguments last first.
    std::reverse(args.begin(), args.end());

    // The parser is built once in a while: building it costs many times a
    // parse. A cleared parser still keeps the order of every option it ever
    // took, so it is built anew after this many inputs to bound the memory.
    // Each input starts from a cleared parser and fresh option values.
    constexpr unsigned kParsesPerParser = 65536;
    static ModelOptions model;
    static SeriesOptions series;
    static std::string file;
    static std::string outPath;
    static std::unique_ptr<CLI::App> parser;
    static unsigned parses = 0;
    if (parses++ % kParsesPerParser == 0) {
        parser = std::make_unique<CLI::App>("", "attrava-cli");
        parser->require_subcommand(1);
        parser->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        CLI::App& command = *parser->add_subcommand("run", "every option block");
        addModelOptions(command, model);
        addSeriesOptions(command, series);
        addOutputOption(command, outPath, "FILE", "the output file");
        addInputFile(command, file, "MODEL_FILE", "the model file", false);
    }
    CLI::App& tool = *parser;
    model = {};
    series = {};
    file.clear();
    outPath.clear();
    tool.clear();
    try {
        tool.parse(args);
    } catch (const CLI::CallForHelp&) {
        return 0;
    } catch (const CLI::ParseError& error) {
        const std::vector<CLI::App*> chosen = tool.get_subcommands();
        const std::string reason = describeParseError(chosen.empty() ? tool : *chosen.front(), error);
        FUZZ_CHECK(!reason.empty(), "a refused line without a reason");
        return 0;
    }
    FUZZ_CHECK(model.points >= 0 && model.interval >= 0.0 && std::isfinite(model.interval) &&
                   model.autoAccuracy >= 0.0 && std::isfinite(model.autoAccuracy),
               "a model option out of range");
    for (const auto& [letter, value] : model.parameters)
        FUZZ_CHECK(kParameterLetters.find(letter) != std::string_view::npos && std::isfinite(value),
                   "a bad parameter");
    for (const auto& [letter, value] : model.initialValues)
        FUZZ_CHECK(kVariableLetters.find(letter) != std::string_view::npos && std::isfinite(value),
                   "a bad initial value");
    FUZZ_CHECK((series.dimension == 0 || (series.dimension >= 3 && series.dimension <= 6)) &&
                   series.delay >= 0 && series.limit >= 0,
               "a series option out of range");
    return 0;
}
