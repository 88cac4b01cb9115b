#include "cli/scan_options.h"

#include "cli/model_options.h"
#include "cli/option_checks.h"

#include <cmath>

namespace {

constexpr long kMaxCount = 100000;
// Transient and analysed points together, per value.
constexpr long kMaxPointsPerValue = 10000000;
// Values of a scan (cells of a grid); each keeps a few dozen bytes besides
// its recorded values, even in a shard that does not compute it.
constexpr long long kMaxCells = 4000000;

// The text in double quotes.
std::string quoted(std::string_view text)
{
    std::string result(1, '"');
    result += text;
    result += '"';
    return result;
}

int letterIndex(std::string_view letters, std::string_view text)
{
    if (text.size() != 1)
        return -1;
    const std::size_t at = letters.find(text[0]);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

}  // namespace

std::string parseScanAxis(std::string_view text, ScanAxis& axis)
{
    const std::string problem = quoted(text) + " is not NAME=FROM:TO:COUNT (NAME a .. j, COUNT 1 .. " +
                                std::to_string(kMaxCount) + ")";
    const std::size_t equals = text.find('=');
    const std::size_t colon1 = text.find(':', equals + 1);
    const std::size_t colon2 = colon1 == std::string_view::npos ? colon1 : text.find(':', colon1 + 1);
    if (equals == std::string_view::npos || colon2 == std::string_view::npos)
        return problem;
    axis.parameter = letterIndex(kParameterLetters, text.substr(0, equals));
    const std::optional<double> from = finiteNumber(text.substr(equals + 1, colon1 - equals - 1));
    const std::optional<double> to = finiteNumber(text.substr(colon1 + 1, colon2 - colon1 - 1));
    const std::optional<long> count = wholeNumber(text.substr(colon2 + 1), 1, kMaxCount);
    if (axis.parameter < 0 || !from || !to || !count)
        return problem;
    axis.from = *from;
    axis.to = *to;
    axis.count = static_cast<int>(*count);
    return {};
}

std::string parseSectionPlane(std::string_view text, int& variable, double& level)
{
    const std::size_t equals = text.find('=');
    const std::optional<double> value =
        equals == std::string_view::npos ? std::nullopt : finiteNumber(text.substr(equals + 1));
    if (!value || (variable = letterIndex(kVariableLetters, text.substr(0, equals))) < 0)
        return quoted(text) + " is not L=C (L one of x, y, z, w, v, u)";
    level = *value;
    return {};
}

std::string parseShard(std::string_view text, int& index, int& count)
{
    const std::size_t slash = text.find('/');
    const std::optional<long> shards =
        slash == std::string_view::npos ? std::nullopt : wholeNumber(text.substr(slash + 1), 1, kMaxCount);
    const std::optional<long> shard = shards ? wholeNumber(text.substr(0, slash), 0, *shards - 1) : std::nullopt;
    if (!shard)
        return quoted(text) + " is not K/N with 0 <= K < N";
    index = static_cast<int>(*shard);
    count = static_cast<int>(*shards);
    return {};
}

std::string parseScanKind(std::string_view text, ScanKind& kind)
{
    if (text == "maxima")
        kind = ScanKind::Maxima;
    else if (text == "section")
        kind = ScanKind::Section;
    else if (text == "spectrum")
        kind = ScanKind::Spectrum;
    else
        return "unknown scan kind " + quoted(text) + " (maxima, section or spectrum)";
    return {};
}

std::string parseVariableLetter(std::string_view text, int& variable)
{
    variable = letterIndex(kVariableLetters, text);
    if (variable < 0)
        return quoted(text) + " is not a variable (x, y, z, w, v, u)";
    return {};
}

std::string scanSettingsProblem(const ModelRecord& record, const ScanSettings& settings)
{
    const auto parameterProblem = [&](const ScanAxis& axis) -> std::string {
        if (axis.parameter >= record.Parameter)
            return std::string("parameter ") + parameterLetter(axis.parameter) +
                   " is not used by the model (it has " + std::to_string(record.Parameter) +
                   " parameters)";
        return {};
    };
    const auto variableProblem = [&](int variable) -> std::string {
        if (variable >= record.Dimension)
            return std::string("variable ") + variableLetter(variable) +
                   " is not used by the model (it has " + std::to_string(record.Dimension) +
                   " variables)";
        return {};
    };
    std::string problem = parameterProblem(settings.axis);
    if (problem.empty() && settings.axis2) {
        problem = parameterProblem(*settings.axis2);
        if (problem.empty() && settings.axis2->parameter == settings.axis.parameter)
            problem = "the two scanned parameters must differ";
    }
    if (problem.empty() && settings.axis2 &&
        static_cast<long long>(settings.axis.count) * settings.axis2->count > kMaxCells)
        problem = "a grid may have at most " + std::to_string(kMaxCells) + " cells";
    if (problem.empty() && settings.kind != ScanKind::Spectrum)
        problem = variableProblem(settings.variable);
    if (problem.empty() && settings.kind == ScanKind::Section)
        problem = variableProblem(settings.sectionVariable);
    if (problem.empty() && (settings.transient < 0 || settings.points < 1 ||
                            static_cast<long>(settings.transient) + settings.points > kMaxPointsPerValue))
        problem = "transient and points must be >= 0 and >= 1, together at most " +
                  std::to_string(kMaxPointsPerValue);
    return problem;
}
