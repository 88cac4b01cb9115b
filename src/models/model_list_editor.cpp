#include "models/model_list_editor.h"

#include "models/model_paths.h"
#include "models/model_record.h"
#include "models/reporter.h"

#include <cctype>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// An absolute path with "." and ".." folded and symbolic links of its
// existing part resolved, so that two spellings of one folder compare equal.
std::string absoluteNormal(const std::string& path)
{
    std::error_code ec;
    fs::path normal = fs::weakly_canonical(fs::absolute(withSlashes(path), ec), ec);
    if (ec)
        normal = fs::absolute(withSlashes(path)).lexically_normal();
    return normal.string();
}

}  // namespace

ModelListEditor::ModelListEditor(ModelRecord& record, std::string& documentListPath,
                                 std::string programFolder, Reporter& reporter)
    : compiler(Compile),
      record_(record),
      documentListPath_(documentListPath),
      programFolder_(std::move(programFolder)),
      reporter_(reporter),
      listPath_(documentListPath)
{
    compileFailed = [this](const std::string& modelName, const CompileResult& result) {
        Failure failure{FailureKind::CompileFailed};
        failure.name = modelName;
        failure.detail = result.diagnostics;
        reporter_.report(failure);
    };
}

std::string ModelListEditor::resolvedListPath() const
{
    return listPath_.empty() ? std::string() : computeLibraryPaths(programFolder_, listPath_).listPath;
}

std::string ModelListEditor::listFolder() const
{
    if (listPath_.empty())
        return {};
    std::string folder = absoluteNormal(folderOf(resolvedListPath()));
    if (folder.back() != '/')
        folder.push_back('/');
    return folder;
}

bool ModelListEditor::fill()
{
    if (listPath_.empty())
        return false;
    entries_.clear();
    selected_ = -1;
    if (!readListEntries(resolvedListPath(), entries_)) {
        listPath_.clear();
        return false;
    }
    select(0);
    return true;
}

std::string ModelListEditor::proposedListPath() const
{
    return listPath_.empty() ? withSlashes(programFolder_) + "model/Eqnbank.c" : resolvedListPath();
}

std::string ModelListEditor::proposedNewListPath() const
{
    const std::string folder = listPath_.empty() ? withSlashes(programFolder_) + "model/" : listFolder();
    std::string stem = listPath_.empty() ? std::string() : fs::path(withSlashes(listPath_)).stem().string();
    // A trailing number of the name is replaced, not extended.
    while (!stem.empty() && std::isdigit(static_cast<unsigned char>(stem.back())))
        stem.pop_back();
    if (stem.empty())
        stem = "Eqnbank";
    std::error_code ec;
    for (int n = 0;; ++n) {
        const std::string candidate = folder + stem + (n == 0 ? std::string() : std::to_string(n)) + ".c";
        if (!fs::exists(candidate, ec))
            return candidate;
    }
}

bool ModelListEditor::chooseList(const std::string& path)
{
    listPath_ = path;
    documentListPath_ = path;
    return fill();
}

bool ModelListEditor::createList(const std::string& path)
{
    if (!CreateList(path, reporter_))
        return false;
    listPath_ = path;
    documentListPath_ = path;
    entries_.clear();
    selected_ = -1;
    return true;
}

void ModelListEditor::forgetList()
{
    listPath_.clear();
    entries_.clear();
    selected_ = -1;
}

void ModelListEditor::select(int index)
{
    selected_ = index >= 0 && index < static_cast<int>(entries_.size()) ? index : -1;
}

std::string ModelListEditor::selectedPath() const
{
    return selected_ < 0 ? std::string() : entries_[static_cast<std::size_t>(selected_)].resolvedPath;
}

bool ModelListEditor::readRecordFile()
{
    return record_.Read(reporter_);
}

bool ModelListEditor::loadSelected()
{
    if (selected_ < 0) {
        reporter_.report({FailureKind::NoModelChosen});
        return false;
    }
    const ModelListEntry& entry = entries_[static_cast<std::size_t>(selected_)];
    record_.ModelName = entry.name;
    record_.ModelFileDir = entry.resolvedPath;
    return readRecordFile();
}

std::string ModelListEditor::relativeToList(const std::string& path) const
{
    const std::string absolute = absoluteNormal(path);
    const std::string folder = listFolder();
    if (!folder.empty() && absolute.starts_with(folder) && absolute.size() > folder.size())
        return "./" + absolute.substr(folder.size());
    return absolute;
}

