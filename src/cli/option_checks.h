// The option building blocks of attrava-cli's commands: numbers and
// assignments checked while the line is parsed, the input file and --out.
// A refused value is reported as "invalid value for --name: "<value>"
// (<what is accepted>)"; the tool adds the front part (see cli_tool.h).
#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The whole text as a finite number, or as a decimal integer within
// [low, high]; nothing otherwise.
std::optional<double> finiteNumber(std::string_view text);
std::optional<long> wholeNumber(std::string_view text, long low, long high);

// An option with one decimal integer value within [low, high].
CLI::Option* addWholeNumber(CLI::App& command, const std::string& name, int& value, long low,
                            long high, const std::string& description);
// An option with one finite value greater than zero.
CLI::Option* addPositiveNumber(CLI::App& command, const std::string& name, double& value,
                               const std::string& description);
// An option "A:B" with integers 0 <= A < B <= high.
CLI::Option* addRange(CLI::App& command, const std::string& name, int& first, int& last, long high,
                      const std::string& description);
// A repeatable option "L=V" with L one of letters and V a finite number; each
// occurrence adds one pair to values, in the order given.
CLI::Option* addAssignments(CLI::App& command, const std::string& name, std::string letters,
                            std::vector<std::pair<char, double>>& values,
                            const std::string& description);

// The command's input file, its one positional argument, shown as name in
// capitals with underscores (MODEL_FILE). A missing required one is reported
// as "no model file given".
CLI::Option* addInputFile(CLI::App& command, std::string& file, const std::string& name,
                          const std::string& description, bool required);
// --out FILE, with the type name shown in the help.
CLI::Option* addOutputOption(CLI::App& command, std::string& path, const std::string& typeName,
                             const std::string& description);

// Whether any option shown under the help heading group was given.
bool anyOptionGiven(const CLI::App& command, const std::string& group);

// Refuses the command line from a check of the command's own, run once the
// line is parsed (such as options that exclude each other); message is the
// whole text the tool reports.
[[noreturn]] void refuseArguments(const std::string& message);
