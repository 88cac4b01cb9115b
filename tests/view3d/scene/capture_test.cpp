// CaptureScene writing the frame buffer as binary PPM.
#include "view3d/scene/capture.h"
#include "view3d/scene/gl_state.h"
#include "gl_context.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

// A distinct colour for every pixel of the test pattern.
Rgb patternColour(int x, int y)
{
    return {static_cast<std::uint8_t>(10 * x + 3), static_cast<std::uint8_t>(40 * y + 7),
            static_cast<std::uint8_t>(200 - x)};
}

class CaptureTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        glEnable(GL_SCISSOR_TEST);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 16; ++x) {
                const Rgb c = patternColour(x, y);
                glScissor(x, y, 1, 1);
                glClearColor(c[0] / 255.0f, c[1] / 255.0f, c[2] / 255.0f, 1.0f);
                glClear(GL_COLOR_BUFFER_BIT);
            }
        }
        glDisable(GL_SCISSOR_TEST);
        dir = std::filesystem::temp_directory_path()
              / ("scene_capture_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed())
                 + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }

    void TearDown() override
    {
        std::filesystem::remove_all(dir);
        GlTest::TearDown();
    }

    static std::string readFile(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path dir;
};

} // namespace

TEST_F(CaptureTest, TenByTwoRegionWritesHeaderAndSixtyBytesTopRowFirst)
{
    const auto file = dir / "CapturedScene[0].ppm";
    ASSERT_TRUE(CaptureScene(PS_FILETYPE_PPM, file.string(), 3, 5, 10, 2, 100));
    const std::string bytes = readFile(file);
    const std::string header = "P6\n#Captured by libPs with PPM format.\n10 2\n255\n";
    ASSERT_EQ(header.size() + 60, bytes.size());
    EXPECT_EQ(header, bytes.substr(0, header.size()));

    // The frame buffer region as OpenGL gives it, bottom row first.
    std::vector<std::uint8_t> rgba(10 * 2 * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(3, 5, 10, 2, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    for (int fileRow = 0; fileRow < 2; ++fileRow) {
        const int bufferRow = 1 - fileRow;
        for (int col = 0; col < 10; ++col) {
            const Rgb painted = patternColour(3 + col, 5 + bufferRow);
            for (int k = 0; k < 3; ++k) {
                const auto written = static_cast<std::uint8_t>(bytes[header.size() + (fileRow * 10 + col) * 3 + k]);
                EXPECT_EQ(rgba[(bufferRow * 10 + col) * 4 + k], written)
                    << "file row " << fileRow << ", column " << col << ", channel " << k;
                EXPECT_EQ(painted[k], written)
                    << "file row " << fileRow << ", column " << col << ", channel " << k;
            }
        }
    }
}

TEST_F(CaptureTest, OtherKindsFailWithTheNoticeAndWriteNothing)
{
    const auto file = dir / "scene.bmp";
    CaptureStdout();
    EXPECT_FALSE(CaptureScene(PS_FILETYPE_PPM + 1, file.string(), 0, 0, 10, 2, 100));
    EXPECT_EQ("CWorld: Capture failed...\n    Please try CaptureScene() with parameter PS_FILETYPE_PPM.\n",
              GetCapturedStdout());
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(CaptureTest, UnopenableFileOrEmptyRegionFails)
{
    EXPECT_FALSE(CaptureScene(PS_FILETYPE_PPM, (dir / "missing" / "x.ppm").string(), 0, 0, 10, 2, 100));
    const auto file = dir / "empty.ppm";
    EXPECT_FALSE(CaptureScene(PS_FILETYPE_PPM, file.string(), 0, 0, 0, 2, 100));
    EXPECT_FALSE(CaptureScene(PS_FILETYPE_PPM, file.string(), 0, 0, 10, -1, 100));
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(CaptureTest, ExistingFileIsOverwritten)
{
    const auto file = dir / "CapturedScene[1].ppm";
    { std::ofstream(file) << std::string(500, 'x'); }
    ASSERT_TRUE(CaptureScene(PS_FILETYPE_PPM, file.string(), 0, 0, 4, 3, 100));
    const std::string bytes = readFile(file);
    const std::string header = "P6\n#Captured by libPs with PPM format.\n4 3\n255\n";
    EXPECT_EQ(header.size() + 36, bytes.size());
    EXPECT_EQ(header, bytes.substr(0, header.size()));
    // Top row of the region (y = 2) first.
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(patternColour(0, 2)[k], static_cast<std::uint8_t>(bytes[header.size() + k]));
}
