#include "settings/environment_settings.h"
#include "settings/profile_file.h"
#include "settings/program_settings.h"
#include "settings/value_check.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

TEST(ValueCheck, NumbersMustBeWholeFiniteAndInRange)
{
    const AcceptedRange flag{0, 1, true};
    const AcceptedRange unit{0.0, 1.0, false};
    EXPECT_TRUE(usableValue("1", flag));
    EXPECT_TRUE(usableValue("-0", flag));
    EXPECT_TRUE(usableValue("0.25", unit));
    EXPECT_TRUE(usableValue("1.000000", unit));
    for (const char* bad : {"", "2", "-1", "1x", "0.5", "nan", "99999999999999999999999", " 1"})
        EXPECT_FALSE(usableValue(bad, flag)) << '"' << bad << '"';
    for (const char* bad : {"", "nan", "inf", "-inf", "1e999", "1.5", "-0.1", "0,5", "abc"})
        EXPECT_FALSE(usableValue(bad, unit)) << '"' << bad << '"';
}

// A damaged settings file: garbage lines, bad values beside good ones. Every
// bad value is ignored and named; the readers give the defaults for them and
// the stored values for the rest; setting a key takes it back into use.
TEST(ValueCheck, DamagedSettingsFallBackToTheDefaultsKeyByKey)
{
    TempFolder folder;
    writeBytes(folder.ini(), std::string("\xff\xfe\x00garbage\x01\n", 12) +
                                 "[EnvironmentData]\n"
                                 "Wall_Type_Num=7\n"
                                 "Wall_Latice_Num=12\n"
                                 "Vector_LaticeSize=\x80\x81\n"
                                 "Orbit_Color_R=nan\n"
                                 "Orbit_Color_G=0.5\n"
                                 "Axis_Type0_Length=1e308\n"
                                 "[ProgramData]\n"
                                 "displaymode=1000\n"
                                 "devicemode=2\n"
                                 "displaycrystaloffset=inf\n"
                                 "model_list_path=./model/Other.c\n");
    ProfileFile store(folder.ini());
    const std::vector<std::string> ignored = ignoreUnusableSettings(store);
    EXPECT_EQ(ignored, (std::vector<std::string>{
                           "EnvironmentData/Vector_LaticeSize", "EnvironmentData/Orbit_Color_R",
                           "EnvironmentData/Wall_Type_Num", "EnvironmentData/Axis_Type0_Length",
                           "ProgramData/displaymode", "ProgramData/displaycrystaloffset"}));

    const EnvironmentSettings defaults;
    const EnvironmentSettings environment(store);
    EXPECT_EQ(environment.Wall_Type_Num, defaults.Wall_Type_Num);
    EXPECT_EQ(environment.Wall_Latice_Num, 12);
    EXPECT_EQ(environment.Vector_LaticeSize, defaults.Vector_LaticeSize);
    EXPECT_EQ(environment.Orbit_Color[0], defaults.Orbit_Color[0]);
    EXPECT_EQ(environment.Orbit_Color[1], 0.5f);
    EXPECT_EQ(environment.Axis_Type0_Length, defaults.Axis_Type0_Length);
    ProgramSettings program;
    program.read(store);
    EXPECT_EQ(program.displayMode, ProgramSettings().displayMode);
    EXPECT_EQ(program.deviceMode, InputDevice::Spidar);
    EXPECT_EQ(program.eyeOffset, ProgramSettings().eyeOffset);
    EXPECT_EQ(program.modelListPath, "./model/Other.c");

    ASSERT_TRUE(store.setProfileInt("EnvironmentData", "Wall_Type_Num", 2));
    EXPECT_EQ(EnvironmentSettings(store).Wall_Type_Num, 2);
    EXPECT_TRUE(ignoreUnusableSettings(store).empty()) << "ignored keys read as absent";
}
