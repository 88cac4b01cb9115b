// The command line of attrava-cli: one parser for the tool with one
// subcommand per command. A command declares its subcommand beside its own
// code: the options, bound to a struct of the command's own, and the function
// that runs with that struct once the whole line has been parsed and checked.
//
//     auto [command, options] = tool.addCommand("orbit", "integrate ...", runOrbit);
//     addInputFile(command, options.modelFile, "MODEL_FILE", "...", true);
//     addModelOptions(command, options.model);
//
// Exit statuses: 0 after a help text, 2 when no known command was named, 1
// when the command's arguments are wrong; otherwise what the command returns.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <memory>
#include <string>
#include <vector>

template <typename Options>
struct CommandDeclaration {
    CLI::App& command;
    Options& options;
};

class CliTool {
public:
    CliTool();

    // Adds the subcommand `name`; run gets its options when it was chosen.
    template <typename Options>
    CommandDeclaration<Options> addCommand(const std::string& name, const std::string& summary,
                                           int (*run)(const Options&))
    {
        auto options = std::make_shared<Options>();
        CLI::App& command = *tool_.add_subcommand(name, summary)->group("Commands");
        commands_.push_back({&command, [options, run] { return run(*options); }});
        return {command, *options};
    }

    // Parses the line, runs the chosen command and gives the exit status.
    int run(int argc, const char* const* argv);

private:
    struct Command {
        CLI::App* parser;
        std::function<int()> run;
    };

    CLI::App tool_;
    std::vector<Command> commands_;
};

// The English text for a line the parser refused, for the command whose
// parser raised it (the tool's own parser when no command was chosen yet):
// "invalid value for --points: ..." for a refused value, "unknown option
// --fast", "more than one input file given (F)", "no model file given" for a
// missing MODEL_FILE, "--out FILE.ppm is required" for a missing required
// option, or the parser's own text.
std::string describeParseError(const CLI::App& command, const CLI::ParseError& error);
