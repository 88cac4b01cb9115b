#include "cli/model_session.h"

#include "models/equation_check.h"
#include "models/model_library.h"
#include "models/model_list.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

bool applyOptions(ModelRecord& record, const ModelOptions& options, Reporter& reporter)
{
    if (options.points > 0)
        record.Sampling_Point = options.points;
    if (options.interval > 0.0)
        record.Sampling_Interval = options.interval;
    if (options.autoAccuracy > 0.0) {
        record.Auto_Sampling_Interval_Flag = 1;
        record.Auto_Sampling_Interval_Upsilon = options.autoAccuracy;
    }
    for (const auto& [letter, value] : options.parameters) {
        const int index = static_cast<int>(kParameterLetters.find(letter));
        if (index >= record.Parameter) {
            reporter.showMessage(std::string("parameter ") + letter + " is not used by the model (it has " +
                                 std::to_string(record.Parameter) + " parameters)");
            return false;
        }
        record.Parameter_Default[index] = value;
    }
    for (const auto& [letter, value] : options.initialValues) {
        const int index = static_cast<int>(kVariableLetters.find(letter));
        if (index >= record.Dimension) {
            reporter.showMessage(std::string("variable ") + letter + " is not used by the model (it has " +
                                 std::to_string(record.Dimension) + " variables)");
            return false;
        }
        record.Setting[index] = value;
    }
    return true;
}

}  // namespace

std::string orbitMemoryMessage(const std::string& command, const ModelRecord& record)
{
    return command + ": not enough memory for an orbit of " + std::to_string(record.Sampling_Point) +
           " points";
}

bool ModelSession::open(const std::string& modelFile, const ModelOptions& options,
                        Reporter& reporter)
{
    const fs::path file(modelFile);
    const std::string name = file.stem().string();
    if (!isValidModelName(name)) {
        reporter.showMessage("\"" + name + "\" (the model file's name without extension) is not a "
                             "valid model name: use letters, digits and '_', not starting with a digit");
        return false;
    }
    ModelRecord& record = engine.recordEdited;
    std::error_code ec;
    record.ModelFileDir = fs::absolute(file, ec).string();
    record.ModelName = name;
    if (!record.Read(reporter) || !applyOptions(record, options, reporter))
        return false;

    if (!folder.create("attrava-cli-")) {
        reporter.showMessage("cannot create a temporary folder for the model library");
        return false;
    }
    const std::string listPath = folder.path() + name + ".c";
    if (!CreateList(listPath, reporter) || !AppendModel(listPath, record, reporter))
        return false;
    const ModelLibraryPaths paths = computeLibraryPaths(folder.path(), listPath);
    const CompileResult compiled = Compile(paths);
    if (!compiled.ok) {
        Failure failure{FailureKind::CompileFailed};
        failure.name = name;
        failure.detail = compiled.diagnostics;
        reporter.report(failure);
        return false;
    }

    engine.applyEditedRecord();
    engine.Release();
    std::string error;
    if (!engine.Bind(paths.libraryPath, &error)) {
        Failure failure{FailureKind::BindFailed, paths.libraryPath};
        failure.name = name;
        failure.detail = error;
        reporter.report(failure);
        return false;
    }
    engine.loadParameters();
    // The bound library stays mapped without its file. Removed now, the
    // folder is gone before the command writes its output; removing it after
    // a large output can wait for the file system to write that output back.
    folder.remove();
    return true;
}

bool ModelSession::open(const std::string& modelFile, const ModelOptions& options)
{
    StderrReporter reporter;
    return open(modelFile, options, reporter);
}
