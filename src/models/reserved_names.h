// Names a model may not have because its function would collide with
// something the compiled list source already knows by that name: C keywords
// (with the GNU extensions the system compiler accepts), everything the C
// library headers <math.h>, <stdlib.h> and <stdio.h> may declare or define,
// the names the compatibility windows.h and the list head define, and the
// symbols the linker gives every shared library.
#pragma once

#include <string_view>

bool isReservedName(std::string_view name);
