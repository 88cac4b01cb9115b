// attrava-cli: batch access to the engine. The first argument names the
// command; the rest belongs to it.
#include "cli/commands.h"

int main(int argc, char** argv)
{
    CliTool tool;
    declareOrbitCommand(tool);
    declareLyapunovCommand(tool);
    declareResponseCommand(tool);
    declareReconstructCommand(tool);
    declareRecurrenceCommand(tool);
    return tool.run(argc, argv);
}
