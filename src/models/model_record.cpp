#include "models/model_record.h"

#include "models/settings_source.h"

#include <algorithm>

ModelRecord::ModelRecord(const SettingsSource* settings)
{
    std::fill(std::begin(Parameter_Default), std::end(Parameter_Default), 1.0);
    std::fill(std::begin(Parameter_Min), std::end(Parameter_Min), 0.0);
    std::fill(std::begin(Parameter_Max), std::end(Parameter_Max), 10.0);
    if (settings != nullptr) {
        Basis_Axis_Mode = settings->profileInt("EnvironmentData", "Basis_Axis_Mode", 0);
        Color_Axis_Number = settings->profileInt("EnvironmentData", "Color_Axis_Number", 0);
    }
    reset();
}

void ModelRecord::reset()
{
    Display_Scale = 10.0;
    Dimension = 3;
}
