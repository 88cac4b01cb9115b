// Building the model library from a dialog without the window looking hung:
// the compiler runs on a worker thread while the dialog keeps repainting, a
// busy indicator appears when the build takes more than a moment, and a
// failed build is shown with the compiler's own messages.
#pragma once

#include "models/model_list_editor.h"

#include <QDialog>

#include <string>

class QWidget;

// Runs compiler(paths) on a worker thread and returns its result once it has
// ended. Meanwhile the caller's windows repaint but take no input, the wait
// cursor is shown, and after a short delay a busy indicator over parent.
CompileResult compileShowingProgress(const ModelListEditor::Compiler& compiler,
                                     const ModelLibraryPaths& paths, QWidget* parent);

// The failed build: which model's change started it, that the previous
// library stays in use, and the compiler's messages in a scrollable box.
class CCompileFailureDialog : public QDialog {
    Q_OBJECT
public:
    CCompileFailureDialog(const std::string& modelName, const CompileResult& result,
                          QWidget* parent = nullptr);
};
