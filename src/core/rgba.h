// A colour or material component as OpenGL takes it: red, green, blue, alpha.
#pragma once

#include <array>

using Rgba = std::array<float, 4>;
