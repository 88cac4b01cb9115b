// attrava-cli: batch access to the engine. The first argument names the
// command; the rest belongs to it.
#include "cli/commands.h"

int main(int argc, char** argv)
{
    // The tool speaks English: the compiler it starts is to report in the
    // plain C locale too, not in the user's language.
    ::setenv("LC_ALL", "C", 1);
    CliTool tool;
    declareOrbitCommand(tool);
    declareLyapunovCommand(tool);
    declareResponseCommand(tool);
    declareReconstructCommand(tool);
    declareRecurrenceCommand(tool);
    declareEmbedCommand(tool);
    declareLyapunovSeriesCommand(tool);
    declareScanCommand(tool);
    return tool.run(argc, argv);
}
