// The model list source: one generated C file that is at the same time the
// index of a list of models (two comment lines per model name its model file)
// and the program text of the model library (one exported function per model).
#pragma once

#include <string>
#include <vector>

class ModelRecord;
class Reporter;

// One model of a list as its comment lines name it.
struct ModelListEntry {
    std::string name;          // text after "//ModelName = "
    std::string storedPath;    // text after "//ModelFileDir = ", as written
    std::string resolvedPath;  // storedPath with "./" or ".\" taken as the list's folder
};

// Creates or truncates listPath and writes the fixed head.
bool CreateList(const std::string& listPath, Reporter& reporter);

// Validates the record, then appends its model block to listPath (creating
// the file if it does not exist). A record is refused when its name breaks the
// name rule, is reserved (isReservedName) or is already in the list, when an
// equation fails the equation check (the message names it), or when its block
// does not compile on its own with the list's head (the message holds the
// compiler's). On refusal or failure the message is reported and the file is
// unchanged.
bool AppendModel(const std::string& listPath, const ModelRecord& record, Reporter& reporter);

// Rewrites listPath with the block of (oldName, oldPath) replaced by the
// record's new block (in place) or dropped. The block is the one whose name
// line is oldName and whose next line names the same file as oldPath (relative
// paths taken from the list's folder). Every other line is kept; the new list
// replaces the old one only once it is completely written. A model that is
// not in the list leaves the file unchanged (and true is returned). Replace
// refuses the record as AppendModel does.
bool ReplaceModel(const std::string& listPath, const ModelRecord& record,
                  const std::string& oldName, const std::string& oldPath, Reporter& reporter);
bool RemoveModel(const std::string& listPath, const std::string& oldName,
                 const std::string& oldPath, Reporter& reporter);

// The model block text that AppendModel writes (the date line included).
std::string modelBlockText(const ModelRecord& record);
// The model function of a block: from its signature line to the closing brace
// and its line feed (the block's blank last line excluded).
std::string modelFunctionText(const ModelRecord& record);

// The names and model-file paths of the list, in list order. Returns false
// (and no entries) when the list cannot be opened.
bool readListEntries(const std::string& listPath, std::vector<ModelListEntry>& entries);
