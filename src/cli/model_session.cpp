#include "cli/model_session.h"

#include "models/equation_check.h"
#include "models/model_library.h"
#include "models/model_list.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

const char* const kModelOptionsUsage =
    "  --points N      number of sampling points (1 to 10000000)\n"
    "  --interval H    sampling interval (the initial one with --auto), H > 0\n"
    "  --auto EPS      automatic sampling interval with accuracy EPS > 0\n"
    "  --param a=V     value of parameter a (a .. j), repeatable\n"
    "  --init x=V      initial value of variable x (x, y, z, w, v, u), repeatable\n";

namespace {

// The orbit arrays take 80 bytes per point; this keeps them under 1 GB.
constexpr long kMaxPoints = 10000000;

constexpr std::string_view kVariableLetters = "xyzwvu";
constexpr std::string_view kParameterLetters = "abcdefghij";

// "L=V" with L one of letters.
bool parseAssignment(std::string_view text, std::string_view letters, char& letter, double& value)
{
    if (text.size() < 3 || text[1] != '=' || letters.find(text[0]) == std::string_view::npos)
        return false;
    letter = text[0];
    return parseFiniteDouble(text.substr(2), value);
}

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

OptionOutcome parseModelOption(const CommandArguments& args, std::size_t& i,
                               ModelOptions& options, std::string& error)
{
    const std::string& option = args[i];
    if (option != "--points" && option != "--interval" && option != "--auto" &&
        option != "--param" && option != "--init")
        return OptionOutcome::NotModelOption;

    std::string value;
    if (!takeOptionValue(args, i, value, error))
        return OptionOutcome::Invalid;
    bool valid = false;
    if (option == "--points") {
        valid = parseIntInRange(value, 1, kMaxPoints, options.points);
    } else if (option == "--interval") {
        valid = parseFiniteDouble(value, options.interval) && options.interval > 0.0;
    } else if (option == "--auto") {
        valid = parseFiniteDouble(value, options.autoAccuracy) && options.autoAccuracy > 0.0;
    } else {
        const bool parameter = option == "--param";
        char letter = 0;
        double number = 0.0;
        valid = parseAssignment(value, parameter ? kParameterLetters : kVariableLetters, letter, number);
        if (valid)
            (parameter ? options.parameters : options.initialValues).emplace_back(letter, number);
    }
    if (!valid) {
        error = "invalid value for " + option + ": \"" + value + "\"";
        return OptionOutcome::Invalid;
    }
    return OptionOutcome::Taken;
}

std::string orbitMemoryMessage(const std::string& command, const ModelRecord& record)
{
    return command + ": not enough memory for an orbit of " + std::to_string(record.Sampling_Point) +
           " points";
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ec;
    if (!path_.empty())
        fs::remove_all(path_, ec);
}

bool TemporaryFolder::create()
{
    std::error_code ec;
    std::string pattern = (fs::temp_directory_path(ec) / "attrava-cli-XXXXXX").string();
    if (ec || ::mkdtemp(pattern.data()) == nullptr)
        return false;
    path_ = pattern + "/";
    return true;
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

    if (!folder.create()) {
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
    return true;
}

bool ModelSession::open(const std::string& modelFile, const ModelOptions& options)
{
    StderrReporter reporter;
    return open(modelFile, options, reporter);
}
