// Model file reading and writing. Reading is key-driven: each piece of the
// file is tested against every key, and a key's value is taken from just after
// the key's length counted from the start of the piece. Numbers are read and
// written independently of the process locale, always with "." as the decimal
// point, so files stay exchangeable whatever locale the program runs in.
#include "models/model_record.h"

#include "models/file_replace.h"
#include "models/model_paths.h"
#include "models/reporter.h"
#include "models/text_io.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

namespace {

// Leading white space and a "+" sign, which the number parsers below do not take.
std::string_view skipToNumber(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || (text.front() >= '\t' && text.front() <= '\r')))
        text.remove_prefix(1);
    if (text.size() > 1 && text.front() == '+' && text[1] != '+' && text[1] != '-')
        text.remove_prefix(1);
    return text;
}

// Like atoi: leading blanks and a sign, then digits; 0 without a number.
int parseInt(std::string_view text)
{
    text = skipToNumber(text);
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0;
}

// Like sscanf "%lf": false (and value untouched) without a number.
bool parseDouble(std::string_view text, double& value)
{
    text = skipToNumber(text);
    double parsed = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (result.ec != std::errc())
        return false;
    value = parsed;
    return true;
}

// The sampling count, held to kMinSamplingPoints .. kMaxSamplingPoints. The
// orbit arrays are sized by it, so a larger stored count (a file edited by
// hand) is read as the largest count the sampling window accepts rather than
// asking for gigabytes; no number or a count below one reads as one.
int parseSamplingCount(std::string_view text)
{
    text = skipToNumber(text);
    long long value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = text.starts_with('-') ? kMinSamplingPoints : kMaxSamplingPoints;
    return static_cast<int>(
        std::clamp<long long>(value, kMinSamplingPoints, kMaxSamplingPoints));
}

// Like atof: 0 without a number.
double parseDoubleOrZero(std::string_view text)
{
    double value = 0.0;
    parseDouble(text, value);
    return value;
}

// The value part of line for key: from valueOffset characters into the line
// (the key's length unless given), or nothing when the key does not occur.
std::optional<std::string_view> valueOf(const std::string& line, std::string_view key,
                                        std::size_t valueOffset = std::string_view::npos)
{
    if (line.find(key) == std::string::npos)
        return std::nullopt;
    const std::size_t offset = valueOffset == std::string_view::npos ? key.size() : valueOffset;
    return std::string_view(line).substr(std::min(offset, line.size()));
}

// Reads count values separated by ","; a list with fewer values repeats its
// last one, extra values are ignored, an unreadable value keeps the element.
void readValueList(std::string_view text, double* values, int count)
{
    for (int k = 0; k < count; ++k) {
        parseDouble(text, values[k]);
        if (k + 1 < count) {
            const std::size_t comma = text.find(',');
            if (comma != std::string_view::npos)
                text.remove_prefix(comma + 1);
        }
    }
}

void readVector3(std::string_view text, Vector3& vector)
{
    double values[3] = {vector.x, vector.y, vector.z};
    readValueList(text, values, 3);
    vector = Vector3(values[0], values[1], values[2]);
}

std::string withoutLineEnds(std::string text)
{
    std::erase_if(text, [](char c) { return c == '\n' || c == '\r'; });
    return text;
}

bool dimensionsInRange(const ModelRecord& record)
{
    return record.Dimension >= 1 && record.Dimension <= kMaxVariables && record.Parameter >= 0 &&
           record.Parameter <= kMaxParameters;
}

// Reads the pieces of an open model file into record. Says why it failed
// when the file holds a Dimension or Parameter the record cannot hold, or a
// sampling interval that is not a positive number.
std::optional<FailureKind> readModelFile(std::FILE* file, ModelRecord& record)
{
    TextPieceReader reader(file);
    std::string line;
    while (reader.next(line)) {
        if (auto value = valueOf(line, "Dimension = "))
            record.Dimension = parseInt(*value);
        if (auto value = valueOf(line, "Parameter = "))
            record.Parameter = parseInt(*value);
        if (!dimensionsInRange(record))
            return FailureKind::ModelFileBadCounts;
        if (valueOf(line, "Function")) {
            // At end of file the remaining equations repeat the last piece read.
            for (int k = 0; k < record.Dimension; ++k) {
                reader.next(line);
                record.Function[k] = withoutLineEnds(line);
            }
        }
        if (auto value = valueOf(line, "Setting =", 10))
            readValueList(*value, record.Setting.c, record.Dimension);
        if (auto value = valueOf(line, "Sampling_Interval = "))
            record.Sampling_Interval = parseDoubleOrZero(*value);
        if (auto value = valueOf(line, "Sampling_Point = "))
            record.Sampling_Point = parseSamplingCount(*value);
        if (auto value = valueOf(line, "Auto_Sampling_Interval_Flag = "))
            record.Auto_Sampling_Interval_Flag = parseInt(*value);
        if (auto value = valueOf(line, "Auto_Sampling_Interval_Upsilon = "))
            record.Auto_Sampling_Interval_Upsilon = parseDoubleOrZero(*value);
        if (auto value = valueOf(line, "Parameter_Default = "))
            readValueList(*value, record.Parameter_Default, record.Parameter);
        if (auto value = valueOf(line, "Parameter_Min = "))
            readValueList(*value, record.Parameter_Min, record.Parameter);
        if (auto value = valueOf(line, "Parameter_Max = "))
            readValueList(*value, record.Parameter_Max, record.Parameter);
        if (auto value = valueOf(line, "Display_Scale = "))
            record.Display_Scale = parseDoubleOrZero(*value);
        if (auto value = valueOf(line, "Display_Position = "))
            readVector3(*value, record.Display_Position);
        if (auto value = valueOf(line, "Phase_Space_Sise = "))
            record.Phase_Space_Sise = parseDoubleOrZero(*value);
        if (auto value = valueOf(line, "Phase_Space_Position = "))
            readValueList(*value, record.Phase_Space_Position.c, 3);
    }
    if (std::ferror(file))
        return FailureKind::ModelFileUnreadable;
    if (!isUsableSamplingInterval(record.Sampling_Interval))
        return FailureKind::SamplingIntervalInvalid;
    return std::nullopt;
}

