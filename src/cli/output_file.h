// The argument walk shared by the analysis commands: --help, the command's
// own options (model, series or output options, read by a parser the command
// supplies) and at most one positional argument, the input file; and opening
// the output file or standard output.
#pragma once

#include "cli/model_session.h"

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

struct CommandLine {
    std::string file;  // the positional argument; empty when none was given
    bool help = false;
};

// Reads the command's option at args[i] (and its value, moving i onto it);
// NotModelOption when args[i] is none of the command's options.
using OptionParser =
    std::function<OptionOutcome(const CommandArguments& args, std::size_t& i, std::string& error)>;

// False with error set (prefixed with the command name) on an unknown option,
// a bad value or a second positional argument.
bool parseCommandLine(std::string_view command, const CommandArguments& args,
                      const OptionParser& parseOption, CommandLine& line, std::string& error);

using UsagePrinter = void (*)(std::FILE* out);

// The common start of every command: parses the line, prints the usage for
// --help, and refuses a missing input file with missingFileText (no check when
// it is empty). Returns the exit status when the command is done, or nothing
// when it should go on.
std::optional<int> startCommand(std::string_view command, const CommandArguments& args,
                                const OptionParser& parseOption, UsagePrinter printUsage,
                                std::string_view missingFileText, CommandLine& line);

// Reads an option that stores a string value (such as --out FILE) when args[i]
// is `name`.
OptionOutcome parseTextOption(const CommandArguments& args, std::size_t& i, std::string_view name,
                              std::string& value, std::string& error);

// The option parser of a command that writes to --out FILE: that option
// first, then the command's own options.
OptionParser withOutputOption(std::string& outPath, OptionParser commandOptions);

// Opens path for writing in binary mode, or gives standard output when path
// is empty. Null when the file cannot be opened.
std::FILE* openOutput(const std::string& path);
// Closes what openOutput gave (standard output is only flushed); false when a
// write or the close failed.
bool closeOutput(std::FILE* out);
