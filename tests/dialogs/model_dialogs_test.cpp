// The model list dialog and the model editor driven as a user would: on a
// copy of the shipped list, with the real compiler and a real binding.
#include "dialog_test_support.h"

#include "dialogs/compile_progress.h"
#include "dialogs/model_analysis_start.h"
#include "dialogs/model_editor_dialog.h"
#include "dialogs/model_list_dialog.h"
#include "dynamics/dynamics_engine.h"
#include "models/model_record.h"
#include "dialogs/shown_messages_reporter.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cmath>

using namespace dialogtest;

namespace {

QPushButton* button(QWidget* dialog, const char* name)
{
    return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
}

QString text(QWidget* dialog, const char* name)
{
    return dialog->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

QLineEdit* lineEdit(QWidget* dialog, const QString& name)
{
    return dialog->findChild<QLineEdit*>(name);
}

// Sets an environment variable for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QByteArray& value) : name_(name), old_(qgetenv(name))
    {
        had_ = qEnvironmentVariableIsSet(name);
        qputenv(name, value);
    }
    ~ScopedVariable()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    QByteArray old_;
    bool had_ = false;
};

}  // namespace

class ModelDialogsTest : public QObject {
    Q_OBJECT

private:
    // A list dialog on a fresh copy of the shipped list, scripted prompts and
    // a record of every binding release.
    struct Session {
        ProgramFolder program;
        ModelRecord record;
        std::string listPath = "./model/Eqnbank.c";
        ShownMessagesReporter reporter;
        ScriptedPrompts prompts;
        int releases = 0;
        std::unique_ptr<CModelListDialog> dialog;

        Session()
        {
            dialog = std::make_unique<CModelListDialog>(record, listPath, program.path(), reporter,
                                                        [this] { ++releases; });
            dialog->setPrompts(prompts.prompts());
        }
        QListWidget* names() const { return dialog->findChild<QListWidget*>("modelNames"); }
    };

    // Types the model into the editor and saves it under path.
    static void writeModel(CModelEditorDialog* editor, const QString& name, int dimension,
                           int parameters, const QStringList& equations)
    {
        lineEdit(editor, "modelNameEdit")->setText(name);
        editor->findChild<QComboBox*>("dimensionList")->setCurrentIndex(dimension - 3);
        editor->findChild<QComboBox*>("parameterList")->setCurrentIndex(parameters);
        for (int k = 0; k < equations.size(); ++k)
            lineEdit(editor, QStringLiteral("equationEdit%1").arg(k))->setText(equations[k]);
    }

private slots:
    void initTestCase() { useJapaneseFont(); }

