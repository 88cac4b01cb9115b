#include "cli/tool_messages.h"

#include <cstdio>

void StderrReporter::showMessage(std::string_view text)
{
    std::fprintf(stderr, "attrava-cli: %.*s\n", static_cast<int>(text.size()), text.data());
}

int fail(std::string_view message)
{
    StderrReporter().showMessage(message);
    return 1;
}
