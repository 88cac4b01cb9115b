#include "models/model_record.h"
#include "models/reporter.h"

#include "models/test_files.h"

#include <gtest/gtest.h>

namespace {

using Kinds = std::vector<FailureKind>;

ModelRecord lorenzRecord(const std::string& path)
{
    ModelRecord record;
    record.ModelFileDir = path;
    record.Function[0] = "a*y-a*x";
    record.Function[1] = "-x*z+b*x-y";
    record.Function[2] = "x*y-c*z";
    return record;
}

// Everything a model file stores, compared field by field.
void expectSameStoredFields(const ModelRecord& expected, const ModelRecord& actual)
{
    EXPECT_EQ(actual.Dimension, expected.Dimension);
    EXPECT_EQ(actual.Parameter, expected.Parameter);
    for (int k = 0; k < expected.Dimension; ++k) {
        EXPECT_EQ(actual.Function[k], expected.Function[k]) << "equation " << k;
        EXPECT_EQ(actual.Setting[k], expected.Setting[k]) << "initial value " << k;
    }
    EXPECT_EQ(actual.Sampling_Interval, expected.Sampling_Interval);
    EXPECT_EQ(actual.Sampling_Point, expected.Sampling_Point);
    EXPECT_EQ(actual.Auto_Sampling_Interval_Flag, expected.Auto_Sampling_Interval_Flag);
    EXPECT_EQ(actual.Auto_Sampling_Interval_Upsilon, expected.Auto_Sampling_Interval_Upsilon);
    for (int k = 0; k < expected.Parameter; ++k) {
        EXPECT_EQ(actual.Parameter_Default[k], expected.Parameter_Default[k]) << "parameter " << k;
        EXPECT_EQ(actual.Parameter_Min[k], expected.Parameter_Min[k]) << "parameter " << k;
        EXPECT_EQ(actual.Parameter_Max[k], expected.Parameter_Max[k]) << "parameter " << k;
    }
    EXPECT_EQ(actual.Display_Scale, expected.Display_Scale);
    EXPECT_EQ(actual.Display_Position, expected.Display_Position);
    EXPECT_EQ(actual.Phase_Space_Sise, expected.Phase_Space_Sise);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(actual.Phase_Space_Position[k], expected.Phase_Space_Position[k]) << k;
}

TEST(ModelFile, WriterProducesTheDocumentedLayout)
{
    TempFolder folder;
    CollectingReporter reporter;
    ASSERT_TRUE(lorenzRecord(folder.file("Lorenz.txt")).Write(reporter));
    EXPECT_EQ(readText(folder.file("Lorenz.txt")),
              "//Model File\n"
              "Dimension = 3\n"
              "Parameter = 3\n"
              "Function\n"
              "a*y-a*x\n"
              "-x*z+b*x-y\n"
              "x*y-c*z\n"
              "Setting = 0.050000,0.000000,0.000000\n"
              "Sampling_Interval = 0.010000\n"
              "Sampling_Point = 10000\n"
              "Auto_Sampling_Interval_Flag = 0\n"
              "Auto_Sampling_Interval_Upsilon = 0.0000001000\n"
              "Parameter_Default = 1.000000,1.000000,1.000000\n"
              "Parameter_Min = 0.000000,0.000000,0.000000\n"
              "Parameter_Max = 10.000000,10.000000,10.000000\n"
              "Display_Scale = 10.000000\n"
              "Display_Position = 0.000000,0.000000,0.000000\n"
              "Phase_Space_Sise = 1.000000\n"
              "Phase_Space_Position = 0.000000,0.000000,0.000000\n");
    EXPECT_TRUE(reporter.failures.empty());
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Lorenz.txt"});
}

TEST(ModelFile, RoundTripRestoresEveryStoredField)
{
    TempFolder folder;
    CollectingReporter reporter;
    ModelRecord written;
    written.ModelFileDir = folder.file("m.txt");
    written.Dimension = 5;
    written.Parameter = 10;
    for (int k = 0; k < 5; ++k) {
        written.Function[k] = "x+" + std::to_string(k) + "*a";
        written.Setting[k] = -1.25 + k;
    }
    for (int k = 0; k < 10; ++k) {
        written.Parameter_Default[k] = 0.5 * k;
        written.Parameter_Min[k] = -k;
        written.Parameter_Max[k] = 100.125 + k;
    }
    written.Sampling_Interval = 0.002;
    written.Sampling_Point = 123456;
    written.Auto_Sampling_Interval_Flag = 1;
    written.Auto_Sampling_Interval_Upsilon = 1e-4;
    written.Display_Scale = 2.5;
    written.Display_Position = Vector3(0.25, -1.5, 3.0);
    written.Phase_Space_Sise = 0.75;
    written.Phase_Space_Position = StateVector(1.0, -2.0, 0.5, 0, 0, 0);
    ASSERT_TRUE(written.Write(reporter));

    ModelRecord read;
    read.ModelFileDir = written.ModelFileDir;
    read.ModelName = "KeptName";
    read.validPointCount = 99;
    ASSERT_TRUE(read.Read(reporter));
    expectSameStoredFields(written, read);
    EXPECT_EQ(read.ModelName, "KeptName");
    EXPECT_EQ(read.validPointCount, 99);
    EXPECT_TRUE(reporter.failures.empty());
}

TEST(ModelFile, TinyIntervalsReadBackUnchangedAndTheAccuracyKeepsTenDecimals)
{
    TempFolder folder;
    CollectingReporter reporter;
    ModelRecord record = lorenzRecord(folder.file("m.txt"));
    record.Auto_Sampling_Interval_Upsilon = 1e-9;
    for (const double interval : {1e-7, 1e-11, 0.1 + 0.2, 1.0 / 3.0, 1e-300}) {
        record.Sampling_Interval = interval;
        ASSERT_TRUE(record.Write(reporter));
        const std::string text = readText(record.ModelFileDir);
        EXPECT_NE(text.find("Auto_Sampling_Interval_Upsilon = 0.0000000010\n"), std::string::npos)
            << text;

        ModelRecord read;
        read.ModelFileDir = record.ModelFileDir;
        ASSERT_TRUE(read.Read(reporter)) << text;
        EXPECT_EQ(read.Sampling_Interval, interval) << text;
        EXPECT_NEAR(read.Auto_Sampling_Interval_Upsilon, 1e-9, 1e-20);
    }
    record.Sampling_Interval = 1e-7;
    ASSERT_TRUE(record.Write(reporter));
    EXPECT_NE(readText(record.ModelFileDir).find("Sampling_Interval = 0.0000001\n"), std::string::npos)
        << "a plain decimal";
}

TEST(ModelFile, AnIntervalThatIsNotPositiveIsRefused)
{
    TempFolder folder;
    for (const std::string interval : {"0.000000", "-0.01", "nan", "inf", "none"}) {
        writeText(folder.file("m.txt"), "Dimension = 3\nParameter = 3\nFunction\nx\ny\nz\n"
                                        "Sampling_Interval = " + interval + "\n");
        CollectingReporter reporter;
        ModelRecord record = lorenzRecord(folder.file("m.txt"));
        const ModelRecord before = record;
        EXPECT_FALSE(record.Read(reporter)) << interval;
        ASSERT_EQ(reporter.kinds(), Kinds{FailureKind::SamplingIntervalInvalid}) << interval;
        EXPECT_EQ(reporter.failures[0].path, folder.file("m.txt"));
        expectSameStoredFields(before, record);
    }
}

TEST(ModelFile, AFolderIsNoModelFile)
{
    TempFolder folder;
    CollectingReporter reporter;
    ModelRecord record = lorenzRecord(folder.file(""));
    EXPECT_FALSE(record.Read(reporter));
    EXPECT_EQ(reporter.kinds(), Kinds{FailureKind::ModelFileUnreadable});
}

TEST(ModelFile, ShortValueListsRepeatTheirLastValue)
{
    TempFolder folder;
    writeText(folder.file("m.txt"),
              "Dimension = 3\nParameter = 4\nSetting = 1.5\n"
              "Parameter_Default = 2,3\nParameter_Max = 7,8,9,10.5,11,12\nDisplay_Position = ,4\n");
    CollectingReporter reporter;
    ModelRecord record;
    record.ModelFileDir = folder.file("m.txt");
    ASSERT_TRUE(record.Read(reporter));
    EXPECT_EQ(record.Setting, StateVector(1.5, 1.5, 1.5, 0, 0, 0));
    EXPECT_EQ(record.Parameter_Default[0], 2.0);
    for (int k = 1; k < 4; ++k)
        EXPECT_EQ(record.Parameter_Default[k], 3.0) << "parameter " << k;
    EXPECT_EQ(record.Parameter_Default[4], 1.0) << "beyond the parameter count";
    EXPECT_EQ(record.Parameter_Max[3], 10.5);
    EXPECT_EQ(record.Parameter_Max[4], 10.0) << "extra values are ignored";
    // An empty first value leaves the element as it was.
    EXPECT_EQ(record.Display_Position, Vector3(0.0, 4.0, 4.0));
}

TEST(ModelFile, LongEquationLineIsSplitAt198Characters)
{
    TempFolder folder;
    const std::string longEquation = "x" + std::string(124, ' ') + "+" + std::string(123, ' ') + "y";
    ASSERT_EQ(longEquation.size(), 250u);
    writeText(folder.file("m.txt"), "Dimension = 3\nFunction\n" + longEquation + "\nz\nx\n");
    CollectingReporter reporter;
    ModelRecord record;
    record.ModelFileDir = folder.file("m.txt");
    ASSERT_TRUE(record.Read(reporter));
    EXPECT_EQ(record.Function[0], longEquation.substr(0, 198));
    EXPECT_EQ(record.Function[1], longEquation.substr(198));
    EXPECT_EQ(record.Function[2], "z");
}

TEST(ModelFile, EquationsMissingAtEndOfFileRepeatTheLastLine)
{
    TempFolder folder;
    writeText(folder.file("m.txt"), "Dimension = 3\nFunction\nx+y\n");
    CollectingReporter reporter;
    ModelRecord record;
    record.ModelFileDir = folder.file("m.txt");
    ASSERT_TRUE(record.Read(reporter));
    EXPECT_EQ(record.Function[0], "x+y");
    EXPECT_EQ(record.Function[1], "x+y");
    EXPECT_EQ(record.Function[2], "x+y");
}

TEST(ModelFile, CrLfFileFromTheOriginalPlatformReads)
{
    TempFolder folder;
    writeText(folder.file("m.txt"),
              "//Model File\r\nDimension = 4\r\nParameter = 2\r\nFunction\r\n-z-y\r\na*y+x+w\r\n"
              "z*x+b\r\n0.05*w\r\nSetting = -10.000000,-6.000000,0.000000,10.000000\r\n"
              "Sampling_Point = 500\r\nParameter_Default = 0.250000,3.000000\r\n");
    CollectingReporter reporter;
    ModelRecord record;
    // Backslash separators as the original program stored them.
    record.ModelFileDir = folder.path().substr(0, folder.path().size() - 1) + "\\m.txt";
    ASSERT_TRUE(record.Read(reporter)) << record.ModelFileDir;
    EXPECT_EQ(record.Dimension, 4);
    EXPECT_EQ(record.Parameter, 2);
    EXPECT_EQ(record.Function[0], "-z-y");
    EXPECT_EQ(record.Function[3], "0.05*w");
    EXPECT_EQ(record.Setting, StateVector(-10, -6, 0, 10, 0, 0));
    EXPECT_EQ(record.Sampling_Point, 500);
    EXPECT_EQ(record.Parameter_Default[1], 3.0);
}

TEST(ModelFile, MissingKeysKeepThePreviousValues)
{
    TempFolder folder;
    writeText(folder.file("m.txt"), "Dimension = 3\nParameter = 0\nSampling_Point = 77\n");
    CollectingReporter reporter;
    ModelRecord record = lorenzRecord(folder.file("m.txt"));
    record.Parameter_Default[0] = 5.0;
    record.Display_Scale = 4.0;
    ASSERT_TRUE(record.Read(reporter));
    EXPECT_EQ(record.Parameter, 0);
    EXPECT_EQ(record.Sampling_Point, 77);
    EXPECT_EQ(record.Parameter_Default[0], 5.0);
    EXPECT_EQ(record.Display_Scale, 4.0);
    EXPECT_EQ(record.Function[2], "x*y-c*z");
}

TEST(ModelFile, ZeroParameterModelWritesNoParameterLines)
{
    TempFolder folder;
    CollectingReporter reporter;
    ModelRecord record = lorenzRecord(folder.file("m.txt"));
    record.Parameter = 0;
    ASSERT_TRUE(record.Write(reporter));
    EXPECT_EQ(readText(record.ModelFileDir).find("Parameter_"), std::string::npos);
}

TEST(ModelFile, OutOfRangeCountsAreRefusedAndTheRecordKept)
{
    TempFolder folder;
    for (const std::string& header : {std::string("Dimension = 7\nParameter = 3\n"),
                                      std::string("Dimension = 0\nParameter = 3\n"),
                                      std::string("Dimension = 3\nParameter = 11\n"),
                                      std::string("Dimension = 3\nParameter = -1\n")}) {
        writeText(folder.file("bad.txt"), header + "Function\np\nq\nr\ns\nt\nu\nv\nSetting = 9\n");
        CollectingReporter reporter;
        ModelRecord record = lorenzRecord(folder.file("bad.txt"));
        const ModelRecord before = record;
        EXPECT_FALSE(record.Read(reporter)) << header;
        EXPECT_EQ(reporter.kinds(), Kinds{FailureKind::ModelFileBadCounts}) << header;
        expectSameStoredFields(before, record);
    }
}

TEST(ModelFile, SamplingCountIsHeldToTheAcceptedRange)
{
    TempFolder folder;
    const struct {
        std::string stored;
        int read;
    } cases[] = {{"2000000000", 1000000}, {"99999999999999999999", 1000000},
                 {"1000000", 1000000},    {"0", 1},
                 {"-5", 1},               {"many", 1}};
    for (const auto& c : cases) {
        writeText(folder.file("m.txt"), "Dimension = 3\nSampling_Point = " + c.stored + "\n");
        CollectingReporter reporter;
        ModelRecord record = lorenzRecord(folder.file("m.txt"));
        ASSERT_TRUE(record.Read(reporter)) << c.stored;
        EXPECT_EQ(record.Sampling_Point, c.read) << c.stored;
    }
}

TEST(ModelFile, MissingFileIsReportedAndNothingChanges)
{
    TempFolder folder;
    CollectingReporter reporter;
    ModelRecord record = lorenzRecord(folder.file("absent.txt"));
    const ModelRecord before = record;
    EXPECT_FALSE(record.Read(reporter));
    EXPECT_EQ(reporter.kinds(), Kinds{FailureKind::ModelFileUnreadable});
    expectSameStoredFields(before, record);
}

TEST(ModelFile, FailedWriteKeepsThePreviousFile)
{
    TempFolder folder;
    CollectingReporter reporter;
    ModelRecord record = lorenzRecord(folder.file("m.txt"));
    ASSERT_TRUE(record.Write(reporter));
    const std::string before = readText(record.ModelFileDir);

    record.Function[0] = "x";
    {
        const FileSizeLimit limit(64);
        EXPECT_FALSE(record.Write(reporter));
    }
    EXPECT_EQ(reporter.kinds(), Kinds{FailureKind::ModelFileUnwritable});
    EXPECT_EQ(readText(record.ModelFileDir), before);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"m.txt"}) << "no temporary file is left";

    record.ModelFileDir = folder.file("no-such-folder/m.txt");
    EXPECT_FALSE(record.Write(reporter));
    EXPECT_EQ(reporter.failures.size(), 2u);
}

}  // namespace