bool ModelListEditor::readChosenModelFile(const std::string& path)
{
    const std::string previousName = record_.ModelName;
    const std::string previousPath = record_.ModelFileDir;
    const std::string listForm = relativeToList(path);
    // The file is read at its full path; the record keeps the form the list
    // stores.
    record_.ModelFileDir = absoluteNormal(path);
    if (!readRecordFile()) {
        record_.ModelName = previousName;
        record_.ModelFileDir = previousPath;
        return false;
    }
    record_.ModelFileDir = listForm;
    record_.ModelName = fs::path(withSlashes(path)).stem().string();
    return true;
}

void ModelListEditor::resetRecord()
{
    ModelRecord fresh;
    fresh.Basis_Axis_Mode = record_.Basis_Axis_Mode;
    fresh.Color_Axis_Number = record_.Color_Axis_Number;
    record_ = fresh;
}

bool ModelListEditor::requireList()
{
    if (listPath_.empty()) {
        reporter_.report({FailureKind::NoListChosen});
        return false;
    }
    return true;
}

bool ModelListEditor::beginEdit(EditSession& session)
{
    if (selected_ < 0) {
        reporter_.report({FailureKind::NoModelChosenToEdit});
        return false;
    }
    if (!loadSelected())
        return false;
    session.oldName = record_.ModelName;
    session.oldPath = record_.ModelFileDir;
    return true;
}

ModelListEntry ModelListEditor::entryFor(const ModelRecord& record) const
{
    return {record.ModelName, record.ModelFileDir, resolveAgainst(record.ModelFileDir, listFolder())};
}

EditorResult ModelListEditor::takeEditorResult(EditorMode mode, bool saved, const EditSession& session)
{
    if (!requireList())
        return EditorResult::Refused;
    const std::string listPath = resolvedListPath();
    if (mode == EditorMode::Edit) {
        if (!saved)
            return EditorResult::Unchanged;
        if (!ReplaceModel(listPath, record_, session.oldName, session.oldPath, reporter_))
            return EditorResult::Refused;
        if (selected_ >= 0)
            entries_[static_cast<std::size_t>(selected_)] = entryFor(record_);
    } else {
        if (!AppendModel(listPath, record_, reporter_))
            return EditorResult::Refused;
        entries_.push_back(entryFor(record_));
        select(static_cast<int>(entries_.size()) - 1);
    }
    return EditorResult::Taken;
}

bool ModelListEditor::finishEditor(EditorMode mode, bool saved, const EditSession& session)
{
    switch (takeEditorResult(mode, saved, session)) {
    case EditorResult::Refused:
        return false;
    case EditorResult::Unchanged:
        return true;
    case EditorResult::Taken:
        break;
    }
    return compileLibrary(record_.ModelName);
}

bool ModelListEditor::removeSelected()
{
    if (selected_ < 0) {
        reporter_.report({FailureKind::NoModelChosenToRemove});
        return false;
    }
    // The block is found by its name and path; the model file itself need not
    // exist any more, so it is not read.
    const ModelListEntry entry = entries_[static_cast<std::size_t>(selected_)];
    if (!RemoveModel(resolvedListPath(), entry.name, entry.resolvedPath, reporter_))
        return false;
    entries_.erase(entries_.begin() + selected_);
    select(0);
    return compileLibrary(entry.name);
}

bool ModelListEditor::libraryExists() const
{
    const ModelLibraryPaths paths = computeLibraryPaths(programFolder_, documentListPath_);
    return std::ifstream(paths.libraryPath, std::ios::binary).is_open();
}

bool ModelListEditor::compileLibrary(const std::string& modelName)
{
    if (releaseBinding)
        releaseBinding();
    const CompileResult result = compiler(computeLibraryPaths(programFolder_, documentListPath_));
    if (!result.ok && compileFailed)
        compileFailed(modelName, result);
    return result.ok;
}

bool ModelListEditor::acceptSelection()
{
    return loadSelected();
}

bool ModelListEditor::acceptForParameterSettings(const std::function<bool()>& askCompile)
{
    if (documentListPath_.empty()) {
        reporter_.report({FailureKind::NoListChosen});
        return false;
    }
    if (!libraryExists()) {
        if (!askCompile()) {
            forgetList();
        } else if (!compileLibrary({})) {
            return false;
        }
    }
    return acceptSelection();
}
