// The model as the model editor holds it before it is saved: name, dimension,
// parameter count and the six equation texts. Checks a draft the way the
// editor must before it writes a model file, and stores a checked draft into
// a record and its model file.
#pragma once

#include "models/failure.h"

#include <optional>
#include <string>

class ModelRecord;
class Reporter;

struct ModelDraft {
    std::string name;
    int dimension = 3;
    int parameterCount = 3;
    std::string equations[6];
};

// The draft as the record holds it.
ModelDraft draftOf(const ModelRecord& record);

// Why the draft must not be saved, or nothing when it may: an empty name, a
// name that breaks the name rule, or the first used equation that fails the
// equation check.
std::optional<Failure> draftRefusal(const ModelDraft& draft);

// Stores a draft into the record (ModelFileDir = path) and writes the model
// file. A refused draft is reported and changes nothing; so does a file that
// cannot be written, the record then keeping its previous values.
bool saveDraft(const ModelDraft& draft, const std::string& path, ModelRecord& record,
               Reporter& reporter);

// The first count letters of the sequence separated by commas ("x, y, z"),
// which the editor shows as the letters an equation may use.
std::string usedLetters(const std::string& letters, int count);
std::string usedVariableLetters(int dimension);
std::string usedParameterLetters(int parameterCount);
