// SHA-256 of a byte string, as lower-case hex. The library cache names its
// entries by it and checks with it that an entry is still the library it
// stored.
#pragma once

#include <string>
#include <string_view>

std::string sha256Hex(std::string_view bytes);
