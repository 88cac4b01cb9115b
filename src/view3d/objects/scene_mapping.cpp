#include "view3d/objects/scene_mapping.h"

#include "models/model_record.h"
#include "settings/environment_settings.h"

double sceneScale(const ModelRecord& record, const EnvironmentSettings& environment)
{
    return record.Display_Scale * environment.scale * kSceneUnit;
}
