// An offscreen OpenGL context for the scene tests: a GLX pbuffer on the X
// display (Xvfb with Mesa's software renderer in the test runs), made current
// for the life of the object. Tests that draw derive their fixture from
// GlTest, which fails the test when no context can be made.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class GlContext {
public:
    GlContext(int width, int height);
    ~GlContext();
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;

    // Empty when the context is current; otherwise what went wrong.
    const std::string& error() const { return error_; }

private:
    struct Handles;
    std::unique_ptr<Handles> handles_;
    std::string error_;
};

using Rgb = std::array<std::uint8_t, 3>;

class GlTest : public ::testing::Test {
protected:
    static constexpr int kSize = 64;

    void SetUp() override;
    void TearDown() override { context_.reset(); }

    // The colour at pixel (x, y), y from the bottom.
    static Rgb pixel(int x, int y);

private:
    std::unique_ptr<GlContext> context_;
};
