#include "cli/output_file.h"

bool parseCommandLine(std::string_view command, const CommandArguments& args,
                      const OptionParser& parseOption, CommandLine& line, std::string& error)
{
    const std::string prefix = std::string(command) + ": ";
    for (std::size_t i = 0; i < args.size(); ++i) {
        const OptionOutcome outcome = parseOption(args, i, error);
        if (outcome == OptionOutcome::Invalid) {
            error = prefix + error;
            return false;
        }
        if (outcome == OptionOutcome::Taken)
            continue;
        if (args[i] == "--help" || args[i] == "-h") {
            line.help = true;
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            error = prefix + "unknown option " + args[i];
            return false;
        } else if (line.file.empty()) {
            line.file = args[i];
        } else {
            error = prefix + "more than one input file given (" + args[i] + ")";
            return false;
        }
    }
    return true;
}

std::optional<int> startCommand(std::string_view command, const CommandArguments& args,
                                const OptionParser& parseOption, UsagePrinter printUsage,
                                std::string_view missingFileText, CommandLine& line)
{
    std::string error;
    if (!parseCommandLine(command, args, parseOption, line, error))
        return fail(error);
    if (line.help) {
        printUsage(stdout);
        return 0;
    }
    if (!missingFileText.empty() && line.file.empty()) {
        printUsage(stderr);
        return fail(std::string(command) + ": " + std::string(missingFileText));
    }
    return std::nullopt;
}

OptionOutcome parseTextOption(const CommandArguments& args, std::size_t& i, std::string_view name,
                              std::string& value, std::string& error)
{
    if (args[i] != name)
        return OptionOutcome::NotModelOption;
    return takeOptionValue(args, i, value, error) ? OptionOutcome::Taken : OptionOutcome::Invalid;
}

OptionParser withOutputOption(std::string& outPath, OptionParser commandOptions)
{
    return [&outPath, commandOptions = std::move(commandOptions)](
               const CommandArguments& args, std::size_t& i, std::string& error) {
        const OptionOutcome outcome = parseTextOption(args, i, "--out", outPath, error);
        return outcome != OptionOutcome::NotModelOption ? outcome
                                                        : commandOptions(args, i, error);
    };
}

std::FILE* openOutput(const std::string& path)
{
    return path.empty() ? stdout : std::fopen(path.c_str(), "wb");
}

bool closeOutput(std::FILE* out)
{
    const bool ok = std::ferror(out) == 0;
    if (out == stdout)
        return std::fflush(out) == 0 && ok;
    return std::fclose(out) == 0 && ok;
}
