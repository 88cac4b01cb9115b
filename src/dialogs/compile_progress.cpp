#include "dialogs/compile_progress.h"

#include "dialogs/failure_text.h"

#include <QApplication>
#include <QEventLoop>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

namespace {

// How long a build may take before the busy indicator appears.
constexpr int kBusyIndicatorDelayMs = 300;

}  // namespace

CompileResult compileShowingProgress(const ModelListEditor::Compiler& compiler,
                                     const ModelLibraryPaths& paths, QWidget* parent)
{
    CompileResult result;
    // The worker touches only its copies of the paths and the result, which
    // outlive it: the loop below returns only once the thread has finished.
    std::unique_ptr<QThread> worker(QThread::create([&result, compiler, paths] {
        result = compiler(paths);
    }));

    // The busy indicator is made only when the build has taken a moment.
    std::unique_ptr<QProgressDialog> busy;
    QTimer showBusy;
    showBusy.setSingleShot(true);
    QObject::connect(&showBusy, &QTimer::timeout, [&busy, parent] {
        busy = std::make_unique<QProgressDialog>(
            CCompileFailureDialog::tr("モデルライブラリをコンパイルしています…"), QString(), 0, 0,
            parent);
        busy->setWindowTitle(CCompileFailureDialog::tr("コンパイル"));
        busy->setWindowModality(Qt::WindowModal);
        busy->setMinimumDuration(0);
        busy->show();
    });

    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    worker->start();
    showBusy.start(kBusyIndicatorDelayMs);
    // Paint and timer events go on; clicks and keys wait until the build is over.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    showBusy.stop();
    busy.reset();
    QApplication::restoreOverrideCursor();
    return result;
}

CCompileFailureDialog::CCompileFailureDialog(const std::string& modelName,
                                             const CompileResult& result, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("コンパイルエラー"));
    setObjectName(QStringLiteral("compileFailureDialog"));

    Failure failure{FailureKind::CompileFailed};
    failure.name = modelName;
    auto* message = new QLabel(failureText(failure), this);
    message->setObjectName(QStringLiteral("compileFailureMessage"));
    message->setWordWrap(true);

    auto* diagnostics = new QPlainTextEdit(QString::fromStdString(result.diagnostics), this);
    diagnostics->setObjectName(QStringLiteral("compilerMessages"));
    diagnostics->setReadOnly(true);
    diagnostics->setLineWrapMode(QPlainTextEdit::NoWrap);
    diagnostics->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    diagnostics->setMinimumSize(560, 200);

    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(okButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addWidget(new QLabel(tr("コンパイラのメッセージ："), this));
    layout->addWidget(diagnostics, 1);
    layout->addLayout(buttonRow);
    okButton->setFocus();
}
