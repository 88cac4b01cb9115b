// One model's definition and settings: name, model-file path, equations,
// initial values, parameters with their ranges, sampling and display settings,
// and the time-series settings of the view. A value type: copying copies all.
#pragma once

#include "core/state_vector.h"
#include "core/vector3.h"

#include <string>

class Reporter;
class SettingsSource;

constexpr int kMaxVariables = 6;
constexpr int kMaxParameters = 10;
// The sampling counts a model file may ask for: those the sampling window accepts.
constexpr int kMinSamplingPoints = 1;
constexpr int kMaxSamplingPoints = 1000000;

// Variable letter of index k: x, y, z, w, v, u.
constexpr char variableLetter(int k) { return "xyzwvu"[k]; }
// Parameter letter of index k: a .. j.
constexpr char parameterLetter(int k) { return static_cast<char>('a' + k); }

// Whether an orbit can be sampled with this interval: a positive, finite number.
bool isUsableSamplingInterval(double interval);

class ModelRecord {
public:
    // Every field at its default; Basis_Axis_Mode and Color_Axis_Number come from
    // section "EnvironmentData" of the settings (0 without settings).
    explicit ModelRecord(const SettingsSource* settings = nullptr);

    // Display_Scale 10.0 and Dimension 3; construction calls it last.
    void reset();

    // Model file reading and writing at ModelFileDir. On failure the failure
    // is reported, false is returned and the record (or the file) is
    // unchanged. A file whose sampling interval is not a positive number is
    // refused.
    bool Read(Reporter& reporter);
    bool Write(Reporter& reporter) const;

    std::string ModelName;
    std::string ModelFileDir;
    int Dimension = 3;
    int Parameter = 3;
    std::string Function[kMaxVariables];
    StateVector Setting{0.05, 0.0, 0.0, 0.0, 0.0, 0.0};
    double Parameter_Default[kMaxParameters];
    double Parameter_Min[kMaxParameters];
    double Parameter_Max[kMaxParameters];
    int Sampling_Point = 10000;
    double Sampling_Interval = 0.01;
    int Auto_Sampling_Interval_Flag = 0;
    double Auto_Sampling_Interval_Upsilon = 1e-7;
    int validPointCount = 0;
    double Display_Scale = 10.0;
    Vector3 Display_Position;
    double Phase_Space_Sise = 1.0;
    StateVector Phase_Space_Position;
    int Basis_Axis_Mode = 0;
    int Color_Axis_Number = 0;
    std::string seriesFile;
    int storageForm = 0;
    int dataFormat = 0;
    int timeFormat = 0;
    int seriesCount = 0;
    int seriesLimit = 100000;
    int delay = 3;
};