    void opensOnTheListWithTheFirstModelSelectedAndOkLoadsIt()
    {
        Session s;
        QVERIFY(s.program.valid());
        s.record.ModelName = "ChenUeta";
        s.dialog = std::make_unique<CModelListDialog>(s.record, s.listPath, s.program.path(),
                                                      s.reporter, nullptr);
        CModelListDialog& dialog = *s.dialog;
        QCOMPARE(dialog.windowTitle(), QString("数理モデルの選択"));
        QStringList names;
        for (int i = 0; i < s.names()->count(); ++i)
            names << s.names()->item(i)->text();
        QCOMPARE(names, QStringList({"Lorenz", "Ressler", "ChenUeta", "Chua_Circuit", "Langford",
                                     "ResslerHyperchaos"}));
        QCOMPARE(s.names()->currentRow(), 0);
        QCOMPARE(text(&dialog, "listPath"), QString("./model/Eqnbank.c"));
        QCOMPARE(text(&dialog, "modelPath"), s.program.modelFile("Lorenz.txt"));
        s.names()->setCurrentRow(3);
        QCOMPARE(text(&dialog, "modelPath"), s.program.modelFile("Chua_Circuit.txt"));
        s.names()->setCurrentRow(0);

        const QStringList buttons = {"選択", "新規作成", "新規作成", "追加", "編集", "削除",
                                     "パラメータ設定", "OK", "ｷｬﾝｾﾙ"};
        QStringList shown;
        for (const char* name : {"chooseListButton", "newListButton", "newModelButton", "addModelButton",
                                 "editModelButton", "removeModelButton", "parameterSettingsButton",
                                 "okButton", "cancelButton"})
            shown << button(&dialog, name)->text();
        QCOMPARE(shown, buttons);
        QVERIFY(button(&dialog, "okButton")->isDefault());

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        screenshot(&dialog, "model_list_dialog");
        QTest::mouseClick(button(&dialog, "okButton"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.closingMode(), CModelListDialog::ClosedWithOk);
        QCOMPARE(s.record.ModelName, std::string("Lorenz"));
        QCOMPARE(s.record.ModelFileDir, s.program.modelFile("Lorenz.txt").toStdString());
        QCOMPARE(s.record.Parameter_Default[1], 28.0);
        QCOMPARE(s.record.Setting.c[2], 20.0);
        QVERIFY(s.reporter.messages.empty());
    }

    void choosingAListRefillsAndAMissingOneLeavesTheDialogEmpty()
    {
        Session s;
        QVERIFY(s.program.valid());
        s.prompts.files = {s.program.file("none.c")};
        s.dialog->chooseList();
        QCOMPARE(s.prompts.requests.at(0).filter, QString("Model List Files (*.c);;All Files (*)"));
        QCOMPARE(s.prompts.requests.at(0).defaultSuffix, QString("c"));
        QCOMPARE(s.prompts.requests.at(0).initialPath, s.program.modelFile("Eqnbank.c"));
        QCOMPARE(s.names()->count(), 0);
        QCOMPARE(text(s.dialog.get(), "listPath"), QString());
        QCOMPARE(s.listPath, s.program.file("none.c").toStdString());

        s.prompts.files = {s.program.file("Mine.c")};
        s.dialog->createList();
        QVERIFY(s.prompts.requests.at(1).forSaving);
        QCOMPARE(text(s.dialog.get(), "listPath"), s.program.file("Mine.c"));
        QVERIFY(readAll(s.program.file("Mine.c")).startsWith("#include <windows.h>\n"));
    }

    void creatingAListProposesAnUnusedNameAndReplacesOnlyAfterYes()
    {
        Session s;
        QVERIFY(s.program.valid());
        s.dialog->createList();
        const QString proposed = s.prompts.requests.at(0).initialPath;
        QVERIFY2(!QFile::exists(proposed), qPrintable(proposed));
        QCOMPARE(QFileInfo(proposed).absolutePath(), QFileInfo(s.program.modelFile("Eqnbank.c")).absolutePath());
        QVERIFY(proposed.endsWith(".c"));

        // Choosing the existing list anyway asks first; No keeps it as it was.
        const QString shipped = s.program.modelFile("Eqnbank.c");
        const QByteArray before = readAll(shipped);
        s.prompts.files = {shipped};
        s.prompts.answer = false;
        s.dialog->createList();
        QCOMPARE(s.prompts.questions.size(), 1);
        QVERIFY2(s.prompts.questions[0].contains("Eqnbank.c"), qPrintable(s.prompts.questions[0]));
        QCOMPARE(readAll(shipped), before);
        QCOMPARE(s.names()->count(), 6);

        s.prompts.files = {shipped};
        s.prompts.answer = true;
        s.dialog->createList();
        QCOMPARE(s.prompts.questions.size(), 2);
        QCOMPARE(s.names()->count(), 0);
        QVERIFY(readAll(shipped).startsWith("#include <windows.h>\n"));
        QVERIFY(!readAll(shipped).contains("Lorenz"));
    }

    void anAddedModelThatFailsTheChecksKeepsTheEditorOpenForTheFix()
    {
        Session s;
        QVERIFY(s.program.valid());
        const QString bad = s.program.modelFile("Bad.txt");
        {
            QByteArray text = readAll(s.program.modelFile("Lorenz.txt"));
            QVERIFY(text.contains("x*y-c*z\n"));
            text.replace("x*y-c*z\n", "x*y-c*\n");
            QFile file(bad);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        }
        s.prompts.files = {bad, bad};
        bool missed = false;
        bool openAfterRefusal = false;
        std::vector<std::string> messages;
        whenModal<CModelEditorDialog>(
            [&](CModelEditorDialog* editor) {
                QTest::mouseClick(button(editor, "okButton"), Qt::LeftButton);
                openAfterRefusal = editor->isVisible() && editor->result() != QDialog::Accepted;
                messages = s.reporter.messages;
                // The user mends the equation, saves the file and adds it.
                lineEdit(editor, "equationEdit2")->setText("x*y-c*z");
                QTest::mouseClick(button(editor, "saveFileButton"), Qt::LeftButton);
                QTest::mouseClick(button(editor, "okButton"), Qt::LeftButton);
            },
            &missed);
        s.dialog->addModel();
        QVERIFY(!missed);
        QVERIFY(openAfterRefusal);
        QCOMPARE(messages.size(), std::size_t{1});
        QVERIFY2(messages[0].starts_with("dz/dt"), messages[0].c_str());
        QCOMPARE(s.names()->count(), 7);
        QCOMPARE(s.names()->currentItem()->text(), QString("Bad"));
        QVERIFY(readAll(s.program.modelFile("Eqnbank.c")).contains("//ModelName = Bad\n"));
        QVERIFY(readAll(bad).contains("x*y-c*z\n"));
    }

    void addingAModelFileFromTheListFolderStoresItRelative()
    {
        Session s;
        QVERIFY(s.program.valid());
        QVERIFY(QFile::copy(s.program.modelFile("Lorenz.txt"), s.program.modelFile("Lorenz2.txt")));
        s.prompts.files = {s.program.modelFile("Lorenz2.txt")};
        bool missed = false;
        QString title;
        whenModal<CModelEditorDialog>(
            [&](CModelEditorDialog* editor) {
                title = editor->windowTitle();
                QCOMPARE(button(editor, "okButton")->text(), QString("リスト追加"));
                QVERIFY(button(editor, "okButton")->isEnabled());
                QVERIFY(!button(editor, "saveFileButton")->isEnabled());
                QCOMPARE(text(editor, "modelFilePath"), QString("./Lorenz2.txt"));
                QCOMPARE(lineEdit(editor, "modelNameEdit")->text(), QString("Lorenz2"));
                screenshot(editor, "model_editor_add");
                QTest::mouseClick(button(editor, "okButton"), Qt::LeftButton);
            },
            &missed);
        s.dialog->addModel();
        QVERIFY(!missed);
        QCOMPARE(title, QString("数理モデルの追加"));
        QCOMPARE(s.prompts.requests.at(0).filter, QString("Model Files (*.txt);;All Files (*)"));
        QCOMPARE(s.prompts.requests.at(0).defaultSuffix, QString("txt"));

        QVERIFY(readAll(s.program.modelFile("Eqnbank.c"))
                    .contains("//ModelName = Lorenz2\n//ModelFileDir = ./Lorenz2.txt\n"));
        QCOMPARE(s.names()->count(), 7);
        QCOMPARE(s.names()->currentRow(), 6);
        QCOMPARE(text(s.dialog.get(), "modelPath"), s.program.modelFile("Lorenz2.txt"));
        QCOMPARE(s.releases, 1);
        QVERIFY2(QFile::exists(s.program.file("Eqnbank.so")), "the list was not compiled");
        QVERIFY(s.reporter.messages.empty());
    }

    void theEditorKeepsTheNameRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("passes");
        QTest::newRow("Lorenz") << "Lorenz" << true;
        QTest::newRow("_x1") << "_x1" << true;
        QTest::newRow("a2b") << "a2b" << true;
        QTest::newRow("2ab") << "2ab" << false;
        QTest::newRow("a-b") << "a-b" << false;
        QTest::newRow("blank") << "a b" << false;
        QTest::newRow("double-byte") << "ａbc" << false;
        QTest::newRow("kanji") << "模型" << false;
    }

