#include "cli/analysis_report.h"

#include <optional>
#include <string>
#include <vector>

namespace {

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

std::string optionalNumber(const std::optional<int>& value, const char* missing)
{
    return value ? std::to_string(*value) : missing;
}

std::string array(const std::vector<double>& values)
{
    std::string text = "[";
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (k > 0)
            text += ',';
        text += number(values[k]);
    }
    text += ']';
    return text;
}

}  // namespace

void printEmbeddingAdvice(std::FILE* out, const EmbeddingAdvice& advice, bool json)
{
    if (json) {
        std::fprintf(out, "{\"delay\":%s,\"dimension\":%s,\"ami\":%s,\"fnn\":%s}\n",
                     optionalNumber(advice.delay, "null").c_str(),
                     optionalNumber(advice.dimension, "null").c_str(),
                     array(advice.mutualInformation).c_str(), array(advice.falseFractions).c_str());
        return;
    }
    std::fprintf(out, "delay %s\ndimension %s\n", optionalNumber(advice.delay, "none").c_str(),
                 optionalNumber(advice.dimension, "none").c_str());
}

void printSeriesLyapunov(std::FILE* out, const SeriesLyapunovResult& result, int dimension,
                         int delay, double samplingInterval, bool json)
{
    if (json) {
        std::fprintf(out,
                     "{\"lambda\":%s,\"dimension\":%d,\"delay\":%d,\"dt\":%s,\"theiler\":%d,"
                     "\"steps\":%zu,\"fit\":{\"first\":%d,\"last\":%d,\"slope\":%s,"
                     "\"intercept\":%s},\"divergence\":%s}\n",
                     number(result.exponent).c_str(), dimension, delay,
                     number(samplingInterval).c_str(), result.theilerWindow,
                     result.divergence.size() - 1, result.fitFirst, result.fitLast,
                     number(result.slope).c_str(), number(result.intercept).c_str(),
                     array(result.divergence).c_str());
        return;
    }
    std::fprintf(out, "lambda %s\n", number(result.exponent).c_str());
}

void printRecurrenceQuantities(std::FILE* out, const RecurrenceQuantities& q, int theilerWindow,
                               bool json)
{
    const std::pair<const char*, std::string> measures[] = {
        {"RR", number(q.RR)},     {"DET", number(q.DET)},   {"L", number(q.L)},
        {"Lmax", std::to_string(q.Lmax)}, {"ENTR", number(q.ENTR)}, {"LAM", number(q.LAM)},
        {"TT", number(q.TT)}};
    if (json) {
        std::fprintf(out, "{\"eps\":%s,\"theiler\":%d", number(q.epsilon).c_str(), theilerWindow);
        for (const auto& [name, value] : measures)
            std::fprintf(out, ",\"%s\":%s", name, value.c_str());
        std::fprintf(out, "}\n");
        return;
    }
    for (const auto& [name, value] : measures)
        std::fprintf(out, "%s %s\n", name, value.c_str());
}
