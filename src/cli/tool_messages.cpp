#include "cli/tool_messages.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

bool takeOptionValue(const CommandArguments& args, std::size_t& i, std::string& value,
                     std::string& error)
{
    if (i + 1 >= args.size()) {
        error = "option " + args[i] + " needs a value";
        return false;
    }
    value = args[++i];
    return true;
}

bool parseFiniteDouble(std::string_view text, double& value)
{
    const std::string copy(text);
    if (copy.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(copy.c_str(), &end);
    if (*end != '\0' || errno == ERANGE || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool parseIntInRange(std::string_view text, long low, long high, int& value)
{
    const std::string copy(text);
    if (copy.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(copy.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || parsed < low || parsed > high)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

void StderrReporter::showMessage(std::string_view text)
{
    std::fprintf(stderr, "attrava-cli: %.*s\n", static_cast<int>(text.size()), text.data());
}

int fail(std::string_view message)
{
    StderrReporter().showMessage(message);
    return 1;
}
