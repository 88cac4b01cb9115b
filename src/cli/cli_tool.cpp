#include "cli/cli_tool.h"

#include "cli/tool_messages.h"

#include <cctype>
#include <cstdio>

namespace {

// "MODEL_FILE" -> "model file"
std::string spokenName(std::string name)
{
    for (char& c : name)
        c = c == '_' ? ' ' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

const CLI::Option* firstMissingRequired(const CLI::App& command)
{
    const std::vector<const CLI::Option*> missing = command.get_options(
        [](const CLI::Option* option) { return option->get_required() && option->count() == 0; });
    return missing.empty() ? nullptr : missing.front();
}

bool missesItsInputFile(const CLI::App& command, const CLI::ParseError& error)
{
    const CLI::Option* missing = firstMissingRequired(command);
    return dynamic_cast<const CLI::RequiredError*>(&error) != nullptr && missing != nullptr &&
           missing->get_positional();
}

void print(std::FILE* out, const std::string& text)
{
    std::fputs(text.c_str(), out);
}

}  // namespace

std::string describeParseError(const CLI::App& command, const CLI::ParseError& error)
{
    if (dynamic_cast<const CLI::ValidationError*>(&error) != nullptr)
        return std::string("invalid value for ") + error.what();
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
        const std::vector<std::string> extras = command.remaining();
        if (!extras.empty()) {
            const std::string& first = extras.front();
            if (first.size() > 1 && first[0] == '-')
                return "unknown option " + first;
            const bool takesAFile =
                !command.get_options([](const CLI::Option* o) { return o->get_positional(); }).empty();
            return takesAFile ? "more than one input file given (" + first + ")"
                              : "unexpected argument " + first;
        }
    }
    if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
        if (const CLI::Option* missing = firstMissingRequired(command))
            return missing->get_positional()
                       ? "no " + spokenName(missing->get_name()) + " given"
                       : missing->get_name() + " " + missing->get_type_name() + " is required";
    }
    return error.what();
}

CliTool::CliTool() : tool_("", "attrava-cli")
{
    tool_.require_subcommand(1);
    // A repeated option takes its last value; repeatable options say otherwise.
    tool_.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    tool_.get_formatter()->label("SUBCOMMAND", "COMMAND");
    tool_.footer("Run attrava-cli COMMAND --help for the arguments of a command.");
}

int CliTool::run(int argc, const char* const* argv)
{
    if (argc < 2) {
        print(stderr, tool_.help());
        return 2;
    }
    try {
        tool_.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        // The help of the chosen command, or the tool's when none was chosen.
        print(stdout, tool_.help());
        return 0;
    } catch (const CLI::ParseError& error) {
        const std::vector<CLI::App*> chosen = tool_.get_subcommands();
        if (chosen.empty()) {
            const std::vector<std::string> unknown = tool_.remaining();
            fail(unknown.empty() ? describeParseError(tool_, error)
                                 : "unknown command \"" + unknown.front() + "\"");
            print(stderr, tool_.help());
            return 2;
        }
        const CLI::App& command = *chosen.front();
        if (missesItsInputFile(command, error))
            print(stderr, tool_.help());
        return fail(command.get_name() + ": " + describeParseError(command, error));
    }
    for (const Command& command : commands_)
        if (command.parser->parsed())
            return command.run();
    return 2;
}
