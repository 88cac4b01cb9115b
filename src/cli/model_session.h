// A model ready to compute from the command line: the model file read into a
// record, the command-line overrides applied, the model compiled on its own
// into a private temporary folder with the program's compiler, and an engine
// bound to it with its parameters loaded. Every command that works on a model
// file (orbit, and the analyses built on an orbit) starts from one.
#pragma once

#include "cli/model_options.h"
#include "cli/tool_messages.h"
#include "dynamics/dynamics_engine.h"
#include "models/scratch_folder.h"

#include <string>

// The message of a command whose orbit arrays could not be allocated.
std::string orbitMemoryMessage(const std::string& command, const ModelRecord& record);

class ModelSession {
public:
    // Reads modelFile (its stem is the model name), applies options, compiles
    // and binds. False after reporting what went wrong.
    bool open(const std::string& modelFile, const ModelOptions& options, Reporter& reporter);
    // The same, reporting on standard error (the batch commands).
    bool open(const std::string& modelFile, const ModelOptions& options);

    // Holds the list source and library while the model is compiled and
    // bound; removed once the library is bound (or on failure, with the
    // session).
    ScratchFolder folder;
    DynamicsEngine engine;
};
