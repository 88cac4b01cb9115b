#include "settings/ini_document.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

TEST(IniDocument, FindsSectionsAndKeysWithoutRegardToCaseAndTrimsValues)
{
    const IniDocument doc("[environmentDATA]\n  wall_TYPE_num =  2  \n;Wall_Color_R=9\n");
    EXPECT_EQ(doc.value("EnvironmentData", "Wall_Type_Num"), "2");
    EXPECT_FALSE(doc.value("EnvironmentData", "Wall_Color_R")) << "a comment is no key";
    EXPECT_FALSE(doc.value("ProgramData", "Wall_Type_Num"));
}

TEST(IniDocument, SettingOneKeyKeepsEveryOtherByte)
{
    const std::string before = "; Attrava settings\n"
                               "\n"
                               "[Other]\n"
                               "  ; keep me = please\n"
                               "Name = value with  spaces  \n"
                               "junk line without equals\n"
                               "[EnvironmentData]\n"
                               "Wall_Type_Num = 1   ; not a comment here\n"
                               "Axis_Flag_Display=0\n"
                               "\n"
                               "; about the next section\n"
                               "[Last]\n"
                               "x=1";
    IniDocument doc(before);
    ASSERT_TRUE(doc.set("environmentdata", "wall_type_num", "2"));
    ASSERT_TRUE(doc.set("EnvironmentData", "Orbit_Type_Num", "0"));
    ASSERT_TRUE(doc.set("ProgramData", "displaymode", "1"));
    const std::string expected = "; Attrava settings\n"
                                 "\n"
                                 "[Other]\n"
                                 "  ; keep me = please\n"
                                 "Name = value with  spaces  \n"
                                 "junk line without equals\n"
                                 "[EnvironmentData]\n"
                                 "Wall_Type_Num = 2\n"
                                 "Axis_Flag_Display=0\n"
                                 "Orbit_Type_Num=0\n"
                                 "\n"
                                 "; about the next section\n"
                                 "[Last]\n"
                                 "x=1\n"
                                 "\n"
                                 "[ProgramData]\n"
                                 "displaymode=1\n";
    EXPECT_EQ(doc.text(), expected);
}

TEST(IniDocument, CrLfFilesReadAndKeepTheirLineEnds)
{
    IniDocument doc("[EnvironmentData]\r\nWall_Type_Num=2\r\nWall_Color_R=0.25\r\n");
    EXPECT_EQ(doc.value("EnvironmentData", "Wall_Color_R"), "0.25");
    ASSERT_TRUE(doc.set("EnvironmentData", "Wall_Type_Num", "0"));
    ASSERT_TRUE(doc.set("ProgramData", "devicemode", "1"));
    EXPECT_EQ(doc.text(), "[EnvironmentData]\r\nWall_Type_Num=0\r\nWall_Color_R=0.25\r\n"
                          "\r\n[ProgramData]\r\ndevicemode=1\r\n");
}

TEST(IniDocument, RefusesEntriesThatWouldNotReadBackAsOneLine)
{
    IniDocument doc("[ProgramData]\nmodel_list_path=old\n");
    const std::string before = doc.text();
    EXPECT_FALSE(doc.set("ProgramData", "model_list_path", "a\nb=c"));
    EXPECT_FALSE(doc.set("ProgramData", "model_list_path", std::string("a\0b", 3)));
    EXPECT_FALSE(doc.set("Program]Data", "k", "v"));
    EXPECT_FALSE(doc.set("ProgramData", "k=v", "v"));
    EXPECT_FALSE(doc.set("ProgramData", ";k", "v"));
    EXPECT_FALSE(doc.set("ProgramData", " k", "v"));
    EXPECT_FALSE(doc.set("", "k", "v"));
    EXPECT_EQ(doc.text(), before);
    EXPECT_TRUE(doc.set("ProgramData", "model_list_path", "/home/u/a b=c;d.c"));
    EXPECT_EQ(doc.value("ProgramData", "model_list_path"), "/home/u/a b=c;d.c");
}

TEST(IniDocument, GarbageIsKeptAndNeverBreaksReading)
{
    std::string garbage;
    std::uint32_t seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const char alphabet[] = {'\0', '\r', '\n', '[', ']', '=', ';', ' ', 'a', '\xff'};
        garbage += (seed >> 28) < 10 ? alphabet[seed >> 28] : static_cast<char>(seed >> 24);
    }
    garbage += "\n" + std::string(1 << 20, 'k') + "=" + std::string(1 << 20, 'v');
    garbage += "\n[EnvironmentData\nWall_Type_Num=2\n[Program";

    IniDocument doc(garbage);
    EXPECT_EQ(doc.text(), garbage);
    EXPECT_EQ(doc.value("EnvironmentData", "Wall_Type_Num"), "2")
        << "a header cut before ']' still names its section";
    EXPECT_EQ(doc.value(std::string(1 << 20, 'K'), "x"), std::nullopt);
    ASSERT_TRUE(doc.set("ProgramData", "displaymode", "1"));
    EXPECT_TRUE(doc.text().starts_with(garbage));
    EXPECT_EQ(doc.value("ProgramData", "displaymode"), "1");
}
