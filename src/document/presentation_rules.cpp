#include "document/presentation_rules.h"

#include "document/user_document.h"

namespace {

bool modelView(const ViewSlot& slot) { return slot.environment.dataSource == DataSource::Model; }

bool threeVariableModel(const ViewSlot& slot)
{
    return modelView(slot) && slot.engine.recordInUse.Dimension == 3;
}

} // namespace

CommandUpdate attractorStructureRule(const CUser& document)
{
    return viewRule(document, [](const ViewSlot&) { return true; }, [](const ViewSlot& slot) {
        return slot.environment.presentationMode == PresentationMode::Structure;
    });
}

CommandUpdate velocityDistributionRule(const CUser& document)
{
    return viewRule(document, [](const ViewSlot&) { return true; }, [](const ViewSlot& slot) {
        return slot.environment.presentationMode == PresentationMode::Velocity;
    });
}

CommandUpdate localLyapunovRule(const CUser& document)
{
    return viewRule(document, modelView, [](const ViewSlot& slot) {
        return slot.environment.presentationMode == PresentationMode::LocalLyapunov;
    });
}

CommandUpdate vectorFieldRule(const CUser& document)
{
    return viewRule(document, threeVariableModel,
                    [](const ViewSlot& slot) { return slot.environment.vectorFieldOn == 1; });
}

CommandUpdate translationRotationRule(const CUser& document)
{
    const ViewSlot& active = document.activeSlot();
    return {active.engine.orbitReady == 1,
            active.environment.pointerState == PointerState::TranslationRotation};
}

CommandUpdate initialValueInputRule(const CUser& document)
{
    const ViewSlot& active = document.activeSlot();
    return {active.engine.orbitReady == 1 && threeVariableModel(active),
            active.environment.pointerState == PointerState::InitialValueInput};
}

CommandUpdate localInformationRule(const CUser& document)
{
    const ViewSlot& active = document.activeSlot();
    return {active.environment.vectorFieldOn == 1 && active.engine.recordInUse.Dimension == 3,
            active.environment.probeMode == 1};
}

CommandUpdate axisDisplayRule(const CUser& document)
{
    return viewRule(document, [](const ViewSlot&) { return true; },
                    [](const ViewSlot& slot) { return slot.environment.Axis_Flag_Display == 1; });
}

CommandUpdate positionResetRule(const CUser& document)
{
    return viewRule(document, [](const ViewSlot&) { return true; },
                    [](const ViewSlot&) { return false; });
}
