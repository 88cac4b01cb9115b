// Reading a small file whole, telling a missing file (read as empty) from one
// that exists but cannot be read. Writing goes through replaceFileContents
// (models/file_replace.h).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The file's bytes; empty when the file does not exist; nothing when it
// exists but cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);
