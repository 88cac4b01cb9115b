// Where a command writes its result: the file of its --out option, or
// standard output when none was given.
#pragma once

#include <cstdio>
#include <string>

// Opens path for writing in binary mode, or gives standard output when path
// is empty. Null when the file cannot be opened.
std::FILE* openOutput(const std::string& path);
// Closes what openOutput gave (standard output is only flushed); false when a
// write or the close failed.
bool closeOutput(std::FILE* out);
