// The commands of attrava-cli. Each takes the arguments after its name and
// returns the process exit status (0 on success).
#pragma once

#include "cli/tool_messages.h"

int runOrbitCommand(const CommandArguments& args);
int runLyapunovCommand(const CommandArguments& args);
int runResponseCommand(const CommandArguments& args);
int runReconstructCommand(const CommandArguments& args);
int runRecurrenceCommand(const CommandArguments& args);
