#include "settings/environment_settings.h"

#include "settings/basis_axis_keys.h"
#include "settings/profile_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// Every stored key of the section in file order, with the text a first save
// writes for it.
const std::pair<const char*, const char*> kDefaults[] = {
    {"Vector_Flag_Display_Attractor", "1"}, {"Vector_Flag_Display_Vector", "1"},
    {"Vector_LaticeSize", "4"}, {"Vector_Space_Num", "10"},
    {"BackGround_Color_R", "0.000000"}, {"BackGround_Color_G", "0.000000"},
    {"BackGround_Color_B", "0.000000"},
    {"Wall_Color_R", "0.300000"}, {"Wall_Color_G", "0.300000"}, {"Wall_Color_B", "0.300000"},
    {"Orbit_Color_R", "0.600000"}, {"Orbit_Color_G", "1.000000"}, {"Orbit_Color_B", "1.000000"},
    {"Wall_Latice_Num", "20"}, {"Wall_Type_Num", "1"}, {"Orbit_Type_Num", "1"},
    {"Axis_Flag_Display", "0"}, {"Axis_Num_Type", "0"}, {"Axis_Type0_Flag_Color", "0"},
    {"Axis_Type0_AxisColor_R", "1.000000"}, {"Axis_Type0_AxisColor_G", "1.000000"},
    {"Axis_Type0_AxisColor_B", "1.000000"},
    {"Axis_Type0_Flag_Length", "0"}, {"Axis_Type0_Length", "10.000000"},
    {"Axis_Type1_Flag_Text", "0"},
    {"Axis_Type1_TextColor_R", "1.000000"}, {"Axis_Type1_TextColor_G", "1.000000"},
    {"Axis_Type1_TextColor_B", "1.000000"},
    {"Axis_Scale_Numbers", "6"}, {"Axis_Type1_Flag_Name", "0"},
    {"Axis_Type1_NameColor_R", "1.000000"}, {"Axis_Type1_NameColor_G", "1.000000"},
    {"Axis_Type1_NameColor_B", "1.000000"},
    {"Axis_Type1_Flag_Box", "1"},
    {"Axis_Type1_BoxColor_R", "1.000000"}, {"Axis_Type1_BoxColor_G", "1.000000"},
    {"Axis_Type1_BoxColor_B", "1.000000"},
    {"Axis_Type1_Flag_Back", "0"},
    {"Axis_Type1_BackColor_R", "0.500000"}, {"Axis_Type1_BackColor_G", "0.500000"},
    {"Axis_Type1_BackColor_B", "0.500000"}, {"Axis_Type1_BackColor_A", "0.300000"},
    {"Axis_Type1_Flag_xyLatice", "0"},
    {"Axis_Type1_xyLaticeColor_R", "1.000000"}, {"Axis_Type1_xyLaticeColor_G", "1.000000"},
    {"Axis_Type1_xyLaticeColor_B", "1.000000"},
    {"Axis_MultiDimension_Mode", "0"}, {"Axis_MultiDimension_Color", "0"},
};

// The section as a save writes it, one value per key of kDefaults.
template <class ValueOf> std::string sectionText(ValueOf valueOf)
{
    std::string text = "[EnvironmentData]\n";
    for (std::size_t i = 0; i < std::size(kDefaults); ++i)
        text += std::string(kDefaults[i].first) + "=" + valueOf(i) + "\n";
    return text;
}

// A value unlike the default for every key: integers 100 + i, decimals (i+1)/64
// (six decimals at most and exact in a float, so they survive the narrowing).
std::string changedValue(std::size_t i)
{
    if (std::string(kDefaults[i].second).find('.') == std::string::npos)
        return std::to_string(100 + i);
    char text[32];
    std::snprintf(text, sizeof text, "%lf", (i + 1) / 64.0);
    return text;
}

} // namespace

TEST(EnvironmentSettings, AFreshFileGivesEveryDefaultAndAFirstSaveWritesThemInOrder)
{
    TempFolder folder;
    ProfileFile store(folder.ini());
    const EnvironmentSettings env(store);
    EXPECT_EQ(env.BackGround_Color[0] + env.BackGround_Color[1] + env.BackGround_Color[2], 0.0f);
    EXPECT_EQ(env.Wall_Color[1], 0.3f);
    EXPECT_EQ(env.Orbit_Color[0], 0.6f);
    EXPECT_EQ(env.Wall_Type_Num, 1);
    EXPECT_EQ(env.Wall_Latice_Num, 20);
    EXPECT_EQ(env.Orbit_Type_Num, 1);
    EXPECT_EQ(env.Axis_Flag_Display, 0);
    EXPECT_EQ(env.Axis_Type1_BackColor[3], 0.3f);
    EXPECT_EQ(env.Wall_Color[3], 1.0f);
    EXPECT_EQ(env.axisTickLength, 0.05);
    EXPECT_EQ(env.axisLabelOffset, 0.2);

    ASSERT_TRUE(env.save(store));
    EXPECT_EQ(readBytes(folder.ini()), sectionText([](std::size_t i) { return kDefaults[i].second; }));
}

