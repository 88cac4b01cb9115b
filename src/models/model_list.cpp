// Generation and editing of the model list source. A model block is found by
// its two comment lines: the name line and, right after it, the line naming
// the model file. Every change is written to a new file that replaces the list
// only once it is complete, so a failure leaves the previous list intact.
#include "models/model_list.h"

#include "models/equation_check.h"
#include "models/file_replace.h"
#include "models/model_library.h"
#include "models/model_paths.h"
#include "models/model_record.h"
#include "models/reporter.h"
#include "models/reserved_names.h"
#include "models/text_io.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <optional>

namespace {

constexpr std::string_view kListHead =
    "#include <windows.h>\n"
    "#include <math.h>\n"
    "__declspec(dllexport) void WINAPI dllmain(void){}\n\n";

constexpr std::string_view kNameKey = "//ModelName = ";
constexpr std::string_view kPathKey = "//ModelFileDir = ";

std::string withoutLineEnds(std::string_view text)
{
    std::string result(text);
    std::erase_if(result, [](char c) { return c == '\n' || c == '\r'; });
    return result;
}

std::string currentDateTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    const std::size_t length = std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", &local);
    return std::string(text, length);
}

Failure refusal(FailureKind kind, const ModelRecord& record)
{
    Failure failure{kind};
    failure.name = record.ModelName;
    failure.path = record.ModelFileDir;
    return failure;
}

// Why the record's block must not go into the list, or nothing when it may.
// A block is written only when it compiles to a function of the model's name.
std::optional<Failure> refusalToWrite(const ModelRecord& record)
{
    if (!isValidModelName(record.ModelName))
        return refusal(FailureKind::ModelNameInvalid, record);
    if (isReservedName(record.ModelName))
        return refusal(FailureKind::ModelNameReserved, record);
    if (record.ModelFileDir.find_first_of("\r\n") != std::string::npos)
        return refusal(FailureKind::ModelPathHasLineBreak, record);
    if (record.Dimension < 1 || record.Dimension > kMaxVariables || record.Parameter < 0 ||
        record.Parameter > kMaxParameters)
        return refusal(FailureKind::ModelCountsOutOfRange, record);
    return checkModelEquations(record);
}

// Why the block must not go into the list although it passed the checks
// above, or nothing: it does not compile on its own with the list's head. A
// list compiles as one unit, so one such block would break every model.
std::optional<Failure> compileRefusal(const ModelRecord& record, const std::string& block)
{
    const CompileResult result = CheckCompiles(std::string(kListHead) + block);
    if (result.ok)
        return std::nullopt;
    Failure failure{FailureKind::CompileFailed};
    failure.name = record.ModelName;
    failure.detail = result.diagnostics;
    return failure;
}

bool listHasModel(const std::string& listPath, const std::string& name)
{
    std::vector<ModelListEntry> entries;
    readListEntries(listPath, entries);
    return std::any_of(entries.begin(), entries.end(),
                       [&](const ModelListEntry& entry) { return entry.name == name; });
}

bool readPieces(const std::string& path, std::vector<std::string>& pieces)
{
    FileHandle file = openForReading(path);
    if (!file)
        return false;
    TextPieceReader reader(file.get());
    std::string piece;
    while (reader.next(piece))
        pieces.push_back(piece);
    return !std::ferror(file.get());
}

// Copies the list with the block of (oldName, oldPath) dropped, or replaced by
// newBlock when one is given. Returns whether the block was found.
bool rewritePieces(const std::vector<std::string>& pieces, const std::string& listFolder,
                   const std::string& oldName, const std::string& oldPath,
                   const std::string* newBlock, std::string& out)
{
    enum class State { Before, NameSeen, Inside, ClosingBlank, After };
    const std::string nameLine = std::string(kNameKey) + oldName + "\n";
    const std::string oldResolved = resolveAgainst(oldPath, listFolder);
    const auto isOldPathLine = [&](const std::string& piece) {
        return piece.starts_with(kPathKey) &&
               isSameFile(resolveAgainst(withoutLineEnds(piece.substr(kPathKey.size())), listFolder),
                          oldResolved);
    };

    State state = State::Before;
    const std::string* heldNameLine = nullptr;
    bool found = false;
    for (const std::string& piece : pieces) {
        switch (state) {
        case State::NameSeen:
            if (isOldPathLine(piece)) {
                state = State::Inside;
                found = true;
                break;
            }
            out += *heldNameLine;
            state = State::Before;
            [[fallthrough]];
        case State::Before:
            if (piece.find(nameLine) != std::string::npos) {
                heldNameLine = &piece;
                state = State::NameSeen;
            } else {
                out += piece;
            }
            break;
        case State::Inside:
            if (piece.find("}\n") != std::string::npos) {
                if (newBlock)
                    out += *newBlock;
                state = State::ClosingBlank;
            }
            break;
        case State::ClosingBlank:
            state = State::After;
            if (piece != "\n")
                out += piece;
            break;
        case State::After:
            out += piece;
            break;
        }
    }
    // A list that ends inside the matched block still gets the new block, and a
    // name line at the very end is kept.
    if (state == State::NameSeen)
        out += *heldNameLine;
    if (state == State::Inside && newBlock)
        out += *newBlock;
    return found;
}

