// Path rules of model files, list sources and libraries. Stored paths may come
// from the original Windows program: "\" separators and a leading ".\" for
// "relative to the folder of the file that names it". Both spellings, ".\" and
// "./", are accepted everywhere; paths this program stores use "/".
#pragma once

#include <string>
#include <string_view>

// The path with every "\" turned into "/".
std::string withSlashes(std::string_view path);

// The folder part of path (separators normalised), ending with "/"; "./" when
// path names no folder.
std::string folderOf(std::string_view path);

// The file name part of path (after the last separator).
std::string fileNameOf(std::string_view path);

// A relative path ("./name", ".\name" or a bare relative name) taken relative
// to folder; an absolute path is returned with its separators normalised.
std::string resolveAgainst(std::string_view path, std::string_view folder);

// Whether two paths name the same file: the same device and inode when both
// exist, otherwise the same normalised absolute path.
bool isSameFile(const std::string& first, const std::string& second);