    void theEditorKeepsTheNameRule()
    {
        QFETCH(QString, name);
        QFETCH(bool, passes);
        Session s;
        QVERIFY(s.program.valid());
        ModelListEditor list(s.record, s.listPath, s.program.path(), s.reporter);
        list.fill();
        list.resetRecord();
        const QString target = s.program.modelFile(QStringLiteral("named.txt"));
        s.prompts.files = {target};
        CModelEditorDialog editor(EditorMode::New, list, s.record, s.reporter, s.prompts.prompts());
        writeModel(&editor, name, 3, 3, {"a*y-a*x", "-x*z+b*x-y", "x*y-c*z"});
        QTest::mouseClick(button(&editor, "saveFileButton"), Qt::LeftButton);
        QCOMPARE(QFile::exists(target), passes);
        QCOMPARE(editor.saved(), passes);
        QCOMPARE(button(&editor, "okButton")->isEnabled(), passes);
        if (passes) {
            QVERIFY(s.reporter.messages.empty());
            QCOMPARE(QString::fromStdString(s.record.ModelName), name);
            QCOMPARE(s.prompts.requests.at(0).filter, QString("Model List Files (*.txt);;All Files (*)"));
            QVERIFY(s.prompts.requests.at(0).forSaving);
            QVERIFY(s.prompts.requests.at(0).initialPath.endsWith("/" + name + ".txt"));
        } else {
            QCOMPARE(s.reporter.messages,
                     std::vector<std::string>{"モデルの名前には半角英語を使用してください。"
                                              "２文字目以降は数字も可能です。"});
            QVERIFY(s.prompts.requests.empty());
        }
    }

