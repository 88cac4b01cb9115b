// The model list dialog "数理モデルの選択": choose or create a model list
// source, add, create, edit and remove its models, and choose the model a
// view simulates. Modal; it works on the caller's record and list path. Every
// change of the list is compiled at once; a failed build is shown with the
// compiler's messages and the dialog stays open so that the model can be
// fixed.
#pragma once

#include "dialogs/dialog_prompts.h"
#include "models/model_list_editor.h"

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;
class ModelRecord;
class Reporter;

class CModelListDialog : public QDialog {
    Q_OBJECT
public:
    // How the dialog was closed with OK.
    static constexpr int ClosedWithOk = 0;
    static constexpr int ClosedForParameterSettings = 4;

    // record: the record to work on (on OK it holds the chosen model, read
    // from its model file). listPath: the document's list path, changed when
    // another list is chosen or created. releaseBinding: called before every
    // compile. All references must outlive the dialog.
    CModelListDialog(ModelRecord& record, std::string& listPath, const std::string& programFolder,
                     Reporter& reporter, std::function<void()> releaseBinding,
                     QWidget* parent = nullptr);

    // 0 after "OK" or a double click on a name, 4 after "パラメータ設定".
    int closingMode() const { return closingMode_; }

    // Replaces the file choosers and the OK/Cancel question (tests).
    void setPrompts(DialogPrompts prompts) { prompts_ = std::move(prompts); }

    // The buttons' actions.
    void chooseList();
    void createList();
    void newModel();
    void addModel();
    void editModel();
    void removeModel();
    void parameterSettings();
    void accept() override;

private:
    void refresh();
    void showSelectedPath();
    // Runs the editor on the record. Its OK hands the result to the list; a
    // refused model keeps the editor open. Once it closed, any change is compiled.
    void runEditor(EditorMode mode, const EditSession& session);
    void showCompileFailure(const std::string& modelName, const CompileResult& result);

    ModelRecord& record_;
    Reporter& reporter_;
    ModelListEditor list_;
    DialogPrompts prompts_;
    int closingMode_ = ClosedWithOk;

    QLabel* listPathDisplay_ = nullptr;
    QLabel* modelPathDisplay_ = nullptr;
    QListWidget* names_ = nullptr;
    QPushButton* okButton_ = nullptr;
};
