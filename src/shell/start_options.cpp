#include "shell/start_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstddef>

namespace {

std::vector<std::string> splitList(const std::string& text)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = text.find(',', start);
        const std::size_t end = comma == std::string::npos ? text.size() : comma;
        items.push_back(text.substr(start, end - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return items;
}

std::optional<int> wholeNumber(const std::string& text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || text.empty())
        return std::nullopt;
    return value;
}

bool isPlatformStartOption(const std::string& argument)
{
    if (argument.size() < 2 || (argument[0] != '-' && argument[0] != '/'))
        return false;
    std::string name = argument.substr(1);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name == "embedding" || name == "automation";
}

template <typename T>
const T& entryOfView(const std::vector<T>& entries, int view)
{
    const std::size_t index = std::min(static_cast<std::size_t>(std::max(view, 0)), entries.size() - 1);
    return entries[index];
}

}  // namespace

std::string StartOptions::modelOfView(int view) const
{
    return models.empty() ? std::string() : entryOfView(models, view);
}

int StartOptions::presentationModeOfView(int view) const
{
    return presentationModes.empty() ? 1 : entryOfView(presentationModes, view);
}

StartOptionsResult parseStartOptions(const std::vector<std::string>& arguments)
{
    StartOptionsResult result;
    StartOptions& options = result.options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (isPlatformStartOption(argument)) {
            options.splashEnabled = false;
            continue;
        }
        const bool takesValue = argument == "--model" || argument == "--view-count" ||
                                argument == "--presentation" || argument == "--colour-axis";
        if (!takesValue) {
            result.error = "unknown argument: " + argument;
            return result;
        }
        if (i + 1 >= arguments.size()) {
            result.error = argument + " needs a value";
            return result;
        }
        const std::string& value = arguments[++i];
        if (argument == "--model") {
            options.models = splitList(value);
            if (std::any_of(options.models.begin(), options.models.end(),
                            [](const std::string& name) { return name.empty(); })) {
                result.error = "--model: empty model name in \"" + value + "\"";
                return result;
            }
        } else if (argument == "--view-count") {
            const std::optional<int> count = wholeNumber(value);
            if (!count || (*count != 1 && *count != 2 && *count != 4 && *count != 9)) {
                result.error = "--view-count: 1, 2, 4 or 9, not \"" + value + "\"";
                return result;
            }
            options.viewCount = *count;
        } else if (argument == "--presentation") {
            options.presentationModes.clear();
            for (const std::string& item : splitList(value)) {
                const std::optional<int> mode = wholeNumber(item);
                if (!mode || (*mode != 1 && *mode != 3 && *mode != 5)) {
                    result.error = "--presentation: 1, 3 or 5, not \"" + item + "\"";
                    return result;
                }
                options.presentationModes.push_back(*mode);
            }
        } else {
            const std::optional<int> axis = wholeNumber(value);
            if (!axis || *axis < 0 || *axis > 3) {
                result.error = "--colour-axis: 0 to 3, not \"" + value + "\"";
                return result;
            }
            options.colourAxis = *axis;
        }
    }
    return result;
}

bool asksForHelp(const std::vector<std::string>& arguments)
{
    return std::any_of(arguments.begin(), arguments.end(),
                       [](const std::string& argument) { return argument == "--help" || argument == "-h"; });
}

std::string startOptionsUsage()
{
    return "usage: attrava [--model NAME[,NAME...]] [--view-count 1|2|4|9]\n"
           "               [--presentation 1|3|5[,...]] [--colour-axis 0..3]\n"
           "  --model         models of the current model list shown at start, one per view\n"
           "                  (the last one also in every further view)\n"
           "  --view-count    number of views shown at start\n"
           "  --presentation  1 attractor structure, 3 velocity distribution,\n"
           "                  5 local Lyapunov exponent distribution, one per view\n"
           "  --colour-axis   four-variable models: this component as colour,\n"
           "                  the other three on Cartesian axes\n";
}