    void anInvalidEquationIsRefusedByName()
    {
        Session s;
        QVERIFY(s.program.valid());
        ModelListEditor list(s.record, s.listPath, s.program.path(), s.reporter);
        list.fill();
        list.resetRecord();
        s.prompts.files = {s.program.modelFile("Bad.txt")};
        CModelEditorDialog editor(EditorMode::New, list, s.record, s.reporter, s.prompts.prompts());
        writeModel(&editor, "Bad", 3, 1, {"-a*x", "y*b", "x-z"});
        QTest::mouseClick(button(&editor, "saveFileButton"), Qt::LeftButton);
        QCOMPARE(s.reporter.messages.size(), std::size_t{1});
        const QString message = QString::fromStdString(s.reporter.messages[0]);
        QVERIFY2(message.startsWith("dy/dt"), qPrintable(message));
        QVERIFY(!QFile::exists(s.program.modelFile("Bad.txt")));
        QVERIFY(s.prompts.requests.empty());
        QVERIFY(!editor.saved());
        QVERIFY(!button(&editor, "okButton")->isEnabled());
        QCOMPARE(s.record.ModelName, std::string());
    }

    void theEditorModesTitlesButtonsLettersAndRows()
    {
        Session s;
        QVERIFY(s.program.valid());
        ModelListEditor list(s.record, s.listPath, s.program.path(), s.reporter);
        list.fill();
        list.resetRecord();
        CModelEditorDialog created(EditorMode::New, list, s.record, s.reporter, s.prompts.prompts());
        QCOMPARE(created.windowTitle(), QString("数理モデルの新規作成"));
        QCOMPARE(button(&created, "okButton")->text(), QString("リスト追加"));
        QVERIFY(!button(&created, "okButton")->isEnabled());
        QVERIFY(button(&created, "saveFileButton")->isEnabled());
        QCOMPARE(text(&created, "variableLetters"), QString("使用文字： x, y, z"));
        QCOMPARE(text(&created, "parameterLetters"), QString("使用文字： a, b, c"));
        QVERIFY(lineEdit(&created, "equationEdit3")->isReadOnly());
        created.findChild<QComboBox*>("dimensionList")->setCurrentIndex(1);
        QVERIFY(!lineEdit(&created, "equationEdit3")->isReadOnly());
        QVERIFY(lineEdit(&created, "equationEdit4")->isReadOnly());
        QCOMPARE(text(&created, "variableLetters"), QString("使用文字： x, y, z, w"));
        created.findChild<QComboBox*>("parameterList")->setCurrentIndex(0);
        QCOMPARE(text(&created, "parameterLetters"), QString("使用文字："));
        created.findChild<QComboBox*>("parameterList")->setCurrentIndex(10);
        QCOMPARE(text(&created, "parameterLetters"), QString("使用文字： a, b, c, d, e, f, g, h, i, j"));

        list.select(0);
        QVERIFY(list.loadSelected());
        CModelEditorDialog edited(EditorMode::Edit, list, s.record, s.reporter, s.prompts.prompts());
        QCOMPARE(edited.windowTitle(), QString("数理モデルの編集"));
        QCOMPARE(button(&edited, "okButton")->text(), QString("編集完了"));
        QVERIFY(button(&edited, "okButton")->isEnabled());
        QVERIFY(button(&edited, "okButton")->isDefault());
        QVERIFY(!button(&edited, "saveFileButton")->isEnabled());
        QCOMPARE(lineEdit(&edited, "equationEdit1")->text(), QString("-x*z+b*x-y"));
        edited.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edited));
        screenshot(&edited, "model_editor_edit");
        QTest::keyClick(lineEdit(&edited, "equationEdit2"), Qt::Key_Space);
        QVERIFY(!button(&edited, "okButton")->isEnabled());
        QVERIFY(button(&edited, "saveFileButton")->isEnabled());
        QVERIFY(button(&edited, "saveFileButton")->isDefault());

        // "ファイル選択" turns the editor into an add of the chosen file.
        s.prompts.files = {s.program.modelFile("Ressler.txt")};
        QTest::mouseClick(button(&edited, "chooseFileButton"), Qt::LeftButton);
        QCOMPARE(edited.mode(), EditorMode::Add);
        QCOMPARE(edited.windowTitle(), QString("数理モデルの編集"));
        QCOMPARE(button(&edited, "okButton")->text(), QString("リスト追加"));
        QVERIFY(button(&edited, "okButton")->isEnabled());
        QVERIFY(!button(&edited, "saveFileButton")->isEnabled());
        QCOMPARE(lineEdit(&edited, "modelNameEdit")->text(), QString("Ressler"));
        QCOMPARE(text(&edited, "modelFilePath"), QString("./Ressler.txt"));
    }

    void aNewModelIsSavedAddedCompiledAndBoundToTheEngine()
    {
        Session s;
        QVERIFY(s.program.valid());
        s.prompts.files = {s.program.modelFile("Decay.txt")};
        bool missed = false;
        whenModal<CModelEditorDialog>(
            [&](CModelEditorDialog* editor) {
                writeModel(editor, "Decay", 3, 2, {"-a*x", "-b*y", "x-z"});
                screenshot(editor, "model_editor_new");
                QTest::mouseClick(button(editor, "saveFileButton"), Qt::LeftButton);
                QTest::mouseClick(button(editor, "okButton"), Qt::LeftButton);
            },
            &missed);
        s.dialog->newModel();
        QVERIFY(!missed);
        QVERIFY(s.reporter.messages.empty());
        QCOMPARE(s.names()->currentItem()->text(), QString("Decay"));
        QCOMPARE(s.releases, 1);
        s.dialog->accept();
        QCOMPARE(s.dialog->result(), int(QDialog::Accepted));

        DynamicsEngine engine;
        engine.recordEdited = s.record;
        engine.recordEdited.Parameter_Default[0] = 0.5;
        engine.recordEdited.Parameter_Default[1] = 2.0;
        engine.recordEdited.Setting = StateVector{1.0, 2.0, 3.0, 0, 0, 0};
        engine.recordEdited.Sampling_Point = 301;
        engine.recordEdited.Sampling_Interval = 0.01;
        engine.applyEditedRecord();
        std::string error;
        QVERIFY2(engine.Bind(s.program.file("Eqnbank.so").toStdString(), &error), error.c_str());
        engine.loadParameters();
        engine.computeOrbit();
        QCOMPARE(engine.orbitReady, 1);
        QCOMPARE(engine.orbit.size(), std::size_t{301});
        // x = e^(-t/2), y = 2 e^(-2t), z = 3 e^(-t) + 2 (e^(-t/2) - e^(-t)) at t = 3.
        const double t = 3.0;
        const double expected[3] = {std::exp(-0.5 * t), 2.0 * std::exp(-2.0 * t),
                                    3.0 * std::exp(-t) + 2.0 * (std::exp(-0.5 * t) - std::exp(-t))};
        const double limit = 1e-8;
        for (int k = 0; k < 3; ++k) {
            const double actual = engine.orbit.back().c[k];
            QVERIFY2(std::fabs(actual - expected[k]) < limit,
                     qPrintable(QStringLiteral("component %1: expected %2, actual %3, limit %4")
                                    .arg(k).arg(expected[k], 0, 'g', 15).arg(actual, 0, 'g', 15).arg(limit)));
        }
    }

    void aFailedCompileShowsTheCompilerMessagesAndKeepsTheDialogOpen()
    {
        Session s;
        QVERIFY(s.program.valid());
        const QString script = s.program.file("failing-cc");
        {
            QFile file(script);
            QVERIFY(file.open(QIODevice::WriteOnly));
            // It checks single blocks like the system compiler; library builds fail.
            file.write("#!/bin/sh\ncase \"$*\" in *-shared*) ;; *) exec cc \"$@\" ;; esac\n"
                       "sleep 2\necho 'Eqnbank.c:30: error: boom'\nexit 1\n");
        }
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const ScopedVariable compiler("ATTRAVA_CC", script.toLocal8Bit());
        {
            QFile library(s.program.file("Eqnbank.so"));
            QVERIFY(library.open(QIODevice::WriteOnly));
            library.write("previous library");
        }
        QVERIFY(QFile::copy(s.program.modelFile("Lorenz.txt"), s.program.modelFile("Broken.txt")));
        s.prompts.files = {s.program.modelFile("Broken.txt")};
        s.dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.dialog.get()));

        QString message;
        QString diagnostics;
        const auto busyIndicator = [] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->inherits("QProgressDialog") && window->isVisible())
                    return window;
            }
            return static_cast<QWidget*>(nullptr);
        };
        // Timers fire late on a loaded machine: the early look only counts
        // when it really happened before the indicator's delay.
        QElapsedTimer sinceClick;
        bool busyAtOnce = false;
        bool busyLater = false;
        bool missed = false;
        whenModal<CModelEditorDialog>([&](CModelEditorDialog* editor) {
            // The build takes two seconds: no indicator at first, one after a moment.
            QTimer::singleShot(100, [&] {
                busyAtOnce = sinceClick.elapsed() < 250 && busyIndicator() != nullptr;
            });
            QTimer::singleShot(1200, [&] {
                if (QWidget* busy = busyIndicator()) {
                    busyLater = true;
                    screenshot(busy, "compile_busy");
                }
            });
            whenModal<CCompileFailureDialog>(
                [&](CCompileFailureDialog* failure) {
                    message = failure->findChild<QLabel*>("compileFailureMessage")->text();
                    diagnostics = failure->findChild<QPlainTextEdit*>("compilerMessages")->toPlainText();
                    screenshot(failure, "compile_failure");
                    failure->accept();
                },
                &missed);
            sinceClick.start();
            QTest::mouseClick(button(editor, "okButton"), Qt::LeftButton);
        });
        s.dialog->addModel();
        QVERIFY(!missed);
        QVERIFY2(message.contains("「Broken」"), qPrintable(message));
        QVERIFY2(diagnostics.contains("error: boom"), qPrintable(diagnostics));
        QVERIFY(!busyAtOnce);
        QVERIFY(busyLater);
        QCOMPARE(readAll(s.program.file("Eqnbank.so")), QByteArray("previous library"));
        QVERIFY(s.dialog->isVisible());
        QCOMPARE(s.names()->currentItem()->text(), QString("Broken"));
        s.dialog->reject();
    }

    void parameterSettingsAsksToCompileAMissingLibrary()
    {
        Session s;
        QVERIFY(s.program.valid());
        s.prompts.answer = false;
        s.dialog->parameterSettings();
        QCOMPARE(s.prompts.questions,
                 QStringList({"現在選択されているリストファイルから生成されるＤＬＬがありません。"
                              "コンパイルしますか？"}));
        QCOMPARE(s.names()->count(), 0);
        QCOMPARE(text(s.dialog.get(), "listPath"), QString());
        QCOMPARE(text(s.dialog.get(), "modelPath"), QString());
        QCOMPARE(s.reporter.messages, std::vector<std::string>{"リストからモデルを選んでください。"});
        QCOMPARE(s.dialog->result(), int(QDialog::Rejected));

        Session again;
        again.prompts.answer = true;
        again.dialog->parameterSettings();
        QCOMPARE(again.prompts.questions.size(), 1);
        QVERIFY(QFile::exists(again.program.file("Eqnbank.so")));
        QCOMPARE(again.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(again.dialog->closingMode(), CModelListDialog::ClosedForParameterSettings);
        QCOMPARE(again.record.ModelName, std::string("Lorenz"));
    }

    void theAnalysisStartRestoresOnCancelAndBindsOnOk()
    {
        ProgramFolder program;
        QVERIFY(program.valid());
        std::string listPath = "./model/Eqnbank.c";
        ShownMessagesReporter reporter;
        DynamicsEngine engine;
        engine.recordInUse.ModelName = "Before";
        engine.recordInUse.Sampling_Point = 77;
        std::vector<std::string> calls;
        ModelAnalysisHooks hooks;
        hooks.releaseBinding = [&] { calls.push_back("release"); };
        hooks.bindModel = [&] {
            calls.push_back("bind " + engine.recordEdited.ModelName);
            return true;
        };
        hooks.computeOrbit = [&] { calls.push_back("orbit"); };
        hooks.openParameterSheet = [&] { calls.push_back("sheet"); };
        hooks.startView = [&] { calls.push_back("view"); };

        whenModal<CModelListDialog>([](CModelListDialog* dialog) {
            dialog->findChild<QListWidget*>("modelNames")->setCurrentRow(1);
            dialog->reject();
        });
        QCOMPARE(startModelAnalysis(engine, listPath, program.path(), reporter, hooks, nullptr),
                 ModelChoice::Cancelled);
        QCOMPARE(engine.recordInUse.ModelName, std::string("Before"));
        QCOMPARE(engine.recordInUse.Sampling_Point, 77);
        QVERIFY(calls.empty());

        // A compile in the dialog released the binding: Cancel binds the kept
        // record again.
        hooks.restoreBinding = [&] { calls.push_back("restore " + engine.recordInUse.ModelName); };
        whenModal<CModelListDialog>([](CModelListDialog* dialog) {
            dialog->findChild<QListWidget*>("modelNames")->setCurrentRow(5);
            dialog->removeModel();
            dialog->reject();
        });
        QCOMPARE(startModelAnalysis(engine, listPath, program.path(), reporter, hooks, nullptr),
                 ModelChoice::Cancelled);
        QCOMPARE(calls, (std::vector<std::string>{"release", "restore Before"}));
        calls.clear();

        whenModal<CModelListDialog>([](CModelListDialog* dialog) {
            auto* names = dialog->findChild<QListWidget*>("modelNames");
            const QPoint second = names->visualItemRect(names->item(1)).center();
            QTest::mouseClick(names->viewport(), Qt::LeftButton, {}, second);
            QTest::mouseDClick(names->viewport(), Qt::LeftButton, {}, second);
        });
        QCOMPARE(startModelAnalysis(engine, listPath, program.path(), reporter, hooks, nullptr),
                 ModelChoice::Chosen);
        QCOMPARE(engine.recordInUse.ModelName, std::string("Ressler"));
        QCOMPARE(engine.recordEdited.ModelName, std::string("Ressler"));
        QCOMPARE(calls, (std::vector<std::string>{"bind Ressler", "view"}));

        calls.clear();
        QVERIFY(QFile::remove(program.file("Eqnbank.so")));
        QString question;
        whenModal<CModelListDialog>([&question](CModelListDialog* dialog) {
            whenModal<QMessageBox>([&question](QMessageBox* box) {
                question = box->text();
                QCOMPARE(box->button(QMessageBox::Cancel)->text(), QString("ｷｬﾝｾﾙ"));
                box->button(QMessageBox::Ok)->click();
            });
            QTest::mouseClick(dialog->findChild<QPushButton*>("parameterSettingsButton"), Qt::LeftButton);
        });
        QCOMPARE(startModelAnalysis(engine, listPath, program.path(), reporter, hooks, nullptr),
                 ModelChoice::ChosenForParameterSettings);
        QCOMPARE(question, QString("現在選択されているリストファイルから生成されるＤＬＬがありません。"
                                   "コンパイルしますか？"));
        QCOMPARE(calls, (std::vector<std::string>{"release", "bind Lorenz", "orbit", "sheet"}));
        QVERIFY(reporter.messages.empty());
    }
};

QTEST_MAIN(ModelDialogsTest)
#include "model_dialogs_test.moc"
