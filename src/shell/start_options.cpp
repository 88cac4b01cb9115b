#include "shell/start_options.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

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

QString text(const char* source)
{
    return QCoreApplication::translate("StartOptions", source);
}

// The program's options in the toolkit's parser, written with one dash or
// two. The platform's embedding and automation options are taken out before
// it: they are spelt in any case and may start with '/', which the parser
// does not read.
struct StartOptionParser {
    QCommandLineParser parser;
    const QCommandLineOption help{QStringList{"h", "help"}, text("show this summary")};
    const QCommandLineOption model{
        "model",
        text("models of the current model list shown at start, one per view "
             "(the last one also in every further view)"),
        "NAME[,NAME...]"};
    const QCommandLineOption viewCount{"view-count", text("number of views shown at start"),
                                       "1|2|4|9"};
    const QCommandLineOption presentation{
        "presentation",
        text("1 attractor structure, 3 velocity distribution, "
             "5 local Lyapunov exponent distribution, one per view"),
        "1|3|5[,...]"};
    const QCommandLineOption colourAxis{
        "colour-axis",
        text("four-variable models: this component as colour, "
             "the other three on Cartesian axes"),
        "0..3"};
    const QCommandLineOption language{"lang", text("language of the texts for this run"), "ja|en"};
    bool parsed = false;

    StartOptionParser()
    {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({help, model, viewCount, presentation, colourAxis, language});
    }

    // Parses arguments (without the program name), switching the splash off
    // for a platform start option; gives what the parser was handed.
    QStringList parse(const std::vector<std::string>& arguments, bool& splashEnabled)
    {
        QStringList given;
        for (const std::string& argument : arguments) {
            if (isPlatformStartOption(argument))
                splashEnabled = false;
            else
                given.push_back(QString::fromStdString(argument));
        }
        parsed = parser.parse(QStringList{"attrava"} + given);
        return given;
    }

    // Why the parser refused given: the first unknown option as it was
    // written, a last option left without its value, or the parser's words.
    QString refusal(const QStringList& given) const
    {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return text("unknown argument: %1").arg(spellingOf(unknown.first(), given));
        for (const QCommandLineOption* option :
             {&model, &viewCount, &presentation, &colourAxis, &language})
            if (!given.isEmpty() && option->names().contains(optionName(given.last())))
                return text("%1 needs a value").arg(given.last());
        return parser.errorText();
    }

private:
    // "--name=value" and "-name" -> "name"
    static QString optionName(const QString& argument)
    {
        QString name = argument.section('=', 0, 0);
        while (name.startsWith('-'))
            name.remove(0, 1);
        return name;
    }

    static QString spellingOf(const QString& name, const QStringList& given)
    {
        for (const QString& argument : given)
            if (argument.startsWith('-') && optionName(argument) == name)
                return argument;
        return "--" + name;
    }
};

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
    StartOptionParser start;
    const QStringList given = start.parse(arguments, options.splashEnabled);
    if (!start.parsed) {
        result.error = start.refusal(given).toStdString();
        return result;
    }
    const QStringList extra = start.parser.positionalArguments();
    if (!extra.isEmpty()) {
        result.error = text("unknown argument: %1").arg(extra.first()).toStdString();
        return result;
    }

    const QString model = start.parser.value(start.model);
    if (start.parser.isSet(start.model)) {
        options.models = splitList(model.toStdString());
        if (std::any_of(options.models.begin(), options.models.end(),
                        [](const std::string& name) { return name.empty(); })) {
            result.error = text("--model: empty model name in \"%1\"").arg(model).toStdString();
            return result;
        }
    }
    if (start.parser.isSet(start.viewCount)) {
        const QString value = start.parser.value(start.viewCount);
        const std::optional<int> count = wholeNumber(value.toStdString());
        if (!count || (*count != 1 && *count != 2 && *count != 4 && *count != 9)) {
            result.error = text("--view-count: 1, 2, 4 or 9, not \"%1\"").arg(value).toStdString();
            return result;
        }
        options.viewCount = *count;
    }
    if (start.parser.isSet(start.presentation)) {
        for (const std::string& item : splitList(start.parser.value(start.presentation).toStdString())) {
            const std::optional<int> mode = wholeNumber(item);
            if (!mode || (*mode != 1 && *mode != 3 && *mode != 5)) {
                result.error = text("--presentation: 1, 3 or 5, not \"%1\"")
                                   .arg(QString::fromStdString(item))
                                   .toStdString();
                return result;
            }
            options.presentationModes.push_back(*mode);
        }
    }
    if (start.parser.isSet(start.colourAxis)) {
        const QString value = start.parser.value(start.colourAxis);
        const std::optional<int> axis = wholeNumber(value.toStdString());
        if (!axis || *axis < 0 || *axis > 3) {
            result.error = text("--colour-axis: 0 to 3, not \"%1\"").arg(value).toStdString();
            return result;
        }
        options.colourAxis = *axis;
    }
    if (start.parser.isSet(start.language)) {
        const QString value = start.parser.value(start.language);
        options.language = languageFromCode(value.toStdString());
        if (!options.language) {
            result.error = text("--lang: ja or en, not \"%1\"").arg(value).toStdString();
            return result;
        }
    }
    return result;
}

bool asksForHelp(const std::vector<std::string>& arguments)
{
    StartOptionParser start;
    bool splashEnabled = true;
    start.parse(arguments, splashEnabled);
    return start.parser.isSet(start.help);
}

std::string startOptionsUsage()
{
    return StartOptionParser().parser.helpText().toStdString();
}
