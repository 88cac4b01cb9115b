// A block's function text is parsed back into name, dimension, parameter
// count and equations, regenerated, and compared with the text in the list:
// only a block that comes out byte for byte the same (a block the generator
// wrote and nobody edited) gets a whole-field function, so that function is
// sure to compute what the model function computes.
#include "models/vector_field_source.h"

#include "models/equation_check.h"
#include "models/model_list.h"
#include "models/model_paths.h"
#include "models/model_record.h"

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr std::string_view kNameKey = "//ModelName = ";
constexpr std::string_view kFunctionStart = "__declspec(dllexport) double WINAPI ";
constexpr std::string_view kEquationStart = "\t\tSolution = ";

std::vector<std::string> linesOf(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string line(text.substr(start, end - start));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::size_t countOf(const std::string& text, std::string_view what)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

// One model's function lines (signature to closing brace) read back into a
// record; false when they are not a generated, checked model function.
bool readModelFunction(const std::vector<std::string>& lines, const std::string& name,
                       ModelRecord& record)
{
    if (lines.size() < 6)
        return false;
    record.ModelName = name;
    record.Dimension = static_cast<int>(countOf(lines[3], "Variable["));
    const bool hasParameters = lines[4].starts_with("\tdouble a = Parameter[");
    record.Parameter = hasParameters ? static_cast<int>(countOf(lines[4], "Parameter[")) : 0;
    if (record.Dimension < 1 || record.Dimension > kMaxVariables ||
        record.Parameter > kMaxParameters)
        return false;
    int k = 0;
    for (const std::string& line : lines) {
        if (!line.starts_with(kEquationStart) || !line.ends_with(';'))
            continue;
        if (k == record.Dimension)
            return false;
        record.Function[k++] =
            line.substr(kEquationStart.size(), line.size() - kEquationStart.size() - 1);
    }
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return k == record.Dimension && modelFunctionText(record) == text &&
           !checkModelEquations(record);
}

std::string fieldFunctionText(const ModelRecord& record, const std::vector<std::string>& lines)
{
    std::string text = "__declspec(dllexport) void WINAPI " + vectorFieldSymbol(record.ModelName) +
                       "(const double *Variable, const double *Parameter, double *Derivative)\n{\n";
    // The declaration lines of the model function, as they are.
    text += lines[3] + "\n";
    if (record.Parameter > 0)
        text += lines[4] + "\n";
    for (int k = 0; k < record.Dimension; ++k)
        text += "\tDerivative[" + std::to_string(k) + "] = " + record.Function[k] + ";\n";
    text += "}\n\n";
    return text;
}

// One Runge-Kutta step over the field function, with the operations of
// DynamicsEngine::rungeKuttaStep in the same order: k_i = h * f(stage),
// stages x + k1 * 0.5, x + k2 * 0.5, x + k3, and the weighted sum
// (((k2 + k3) * 2 + k4) + k1) * 0.16666666666666666 + x. Compiled without
// contraction, C evaluates these exactly as the engine does.
std::string stepFunctionText(const ModelRecord& record)
{
    const std::string n = std::to_string(record.Dimension);
    const std::string field = vectorFieldSymbol(record.ModelName);
    // One statement per component with constant indices, so that the
    // compiler keeps the stages in registers.
    const auto perComponent = [&](const std::string& statement) {
        std::string lines;
        for (int k = 0; k < record.Dimension; ++k) {
            std::string line = statement;
            for (std::size_t at = line.find("[k]"); at != std::string::npos; at = line.find("[k]", at))
                line.replace(at, 3, "[" + std::to_string(k) + "]");
            lines += "\t" + line + "\n";
        }
        return lines;
    };
    const auto stage = [&](const std::string& slope, const std::string& next) {
        return "\t" + field + "(s, Parameter, " + slope + ");\n" +
               perComponent(slope + "[k] = h * " + slope + "[k];") + perComponent("s[k] = " + next + ";");
    };
    std::string text = "__declspec(dllexport) void WINAPI " + rungeKuttaStepSymbol(record.ModelName) +
                       "(const double *State, const double *Parameter, double h, double *Next)\n{\n" +
                       "\tdouble k1[" + n + "], k2[" + n + "], k3[" + n + "], k4[" + n + "], s[" + n +
                       "];\n" + perComponent("s[k] = State[k];");
    text += stage("k1", "State[k] + k1[k] * 0.5");
    text += stage("k2", "State[k] + k2[k] * 0.5");
    text += stage("k3", "State[k] + k3[k]");
    text += "\t" + field + "(s, Parameter, k4);\n" + perComponent("k4[k] = h * k4[k];") +
            perComponent("Next[k] = (((k2[k] + k3[k]) * 2 + k4[k]) + k1[k]) * 0.16666666666666666 + State[k];") +
            "}\n\n";
    return text;
}

}  // namespace

std::string vectorFieldSymbol(std::string_view modelName)
{
    return "attrava_field_" + std::string(modelName);
}

std::string rungeKuttaStepSymbol(std::string_view modelName)
{
    return "attrava_step_" + std::string(modelName);
}

std::string vectorFieldSourceText(std::string_view listText)
{
    const std::vector<std::string> lines = linesOf(listText);
    std::vector<std::string> names;
    for (const std::string& line : lines)
        if (line.starts_with(kNameKey))
            names.push_back(line.substr(kNameKey.size()));
    const std::set<std::string> modelNames(names.begin(), names.end());

    std::string text = "/* Whole vector fields of the models of a model list, and Runge-Kutta\n"
                       "   steps over them, generated from the list source beside it. */\n"
                       "#include <windows.h>\n#include <math.h>\n\n";
    std::set<std::string> written;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].starts_with(kNameKey))
            continue;
        const std::string name = lines[i].substr(kNameKey.size());
        // The signature follows the path and date lines.
        std::size_t start = i + 1;
        while (start < lines.size() && lines[start].starts_with("//") &&
               !lines[start].starts_with(kNameKey))
            ++start;
        if (start >= lines.size() || lines[start] != std::string(kFunctionStart) + name +
                                         "(int *Dimension, double *Variable, double *Parameter, "
                                         "double *Input_Data)")
            continue;
        const auto end = std::find(lines.begin() + static_cast<std::ptrdiff_t>(start), lines.end(), "}");
        if (end == lines.end())
            continue;
        const std::vector<std::string> function(lines.begin() + static_cast<std::ptrdiff_t>(start),
                                                end + 1);
        ModelRecord record;
        // A name given twice, or whose field or step symbol is itself a
        // model's name, gets no field function: the library would not link or be ambiguous.
        if (std::count(names.begin(), names.end(), name) != 1 ||
            modelNames.count(vectorFieldSymbol(name)) != 0 ||
            modelNames.count(rungeKuttaStepSymbol(name)) != 0 || !written.insert(name).second ||
            !readModelFunction(function, name, record))
            continue;
        text += fieldFunctionText(record, function);
        text += stepFunctionText(record);
    }
    return text;
}

std::string vectorFieldSourcePath(const std::string& listPath)
{
    const std::string fileName = fileNameOf(listPath);
    return folderOf(listPath) + fileName.substr(0, fileName.rfind('.')) + ".fields.c";
}
