// attrava-cli: batch access to the engine. The first argument names the
// command; the rest belongs to it.
#include "cli/commands.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

struct Command {
    std::string_view name;
    int (*run)(const CommandArguments& args);
    std::string_view summary;
};

constexpr Command kCommands[] = {
    {"orbit", runOrbitCommand, "integrate a model file and print the orbit points"},
    {"lyapunov", runLyapunovCommand, "print the Lyapunov spectrum and dimension of a model"},
    {"response", runResponseCommand, "write the temporal responses of spectrum and dimension (CSV)"},
    {"reconstruct", runReconstructCommand, "write the delay reconstruction of a time-series file"},
    {"recurrence", runRecurrenceCommand, "write the recurrence plot of a model or series (PPM)"},
};

void printUsage(std::FILE* out)
{
    std::fprintf(out, "usage: attrava-cli COMMAND [ARGUMENTS...]\n"
                      "       attrava-cli COMMAND --help\n\ncommands:\n");
    for (const Command& command : kCommands)
        std::fprintf(out, "  %-12.*s %.*s\n", static_cast<int>(command.name.size()),
                     command.name.data(), static_cast<int>(command.summary.size()),
                     command.summary.data());
}

}  // namespace

int main(int argc, char** argv)
{
    // The tool speaks English: the compiler it starts is to report in the
    // plain C locale too, not in the user's language.
    ::setenv("LC_ALL", "C", 1);
    if (argc < 2) {
        printUsage(stderr);
        return 2;
    }
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h") {
        printUsage(stdout);
        return 0;
    }
    for (const Command& command : kCommands)
        if (command.name == name)
            return command.run(CommandArguments(argv + 2, argv + argc));
    std::fprintf(stderr, "attrava-cli: unknown command \"%s\"\n", argv[1]);
    printUsage(stderr);
    return 2;
}
