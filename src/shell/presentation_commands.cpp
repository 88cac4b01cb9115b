#include "shell/presentation_commands.h"

#include "document/presentation_rules.h"
#include "document/user_document.h"
#include "shell/command_ids.h"
#include "shell/command_router.h"

namespace {

struct PresentationCommand {
    int id;
    void (CUser::*run)();
    CommandUpdate (*rule)(const CUser&);
};

constexpr PresentationCommand kCommands[] = {
    {CommandId::AttractorStructure, &CUser::showAttractorStructure, &attractorStructureRule},
    {CommandId::VelocityDistribution, &CUser::showVelocityDistribution, &velocityDistributionRule},
    {CommandId::LocalLyapunov, &CUser::showLocalLyapunov, &localLyapunovRule},
    {CommandId::VectorField, &CUser::toggleVectorField, &vectorFieldRule},
    {CommandId::TranslateRotate, &CUser::toggleTranslationRotation, &translationRotationRule},
    {CommandId::AssignInitialValue, &CUser::toggleInitialValueInput, &initialValueInputRule},
    {CommandId::LocalInformation, &CUser::toggleLocalInformation, &localInformationRule},
    {CommandId::AxisDisplay, &CUser::toggleAxes, &axisDisplayRule},
    {CommandId::PositionReset, &CUser::resetDisplayPosition, &positionResetRule},
};

}  // namespace

void registerPresentationCommands(CommandRouter& router, CUser& document)
{
    for (const PresentationCommand& command : kCommands) {
        router.setHandler(command.id, [&document, run = command.run] { (document.*run)(); });
        router.setUpdateRule(command.id, [&document, rule = command.rule] {
            const CommandUpdate update = rule(document);
            return CommandState{update.enabled, update.checked};
        });
    }
}
