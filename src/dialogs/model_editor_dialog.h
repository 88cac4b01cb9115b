// The model editor ("数理モデルの新規作成", "数理モデルの編集", "数理モデルの追加"):
// name, dimension, parameter count and equations of the list dialog's record.
// A changed model must be saved to its model file before it can go into the
// list; saving checks the name and the equations first. OK hands the model to
// the list dialog, which puts it into the list; a model the list refuses
// keeps the editor open.
#pragma once

#include "dialogs/dialog_prompts.h"
#include "models/model_draft.h"
#include "models/model_list_editor.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ModelRecord;
class Reporter;

class CModelEditorDialog : public QDialog {
    Q_OBJECT
public:
    // list: the list dialog's state (the path rule and the file reading of
    // "ファイル選択" go through it, and the record it works on is edited).
    CModelEditorDialog(EditorMode mode, ModelListEditor& list, ModelRecord& record,
                       Reporter& reporter, DialogPrompts prompts, QWidget* parent = nullptr);

    // The mode the editor ends in: "ファイル選択" turns any mode into Add.
    EditorMode mode() const { return mode_; }
    // Whether the model file was written while the editor was open.
    bool saved() const { return saved_; }

    // "ファイル選択" and "ファイル保存".
    void chooseFile();
    void saveFile();

    // Called by OK before the editor closes: true when the list took the
    // result; false keeps the editor open, so that the user can fix the
    // model the list refused (the list has reported why).
    void setResultTaker(std::function<bool()> take) { takeResult_ = std::move(take); }
    void accept() override;

private:
    void fillFromRecord();
    void updateLetters();
    void markChanged();
    void setSaveNeeded(bool needed);
    ModelDraft draftFromControls() const;

    EditorMode mode_;
    ModelListEditor& list_;
    ModelRecord& record_;
    Reporter& reporter_;
    DialogPrompts prompts_;
    std::function<bool()> takeResult_;
    bool initialised_ = false;
    bool saved_ = false;

    QLabel* pathDisplay_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QComboBox* dimensionList_ = nullptr;
    QComboBox* parameterList_ = nullptr;
    QLabel* variableLetters_ = nullptr;
    QLabel* parameterLetters_ = nullptr;
    QLineEdit* equationEdits_[6] = {};
    QPushButton* chooseButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
