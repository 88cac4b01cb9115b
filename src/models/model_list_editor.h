// What the model list dialog does to a list source and to the record it works
// on, without any toolkit: filling the names and paths from a list source,
// choosing or creating a list, loading the selected model, adding, editing and
// removing models, and rebuilding the model library after every change. The
// dialog binds its widgets to this state and calls these operations.
#pragma once

#include "models/model_library.h"
#include "models/model_list.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class ModelRecord;
class Reporter;

// How the model editor was opened, and how the list takes its result.
enum class EditorMode { New = 1, Edit = 2, Add = 3 };

// What the list did with the editor's result.
enum class EditorResult {
    Refused,    // the list refused the record (the reason reported); the list is unchanged
    Unchanged,  // an edit that was not saved: nothing to take
    Taken,      // the list source holds the record; the library needs a compile
};

// The model chosen for editing, as the list named it before the edit.
struct EditSession {
    std::string oldName;
    std::string oldPath;
};

class ModelListEditor {
public:
    using Compiler = std::function<CompileResult(const ModelLibraryPaths&)>;
    using CompileFailureHandler =
        std::function<void(const std::string& modelName, const CompileResult& result)>;

    // record: the record the dialog works on. documentListPath: the document's
    // list path, changed when the user chooses or creates another list (it
    // may be relative to programFolder, written "./" or ".\"). All three and
    // reporter must outlive the editor.
    ModelListEditor(ModelRecord& record, std::string& documentListPath, std::string programFolder,
                    Reporter& reporter);

    // Called before every compile so that the current view lets go of the
    // library while the compiler replaces it.
    std::function<void()> releaseBinding;
    // Builds the library; Compile by default. The dialog runs it behind a
    // busy indicator.
    Compiler compiler;
    // Told when a compile fails, with the model whose change started it; by
    // default the reporter gets a CompileFailed failure with the compiler's
    // messages.
    CompileFailureHandler compileFailed;

    // --- the list source ---

    // The list path the dialog shows; empty when no list is open.
    const std::string& listPath() const { return listPath_; }
    // The list source's folder, absolute, ending with "/"; empty without a list.
    std::string listFolder() const;
    // Reads the names and paths of the list path into the entries and selects
    // the first. A list that cannot be opened leaves no list path and no
    // entries; false then.
    bool fill();
    // The path the list chooser starts from: the current list, or
    // <program folder>model/Eqnbank.c when there is none.
    std::string proposedListPath() const;
    // The path the new-list chooser starts from: a file that does not exist
    // yet, beside the current list and named after it with the first free
    // number ("Eqnbank1.c"), or in <program folder>model/ without a list.
    std::string proposedNewListPath() const;
    // "選択": path becomes the dialog's and the document's list path; then fill.
    bool chooseList(const std::string& path);
    // "新規作成" of the list: creates the list source with its head; on
    // success the list is the new, empty one.
    bool createList(const std::string& path);
    // Forgets the list: no list path, no entries, no selection.
    void forgetList();

    // --- the entries ---

    const std::vector<ModelListEntry>& entries() const { return entries_; }
    int selected() const { return selected_; }
    // Selects entry index; any index outside the entries clears the selection.
    void select(int index);
    // The model file path of the selected entry (folder filled in), or empty.
    std::string selectedPath() const;

    // --- the record ---

    // The selected name and its model-file path into the record, then the
    // model file read into it. False (with the reason reported) without a
    // selection or when the file cannot be read.
    bool loadSelected();
    // The path as the list stores it: a path inside the list source's folder
    // becomes "./" + the rest, any other stays absolute.
    std::string relativeToList(const std::string& path) const;
    // A chosen model file into the record: ModelFileDir in the list's form,
    // ModelName the file name without its extension, then the file read.
    bool readChosenModelFile(const std::string& path);
    // The record as freshly constructed (the view's display arrangement kept).
    void resetRecord();

    // --- changes (each one rewrites the list source, then compiles) ---

    // Whether a list is open; if not, the user is told to choose one.
    bool requireList();
    // "編集": loads the selected model and remembers its name and path.
    bool beginEdit(EditSession& session);
    // The editor's OK. New and Add append the record to the list; Edit
    // replaces the old block when the editor saved the model file and
    // otherwise changes nothing. Nothing is compiled.
    EditorResult takeEditorResult(EditorMode mode, bool saved, const EditSession& session);
    // takeEditorResult, then a compile of any change. Returns whether the
    // list and the library are in step (false when the list refused the
    // record or the compile failed).
    bool finishEditor(EditorMode mode, bool saved, const EditSession& session);
    // "削除": drops the selected model from the list, compiles, selects the
    // first entry. No confirmation.
    bool removeSelected();

    // --- closing ---

    // Whether the library built from the document's list exists.
    bool libraryExists() const;
    // Releases the binding, builds the library; a failure goes to compileFailed.
    bool compileLibrary(const std::string& modelName);
    // "OK" or a double click: loads the selected model; false keeps the dialog open.
    bool acceptSelection();
    // "パラメータ設定": needs a list, and the library built (askCompile asks
    // whether to compile the list when its library is missing: true compiles,
    // false forgets the list); then as acceptSelection.
    bool acceptForParameterSettings(const std::function<bool()>& askCompile);

private:
    // The dialog's list path resolved against the program folder.
    std::string resolvedListPath() const;
    ModelListEntry entryFor(const ModelRecord& record) const;
    bool readRecordFile();

    ModelRecord& record_;
    std::string& documentListPath_;
    std::string programFolder_;
    Reporter& reporter_;
    std::string listPath_;
    std::vector<ModelListEntry> entries_;
    int selected_ = -1;
};