std::string fixed(double value, int decimals)
{
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

// The interval as "%lf" writes it when that reads back as the same value (so
// the usual intervals keep their six decimals), else the shortest plain
// decimal that does: an interval of 1e-7 must not be stored as 0.000000.
std::string intervalText(double value)
{
    const std::string six = fixed(value, 6);
    double back = 0.0;
    if (parseDouble(six, back) && back == value)
        return six;
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    const std::string shortest(buffer, result.ptr);
    if (shortest.size() < TextPieceReader::kMaxPiece / 2)
        return shortest;
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

std::string valueLine(std::string_view key, const double* values, int count)
{
    std::string line(key);
    for (int k = 0; k < count; ++k) {
        if (k > 0)
            line += ',';
        line += fixed(values[k], 6);
    }
    return line + '\n';
}

std::string modelFileText(const ModelRecord& record)
{
    const double position[3] = {record.Display_Position.x, record.Display_Position.y,
                                record.Display_Position.z};
    std::string text = "//Model File\n";
    text += "Dimension = " + std::to_string(record.Dimension) + '\n';
    text += "Parameter = " + std::to_string(record.Parameter) + '\n';
    text += "Function\n";
    for (int k = 0; k < record.Dimension; ++k)
        text += record.Function[k] + '\n';
    text += valueLine("Setting = ", record.Setting.c, record.Dimension);
    text += "Sampling_Interval = " + intervalText(record.Sampling_Interval) + '\n';
    text += "Sampling_Point = " + std::to_string(record.Sampling_Point) + '\n';
    text += "Auto_Sampling_Interval_Flag = " + std::to_string(record.Auto_Sampling_Interval_Flag) + '\n';
    text += "Auto_Sampling_Interval_Upsilon = " + fixed(record.Auto_Sampling_Interval_Upsilon, 10) + '\n';
    if (record.Parameter > 0) {
        text += valueLine("Parameter_Default = ", record.Parameter_Default, record.Parameter);
        text += valueLine("Parameter_Min = ", record.Parameter_Min, record.Parameter);
        text += valueLine("Parameter_Max = ", record.Parameter_Max, record.Parameter);
    }
    text += "Display_Scale = " + fixed(record.Display_Scale, 6) + '\n';
    text += valueLine("Display_Position = ", position, 3);
    text += "Phase_Space_Sise = " + fixed(record.Phase_Space_Sise, 6) + '\n';
    text += valueLine("Phase_Space_Position = ", record.Phase_Space_Position.c, 3);
    return text;
}

}  // namespace

bool isUsableSamplingInterval(double interval)
{
    return interval > 0.0 && std::isfinite(interval);
}

bool ModelRecord::Read(Reporter& reporter)
{
    FileHandle file = openForReading(withSlashes(ModelFileDir));
    ModelRecord read = *this;
    const std::optional<FailureKind> failed =
        file ? readModelFile(file.get(), read) : FailureKind::ModelFileUnreadable;
    if (failed) {
        Failure failure{*failed, ModelFileDir};
        failure.value = read.Sampling_Interval;
        reporter.report(failure);
        return false;
    }
    *this = read;
    return true;
}

bool ModelRecord::Write(Reporter& reporter) const
{
    if (ModelFileDir.empty() || !dimensionsInRange(*this) ||
        !replaceFileContents(withSlashes(ModelFileDir), modelFileText(*this))) {
        reporter.report({FailureKind::ModelFileUnwritable, ModelFileDir});
        return false;
    }
    return true;
}
