// The commands of attrava-cli. Each declares its subcommand on the tool: the
// options it takes and the function that runs with them.
#pragma once

#include "cli/cli_tool.h"

void declareOrbitCommand(CliTool& tool);
void declareLyapunovCommand(CliTool& tool);
void declareResponseCommand(CliTool& tool);
void declareReconstructCommand(CliTool& tool);
void declareRecurrenceCommand(CliTool& tool);
void declareEmbedCommand(CliTool& tool);
void declareLyapunovSeriesCommand(CliTool& tool);
void declareScanCommand(CliTool& tool);