TEST(EnvironmentSettings, EveryKeyRoundTripsThroughSaveAndLoad)
{
    TempFolder folder;
    const std::string changed = sectionText(changedValue);
    for (std::size_t i = 0; i < std::size(kDefaults); ++i)
        ASSERT_NE(changedValue(i), kDefaults[i].second) << kDefaults[i].first;
    writeBytes(folder.ini(), changed);

    const EnvironmentSettings loaded{ProfileFile(folder.ini())};
    EXPECT_EQ(loaded.Vector_Flag_Display_Attractor, 100);
    EXPECT_EQ(loaded.Vector_Space_Num, 103);
    EXPECT_EQ(loaded.Wall_Color[0], 8 / 64.0f);
    EXPECT_EQ(loaded.Axis_Type0_Length, 24 / 64.0);
    EXPECT_EQ(loaded.Axis_Type1_BackColor[3], 42 / 64.0f);
    EXPECT_EQ(loaded.Axis_Type1_BackColor[0], 39 / 64.0f);
    EXPECT_EQ(loaded.Axis_MultiDimension_Color, 147);

    std::filesystem::remove(folder.ini());
    ProfileFile fresh(folder.ini());
    ASSERT_TRUE(loaded.save(fresh));
    EXPECT_EQ(readBytes(folder.ini()), changed);
}

TEST(EnvironmentSettings, UnreadableNumbersBecomeZeroOrTheIntegerDefault)
{
    TempFolder folder;
    using namespace std::string_literals;
    writeBytes(folder.ini(), "[environmentdata]\r\nWALL_COLOR_R=grey\r\nwall_type_num=2x\r\n"
                             "\0\xff[=\r\nOrbit_Color_B=0.5\0junk\r\n"
                             "Wall_Latice_Num=many\r\nAxis_Type0_Length=\r\n"s);
    const EnvironmentSettings env{ProfileFile(folder.ini())};
    EXPECT_EQ(env.Wall_Color[0], 0.0f);
    EXPECT_EQ(env.Wall_Color[1], 0.3f);
    EXPECT_EQ(env.Wall_Type_Num, 2);
    EXPECT_EQ(env.Wall_Latice_Num, 20);
    EXPECT_EQ(env.Axis_Type0_Length, 0.0);
    EXPECT_EQ(env.Orbit_Color[2], 0.5f) << "the number ends at the NUL";
}

TEST(EnvironmentSettings, ResetClearsOnlyThePresentationStateAndDoesNotReload)
{
    TempFolder folder;
    EnvironmentSettings env{ProfileFile(folder.ini())};
    env.viewIndex = env.probeMode = 4;
    env.dataSource = DataSource::Series;
    env.presentationMode = PresentationMode::Velocity;
    env.pointerState = PointerState::InitialValueInput;
    env.rebuildLevel = RebuildLevel::VectorField;
    env.freeScale = env.autoScale = env.vectorFieldOn = env.Axis_Flag_Display = 4;
    env.scale = env.colourMax = 0.01;
    ProfileFile(folder.ini()).writeProfileInt("EnvironmentData", "Wall_Type_Num", 2);

    env.reset();
    EXPECT_EQ(env.dataSource, DataSource::None);
    EXPECT_EQ(env.presentationMode, PresentationMode::None);
    EXPECT_EQ(env.rebuildLevel, RebuildLevel::None);
    EXPECT_EQ(env.probeMode + env.freeScale + env.vectorFieldOn, 0);
    EXPECT_EQ(env.pointerState, PointerState::TranslationRotation);
    EXPECT_EQ(env.scale, 1.0);
    EXPECT_EQ(env.viewIndex + env.autoScale + env.Axis_Flag_Display, 12) << "kept";
    EXPECT_EQ(env.colourMax, 0.01) << "kept";
    EXPECT_EQ(env.Wall_Type_Num, 1) << "a reset does not reload the file";
}

TEST(EnvironmentSettings, StoredStyleNumbersOutsideTheirChoicesDrawNoFloorAndAFlatLine)
{
    EnvironmentSettings env;
    EXPECT_EQ(env.floorStyle(), FloorStyle::Grid);
    EXPECT_EQ(env.orbitStyle(), OrbitStyle::Tube);
    env.Wall_Type_Num = 2;
    EXPECT_EQ(env.floorStyle(), FloorStyle::Checked);
    for (int stored : {0, 3, -1}) {
        env.Wall_Type_Num = stored;
        env.Orbit_Type_Num = stored;
        EXPECT_EQ(env.floorStyle(), FloorStyle::None) << stored;
        EXPECT_EQ(env.orbitStyle(), OrbitStyle::Line) << stored;
    }
}

TEST(EnvironmentSettings, PresentationCodesNameTheirModesAndOthersGiveTheStructure)
{
    EXPECT_EQ(presentationModeFromCode(1), PresentationMode::Structure);
    EXPECT_EQ(presentationModeFromCode(3), PresentationMode::Velocity);
    EXPECT_EQ(presentationModeFromCode(5), PresentationMode::LocalLyapunov);
    for (int code : {0, 2, 4, 6, -1})
        EXPECT_EQ(presentationModeFromCode(code), PresentationMode::Structure) << "code " << code;
}

TEST(BasisAxisKeys, SavedNextToTheEnvironmentAndReadByTheModelRecordSource)
{
    TempFolder folder;
    ProfileFile store(folder.ini());
    BasisAxisKeys keys;
    keys.load(store);
    EXPECT_EQ(keys.Basis_Axis_Mode, 0);
    EXPECT_EQ(keys.Color_Axis_Number, 0);
    keys.Basis_Axis_Mode = 3;
    keys.Color_Axis_Number = 2;
    ASSERT_TRUE(EnvironmentSettings().save(store));
    ASSERT_TRUE(keys.save(store));

    const ProfileFile reread(folder.ini());
    const SettingsSource& source = reread;
    EXPECT_EQ(source.profileInt("EnvironmentData", "Basis_Axis_Mode", 0), 3);
    EXPECT_EQ(source.profileInt("EnvironmentData", "Color_Axis_Number", 0), 2);
    EXPECT_EQ(EnvironmentSettings(reread).Vector_Space_Num, 10);
}
