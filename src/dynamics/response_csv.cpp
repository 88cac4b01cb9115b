#include "dynamics/response_csv.h"

#include "dynamics/dynamics_engine.h"
#include "dynamics/kaplan_yorke.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// The shortest text that reads back as the same double; "-" for a value that
// is not a finite number and so does not exist.
void appendNumber(std::string& text, double value)
{
    if (!std::isfinite(value)) {
        text += '-';
        return;
    }
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    text.append(digits, result.ptr);
}

}  // namespace

std::string responseCsvHeader(int n)
{
    std::string text = "point";
    for (int k = 0; k < n; ++k)
        text += std::string(",lambda_") + variableLetter(k);
    return text + ",DL\n";
}

std::string responseCsv(const DynamicsEngine& engine)
{
    const int n = std::clamp(engine.recordInUse.Dimension, 1, kMaxVariables);
    std::string text = responseCsvHeader(n);
    if (engine.spectrumResponse.size() < static_cast<std::size_t>(n))
        return text;

    // Entry i holds the estimate after step i + 1; the last valid point ends
    // the last step.
    std::size_t rows = static_cast<std::size_t>(std::max(engine.recordInUse.validPointCount - 1, 0));
    for (int k = 0; k < n; ++k)
        rows = std::min(rows, engine.spectrumResponse[static_cast<std::size_t>(k)].size());
    StateVector estimate;
    for (std::size_t i = 0; i < rows; ++i) {
        text += std::to_string(i + 1);
        for (int k = 0; k < n; ++k) {
            estimate[k] = engine.spectrumResponse[static_cast<std::size_t>(k)][i];
            text += ',';
            appendNumber(text, estimate[k]);
        }
        text += ',';
        appendNumber(text, kaplanYorkeDimension(estimate, n));
        text += '\n';
    }
    return text;
}
