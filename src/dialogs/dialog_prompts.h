// The questions the model dialogs put to the user besides their own controls:
// choosing a file, confirming with OK or Cancel and answering Yes or No.
// Collected in one struct of callables so that the dialogs can be driven
// without the modal choosers.
#pragma once

#include <QString>

#include <functional>

class QWidget;

struct FileRequest {
    QString initialPath;    // proposed file (folder and name)
    QString defaultSuffix;  // appended when the typed name has none
    QString filter;         // Qt name filters separated by ";;"
    bool forSaving = false; // a save chooser asks before overwriting
    bool callerAsksBeforeReplacing = false; // ... unless the caller asks itself
};

struct DialogPrompts {
    // The chosen file, or an empty string when the user cancelled.
    std::function<QString(QWidget* parent, const FileRequest& request)> chooseFile;
    // True for OK, false for Cancel.
    std::function<bool(QWidget* parent, const QString& question)> askOkCancel;
    // True for Yes, false for No.
    std::function<bool(QWidget* parent, const QString& question)> askYesNo;
};

// The program's prompts: the file chooser, a question box with "OK" and
// "ｷｬﾝｾﾙ", and one with Yes and No whose default is No.
DialogPrompts standardPrompts();

// The name filters of the model dialogs' choosers.
namespace FileFilters {
inline const char* const ModelFiles = "Model Files (*.txt);;All Files (*)";
inline const char* const ModelListFiles = "Model List Files (*.c);;All Files (*)";
// The model editor's save chooser: model files, under the list caption.
inline const char* const ModelSaveFiles = "Model List Files (*.txt);;All Files (*)";
}  // namespace FileFilters
