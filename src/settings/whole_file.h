// Reading a small file whole, and replacing one so that a crash or a full
// disk while writing leaves either the old file or the new one, never a
// truncated mix: the new content goes to a temporary file in the same folder,
// is flushed to disk and then renamed over the old name.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The file's bytes; empty when the file does not exist; nothing when it
// exists but cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// Writes content to path atomically. The file keeps its permission bits (a
// new one gets the usual ones under the umask). On failure returns false,
// removes the temporary file and leaves the old file untouched.
bool replaceWholeFile(const std::filesystem::path& path, std::string_view content);