bool rewriteList(const std::string& listPath, const std::string& oldName,
                 const std::string& oldPath, const std::string* newBlock, Reporter& reporter)
{
    const std::string path = withSlashes(listPath);
    std::vector<std::string> pieces;
    if (!readPieces(path, pieces)) {
        reporter.report({FailureKind::ListUnreadable, path});
        return false;
    }
    std::string out;
    if (!rewritePieces(pieces, folderOf(path), oldName, oldPath, newBlock, out))
        return true;  // the model is not in the list: nothing to change
    if (!replaceFileContents(path, out)) {
        reporter.report({FailureKind::ListUnreadable, path});
        return false;
    }
    return true;
}

}  // namespace

std::string modelBlockText(const ModelRecord& record)
{
    return std::string(kNameKey) + record.ModelName + "\n" + std::string(kPathKey) +
           record.ModelFileDir + "\n" + "//" + currentDateTime() + "\n" +
           modelFunctionText(record) + "\n";
}

std::string modelFunctionText(const ModelRecord& record)
{
    const std::string& name = record.ModelName;
    std::string text = "__declspec(dllexport) double WINAPI " + name +
            "(int *Dimension, double *Variable, double *Parameter, double *Input_Data)\n{\n";
    text += "\tdouble Solution;\n";
    text += "\tdouble ";
    for (int k = 0; k < record.Dimension; ++k) {
        text += std::string(k > 0 ? ", " : "") + variableLetter(k) + " = Variable[" +
                std::to_string(k) + "]";
    }
    text += ";\n";
    if (record.Parameter > 0) {
        text += "\tdouble ";
        for (int k = 0; k < record.Parameter; ++k) {
            text += std::string(k > 0 ? ", " : "") + parameterLetter(k) + " = Parameter[" +
                    std::to_string(k) + "]";
        }
        text += ";\n\n";
    }
    for (int k = 0; k < record.Dimension; ++k) {
        text += k == 0 ? std::string("\tif(Dimension[0] == 0)\n")
                       : "\telse if(Dimension[0] == " + std::to_string(k) + ")\n";
        text += "\t\tSolution = " + record.Function[k] + ";\n";
    }
    text += "\treturn Solution;\n}\n";
    return text;
}

bool CreateList(const std::string& listPath, Reporter& reporter)
{
    if (!replaceFileContents(withSlashes(listPath), kListHead)) {
        reporter.report({FailureKind::ListUncreatable, listPath});
        return false;
    }
    return true;
}

bool AppendModel(const std::string& listPath, const ModelRecord& record, Reporter& reporter)
{
    if (const auto refused = refusalToWrite(record)) {
        reporter.report(*refused);
        return false;
    }
    if (listHasModel(listPath, record.ModelName)) {
        reporter.report(refusal(FailureKind::ModelNameTaken, record));
        return false;
    }
    const std::string block = modelBlockText(record);
    if (const std::optional<Failure> refused = compileRefusal(record, block)) {
        reporter.report(*refused);
        return false;
    }
    // Appending to a list that does not exist yet creates it.
    const std::string path = withSlashes(listPath);
    std::string bytes;
    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    if (exists && !readFileBytes(path, bytes)) {
        reporter.report({FailureKind::ListUnreadable, path});
        return false;
    }
    // A list edited by hand may lack its last line end; the block still
    // starts on a line of its own.
    if (!bytes.empty() && bytes.back() != '\n')
        bytes += '\n';
    if (!replaceFileContents(path, bytes + block)) {
        reporter.report({FailureKind::ListUnreadable, path});
        return false;
    }
    return true;
}

bool ReplaceModel(const std::string& listPath, const ModelRecord& record,
                  const std::string& oldName, const std::string& oldPath, Reporter& reporter)
{
    if (const auto refused = refusalToWrite(record)) {
        reporter.report(*refused);
        return false;
    }
    if (record.ModelName != oldName && listHasModel(listPath, record.ModelName)) {
        reporter.report(refusal(FailureKind::ModelNameTaken, record));
        return false;
    }
    const std::string block = modelBlockText(record);
    if (const std::optional<Failure> refused = compileRefusal(record, block)) {
        reporter.report(*refused);
        return false;
    }
    return rewriteList(listPath, oldName, oldPath, &block, reporter);
}

bool RemoveModel(const std::string& listPath, const std::string& oldName,
                 const std::string& oldPath, Reporter& reporter)
{
    return rewriteList(listPath, oldName, oldPath, nullptr, reporter);
}

bool readListEntries(const std::string& listPath, std::vector<ModelListEntry>& entries)
{
    entries.clear();
    const std::string path = withSlashes(listPath);
    FileHandle file = openForReading(path);
    if (!file)
        return false;
    // Names and paths are collected as two parallel lists: the i-th path line
    // belongs to the i-th name line.
    const std::string folder = folderOf(path);
    std::vector<std::string> paths;
    TextPieceReader reader(file.get());
    std::string piece;
    while (reader.next(piece)) {
        if (piece.find(kNameKey) != std::string::npos)
            entries.push_back({withoutLineEnds(piece.substr(kNameKey.size())), {}, {}});
        if (piece.find(kPathKey) != std::string::npos)
            paths.push_back(withoutLineEnds(piece.substr(kPathKey.size())));
    }
    for (std::size_t i = 0; i < entries.size() && i < paths.size(); ++i) {
        entries[i].storedPath = paths[i];
        entries[i].resolvedPath = resolveAgainst(paths[i], folder);
    }
    return true;
}
