#include "models/model_record.h"
#include "models/settings_source.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

class FakeSettings : public SettingsSource {
public:
    int profileInt(std::string_view section, std::string_view key, int defaultValue) const override
    {
        const auto found = values.find(std::string(section) + "/" + std::string(key));
        return found == values.end() ? defaultValue : found->second;
    }
    std::map<std::string, int> values;
};

TEST(ModelRecord, FreshRecordHoldsTheDefaults)
{
    const ModelRecord record;
    EXPECT_TRUE(record.ModelName.empty());
    EXPECT_TRUE(record.ModelFileDir.empty());
    EXPECT_EQ(record.Dimension, 3);
    EXPECT_EQ(record.Parameter, 3);
    for (const std::string& equation : record.Function)
        EXPECT_TRUE(equation.empty());
    EXPECT_EQ(record.Setting, StateVector(0.05, 0, 0, 0, 0, 0));
    for (int k = 0; k < kMaxParameters; ++k) {
        EXPECT_EQ(record.Parameter_Default[k], 1.0) << "parameter " << k;
        EXPECT_EQ(record.Parameter_Min[k], 0.0) << "parameter " << k;
        EXPECT_EQ(record.Parameter_Max[k], 10.0) << "parameter " << k;
    }
    EXPECT_EQ(record.Sampling_Point, 10000);
    EXPECT_EQ(record.Sampling_Interval, 0.01);
    EXPECT_EQ(record.Auto_Sampling_Interval_Flag, 0);
    EXPECT_EQ(record.Auto_Sampling_Interval_Upsilon, 1e-7);
    EXPECT_EQ(record.validPointCount, 0);
    EXPECT_EQ(record.Display_Scale, 10.0);
    EXPECT_EQ(record.Display_Position, Vector3(0, 0, 0));
    EXPECT_EQ(record.Phase_Space_Sise, 1.0);
    EXPECT_EQ(record.Phase_Space_Position, StateVector());
    EXPECT_EQ(record.Basis_Axis_Mode, 0);
    EXPECT_EQ(record.Color_Axis_Number, 0);
    EXPECT_TRUE(record.seriesFile.empty());
    EXPECT_EQ(record.storageForm, 0);
    EXPECT_EQ(record.dataFormat, 0);
    EXPECT_EQ(record.timeFormat, 0);
    EXPECT_EQ(record.seriesCount, 0);
    EXPECT_EQ(record.seriesLimit, 100000);
    EXPECT_EQ(record.delay, 3);
}

TEST(ModelRecord, AxisArrangementComesFromEnvironmentSettings)
{
    FakeSettings settings;
    settings.values["EnvironmentData/Basis_Axis_Mode"] = 2;
    settings.values["EnvironmentData/Color_Axis_Number"] = 3;
    const ModelRecord record(&settings);
    EXPECT_EQ(record.Basis_Axis_Mode, 2);
    EXPECT_EQ(record.Color_Axis_Number, 3);

    const FakeSettings empty;
    const ModelRecord withDefaults(&empty);
    EXPECT_EQ(withDefaults.Basis_Axis_Mode, 0);
    EXPECT_EQ(withDefaults.Color_Axis_Number, 0);
}

TEST(ModelRecord, ResetRestoresOnlyScaleAndDimension)
{
    ModelRecord record;
    record.Display_Scale = 3.5;
    record.Dimension = 5;
    record.Parameter = 7;
    record.Sampling_Point = 42;
    record.reset();
    EXPECT_EQ(record.Display_Scale, 10.0);
    EXPECT_EQ(record.Dimension, 3);
    EXPECT_EQ(record.Parameter, 7);
    EXPECT_EQ(record.Sampling_Point, 42);
}

TEST(ModelRecord, CopyCopiesEveryFieldAndOwnsItsTexts)
{
    ModelRecord original;
    original.ModelName = "Lorenz";
    original.Function[1] = "-x*z+b*x-y";
    original.validPointCount = 1234;
    original.seriesFile = "/data/series.txt";
    original.delay = 7;
    original.Parameter_Default[9] = 4.5;

    ModelRecord copy;
    copy = original;
    EXPECT_EQ(copy.ModelName, "Lorenz");
    EXPECT_EQ(copy.Function[1], "-x*z+b*x-y");
    EXPECT_EQ(copy.validPointCount, 1234);
    EXPECT_EQ(copy.seriesFile, "/data/series.txt");
    EXPECT_EQ(copy.delay, 7);
    EXPECT_EQ(copy.Parameter_Default[9], 4.5);

    copy.ModelName += "Changed";
    copy.Function[1] += "+y";
    copy.Parameter_Default[9] = 0.0;
    EXPECT_EQ(original.ModelName, "Lorenz");
    EXPECT_EQ(original.Function[1], "-x*z+b*x-y");
    EXPECT_EQ(original.Parameter_Default[9], 4.5);
}

}  // namespace
