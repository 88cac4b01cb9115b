// The files the interrupted-write test has a writer replace over and over:
// for each kind of file (model list, model file, settings file) the way to
// write either of its two versions through the program's own writer, and how
// a file on disk is compared with them. Shared by the writer program and the
// test that kills it.
#pragma once

#include <filesystem>
#include <string>

enum class WrittenFile { ModelList, ModelFile, Settings };

// The file of that kind in folder.
std::filesystem::path writtenFilePath(WrittenFile kind, const std::filesystem::path& folder);

// Writes version (0 or 1) of the file through the program's writer: the list
// with one model's block replaced, the model file, or one key of the settings
// file among many others. False when the writer failed.
bool writeVersion(WrittenFile kind, const std::filesystem::path& folder, int version);

// The bytes by which the test tells the versions apart: the list without its
// date lines (each rewrite stamps the time), the other files as they are.
std::string comparableText(WrittenFile kind, const std::string& bytes);
