#include "settings/program_settings.h"

#include "settings/profile_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

TEST(ProgramSettings, AFirstStartReadsTheDefaultsAndWritesEveryKey)
{
    TempFolder folder;
    ProfileFile store(folder.ini());
    ProgramSettings settings;
    settings.displayMode = DisplayMode::LeftRight;
    settings.read(store);
    EXPECT_EQ(settings.displayMode, DisplayMode::Normal);
    EXPECT_EQ(settings.deviceMode, InputDevice::Mouse);
    EXPECT_EQ(settings.modelListPath, ".\\model\\Eqnbank.c");
    EXPECT_EQ(settings.crystalGap, 16.0);
    EXPECT_EQ(settings.eyeOffset, 0.03);
    EXPECT_EQ(settings.language, InterfaceLanguage::Japanese);

    ASSERT_TRUE(settings.write(store));
    EXPECT_EQ(readBytes(folder.ini()), "[ProgramData]\n"
                                       "displaymode=0\n"
                                       "devicemode=0\n"
                                       "model_list_path=.\\model\\Eqnbank.c\n"
                                       "displaycrystalview=16.000000\n"
                                       "displaycrystaloffset=0.030000\n"
                                       "language=ja\n");
}

TEST(ProgramSettings, EveryKeyRoundTripsAndOtherSectionsStay)
{
    TempFolder folder;
    const std::string environment = "[EnvironmentData]\r\n; colours\r\nWall_Type_Num=2\r\n";
    writeBytes(folder.ini(), environment);
    ProfileFile store(folder.ini());
    const ProgramSettings written{DisplayMode::UpDown, InputDevice::Spidar,
                                  "/home/user/models/My List.c", 12.5, 0.0625,
                                  InterfaceLanguage::English};
    ASSERT_TRUE(written.write(store));
    EXPECT_TRUE(readBytes(folder.ini()).starts_with(environment));

    ProgramSettings read;
    read.read(ProfileFile(folder.ini()));
    EXPECT_EQ(read.displayMode, DisplayMode::UpDown);
    EXPECT_EQ(read.deviceMode, InputDevice::Spidar);
    EXPECT_EQ(read.modelListPath, written.modelListPath);
    EXPECT_EQ(read.crystalGap, 12.5);
    EXPECT_EQ(read.eyeOffset, 0.0625);
    EXPECT_EQ(read.language, InterfaceLanguage::English);
}

TEST(ProgramSettings, ValuesThatNameNoModeDeviceOrLanguageReadAsTheDefaults)
{
    TempFolder folder;
    writeBytes(folder.ini(), "[ProgramData]\ndisplaymode=3\ndevicemode=-1\nlanguage=fr\n");
    ProgramSettings settings;
    settings.displayMode = DisplayMode::UpDown;
    settings.deviceMode = InputDevice::Phantom;
    settings.language = InterfaceLanguage::English;
    settings.read(ProfileFile(folder.ini()));
    EXPECT_EQ(settings.displayMode, DisplayMode::Normal);
    EXPECT_EQ(settings.deviceMode, InputDevice::Mouse);
    EXPECT_EQ(settings.language, InterfaceLanguage::Japanese);

    writeBytes(folder.ini(), "[ProgramData]\ndisplaymode=2\ndevicemode=1\n");
    settings.read(ProfileFile(folder.ini()));
    EXPECT_EQ(settings.displayMode, DisplayMode::LeftRight);
    EXPECT_EQ(settings.deviceMode, InputDevice::Phantom);
}

TEST(ProgramSettings, ANonNumericEyeOffsetReadsAsZero)
{
    TempFolder folder;
    writeBytes(folder.ini(), "[ProgramData]\ndisplaycrystaloffset=wide\n");
    ProgramSettings settings;
    settings.read(ProfileFile(folder.ini()));
    EXPECT_EQ(settings.eyeOffset, 0.0);
    EXPECT_EQ(settings.crystalGap, 16.0);
}

TEST(ProgramSettings, APathWithALineBreakIsNotWrittenButTheOtherKeysAre)
{
    TempFolder folder;
    ProfileFile store(folder.ini());
    ASSERT_TRUE(store.writeProfileString("ProgramData", "model_list_path", "./old.c"));
    ProgramSettings settings;
    settings.modelListPath = "./new.c\ndisplaymode=2";
    settings.displayMode = DisplayMode::UpDown;
    EXPECT_FALSE(settings.write(store));

    ProgramSettings read;
    read.read(ProfileFile(folder.ini()));
    EXPECT_EQ(read.modelListPath, "./old.c");
    EXPECT_EQ(read.displayMode, DisplayMode::UpDown);
}
