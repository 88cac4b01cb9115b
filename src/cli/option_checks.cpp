#include "cli/option_checks.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

std::string inQuotes(const std::string& text)
{
    return "\"" + text + "\"";
}

// A check whose refusal names the value and what is accepted instead.
CLI::Validator acceptsOnly(std::function<bool(const std::string&)> accepted,
                           std::string acceptedText)
{
    return CLI::Validator(
        [accepted = std::move(accepted), acceptedText = std::move(acceptedText)](std::string& text) {
            return accepted(text) ? std::string() : inQuotes(text) + " (" + acceptedText + ")";
        },
        "");
}

}  // namespace

std::optional<double> finiteNumber(std::string_view text)
{
    const std::string copy(text);
    if (copy.empty())
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(copy.c_str(), &end);
    if (*end != '\0' || errno == ERANGE || !std::isfinite(parsed))
        return std::nullopt;
    return parsed;
}

std::optional<long> wholeNumber(std::string_view text, long low, long high)
{
    const std::string copy(text);
    if (copy.empty())
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(copy.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || parsed < low || parsed > high)
        return std::nullopt;
    return parsed;
}

CLI::Option* addWholeNumber(CLI::App& command, const std::string& name, int& value, long low,
                            long high, const std::string& description)
{
    // The value is converted here, not by the parser, which would read a
    // leading zero as octal.
    return command
        .add_option_function<std::string>(
            name,
            [&value, low, high](const std::string& text) {
                value = static_cast<int>(*wholeNumber(text, low, high));
            },
            description)
        ->check(acceptsOnly(
            [low, high](const std::string& text) { return wholeNumber(text, low, high).has_value(); },
            std::to_string(low) + " to " + std::to_string(high)));
}

CLI::Option* addPositiveNumber(CLI::App& command, const std::string& name, double& value,
                               const std::string& description)
{
    // Converted with strtod like every other number the program reads, so
    // the option and a model file give the same double for the same text.
    return command
        .add_option_function<std::string>(
            name, [&value](const std::string& text) { value = *finiteNumber(text); }, description)
        ->check(acceptsOnly(
            [](const std::string& text) {
                const std::optional<double> number = finiteNumber(text);
                return number && *number > 0.0;
            },
            "a number greater than 0"));
}

CLI::Option* addRange(CLI::App& command, const std::string& name, int& first, int& last, long high,
                      const std::string& description)
{
    const auto parts = [high](const std::string& text) -> std::optional<std::pair<long, long>> {
        const std::size_t colon = text.find(':');
        if (colon == std::string::npos)
            return std::nullopt;
        const auto a = wholeNumber(std::string_view(text).substr(0, colon), 0, high);
        const auto b = wholeNumber(std::string_view(text).substr(colon + 1), 0, high);
        if (!a || !b || *a >= *b)
            return std::nullopt;
        return std::pair{*a, *b};
    };
    return command
        .add_option_function<std::string>(
            name,
            [&first, &last, parts](const std::string& text) {
                const auto range = *parts(text);
                first = static_cast<int>(range.first);
                last = static_cast<int>(range.second);
            },
            description)
        ->check(acceptsOnly([parts](const std::string& text) { return parts(text).has_value(); },
                            "A:B with 0 <= A < B <= " + std::to_string(high)));
}

CLI::Option* addAssignments(CLI::App& command, const std::string& name, std::string letters,
                            std::vector<std::pair<char, double>>& values,
                            const std::string& description)
{
    const auto isAssignment = [letters](const std::string& text) {
        return text.size() >= 3 && text[1] == '=' && letters.find(text[0]) != std::string::npos &&
               finiteNumber(std::string_view(text).substr(2)).has_value();
    };
    return command
        .add_option_function<std::vector<std::string>>(
            name,
            [&values](const std::vector<std::string>& items) {
                for (const std::string& item : items)
                    values.emplace_back(item[0], *finiteNumber(std::string_view(item).substr(2)));
            },
            description)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->check(acceptsOnly(isAssignment, "a letter of " + letters + ", '=' and a number"));
}

CLI::Option* addInputFile(CLI::App& command, std::string& file, const std::string& name,
                          const std::string& description, bool required)
{
    return command.add_option(name, file, description)->type_name("")->required(required);
}

CLI::Option* addOutputOption(CLI::App& command, std::string& path, const std::string& typeName,
                             const std::string& description)
{
    return command.add_option("--out", path, description)->type_name(typeName);
}

bool anyOptionGiven(const CLI::App& command, const std::string& group)
{
    return !command
                .get_options([&group](const CLI::Option* option) {
                    return option->get_group() == group && option->count() > 0;
                })
                .empty();
}

void refuseArguments(const std::string& message)
{
    throw CLI::ParseError(message, 1);
}
