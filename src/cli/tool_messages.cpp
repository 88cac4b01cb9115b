#include "cli/tool_messages.h"

#include "cli/failure_text.h"

#include <cstdio>

void StderrReporter::report(const Failure& failure)
{
    showMessage(englishText(failure));
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
