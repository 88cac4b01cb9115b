// The pictures of the user guide, taken of the real program in this process:
// it starts the program in a scratch folder (as the road tests do) in the
// language ATTRAVA_PICTURES_LANGUAGE names (ja or en), shows the shipped
// Lorenz model, opens the menus, dialogs and windows through the commands a
// user chooses, and saves each as <name>.png in the folder
// ATTRAVA_PICTURES_DIR names (a scratch folder when unset, so the test run
// checks that every picture can be taken). scripts/screenshots runs it under
// Xvfb for both languages into docs/images/.
#include "running_program.h"

#include "dialogs/dialog_prompts.h"
#include "dialogs/failure_text.h"
#include "dialogs/model_editor_dialog.h"
#include "dialogs/model_list_dialog.h"
#include "dialogs/reconstruction_window.h"
#include "dialogs/series_file_dialog.h"
#include "models/model_list_editor.h"
#include "plots/scan_window.h"
#include "shell/command_ids.h"
#include "shell/interface_language.h"
#include "shell/japanese_font.h"
#include "view/gl_start.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>

#include <QTemporaryDir>

#include <optional>
#include <set>

class GuidePictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString folder = qEnvironmentVariable("ATTRAVA_PICTURES_DIR");
        folder_ = folder.isEmpty() ? scratch_.path() : folder;
        QVERIFY2(QDir().mkpath(folder_), qPrintable("cannot make " + folder_));
        const std::optional<InterfaceLanguage> language = languageFromCode(
            qEnvironmentVariable("ATTRAVA_PICTURES_LANGUAGE", QStringLiteral("ja")).toStdString());
        QVERIFY2(language, "ATTRAVA_PICTURES_LANGUAGE is ja or en");
        initialiseBitmapFonts("guide_pictures");
        useJapaneseApplicationFont();
        useInterfaceLanguage(*language);
        program_ = std::make_unique<RunningProgram>();
        program_->startShowing({"Lorenz"});
        QVERIFY(!QTest::currentTestFailed());
        QSignalSpy frames(&program_->app().view(), &CPsView::frameSwapped);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 10, 20000);
    }

    void cleanupTestCase() { program_.reset(); }

    void mainWindow()
    {
        CMainFrame& frame = program_->app().frame();
        save(QGuiApplication::primaryScreen()->grabWindow(0, frame.x(), frame.y(),
                                                          frame.frameGeometry().width(),
                                                          frame.frameGeometry().height()),
             "main_window");
    }

    // Each menu of the menu bar as it drops down, and the view's context menu.
    void menus()
    {
        CMainFrame& frame = program_->app().frame();
        int index = 0;
        for (QAction* action : frame.menuBar()->actions()) {
            QMenu* menu = action->menu();
            if (menu == nullptr)
                continue;
            emit menu->aboutToShow();
            menu->popup(frame.mapToGlobal(frame.menuBar()->actionGeometry(action).bottomLeft()));
            save(grabShown(*menu), QStringLiteral("menu_%1").arg(index++));
            menu->hide();
        }
        frame.showContextMenu(frame.mapToGlobal(frame.rect().center()));
        QMenu* context = frame.contextMenu();
        save(grabShown(*context), "context_menu");
        context->hide();
        // Its Menu pop-up, with the analysis starts that go back to one view.
        QMenu* first = context->actions().front()->menu();
        emit first->aboutToShow();
        first->popup(frame.mapToGlobal(frame.rect().center()));
        save(grabShown(*first), "context_menu_0");
        first->hide();
    }

    // The model selection on the shipped list, and the editor with a model
    // typed in.
    void modelDialogs()
    {
        ModelRecord record;
        record.ModelName = "Lorenz";
        std::string listPath = "./model/Eqnbank.c";
        CModelListDialog list(record, listPath, program_->folder().path(), program_->reporter(),
                              nullptr);
        save(grabShown(list), "model_list");
        list.hide();

        ModelListEditor editor(record, listPath, program_->folder().path(), program_->reporter());
        ModelRecord draft;
        CModelEditorDialog dialog(EditorMode::New, editor, draft, program_->reporter(), standardPrompts());
        dialog.findChild<QLineEdit*>("modelNameEdit")->setText("Halvorsen");
        dialog.findChild<QComboBox*>("parameterList")->setCurrentIndex(1);
        const char* equations[] = {"-a*x-4*y-4*z-y*y", "-a*y-4*z-4*x-z*z", "-a*z-4*x-4*y-x*x"};
        for (int k = 0; k < 3; ++k)
            dialog.findChild<QLineEdit*>(QStringLiteral("equationEdit%1").arg(k))->setText(equations[k]);
        save(grabShown(dialog), "model_editor");
    }

    // The windows of the tools and options menus, each as it shows once its
    // computation is done; a window with pages is taken page by page.
    void toolWindows_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("sampling") << CommandId::SamplingSetting;
        QTest::newRow("spectrum") << CommandId::LyapunovSpectrum;
        QTest::newRow("dimension") << CommandId::LyapunovDimension;
        QTest::newRow("spectrum_response") << CommandId::SpectrumResponse;
        QTest::newRow("dimension_response") << CommandId::DimensionResponse;
        QTest::newRow("equations") << CommandId::EquationDisplay;
        QTest::newRow("colour_bar") << CommandId::ColourBar;
        QTest::newRow("parameters") << CommandId::ParameterSetting;
        QTest::newRow("default_parameters") << CommandId::DefaultParameters;
        QTest::newRow("environment") << CommandId::EnvironmentSetting;
        QTest::newRow("local_lyapunov") << CommandId::LocalLyapunov;
        QTest::newRow("phase_space") << CommandId::VectorField;
    }

    void toolWindows()
    {
        QFETCH(int, command);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        CommandRouter& router = program_->app().router();
        // The colour bar belongs to the velocity and local Lyapunov colourings.
        if (command == CommandId::ColourBar)
            router.execute(CommandId::VelocityDistribution);
        QVERIFY2(router.state(command).enabled, qPrintable(name + " is not enabled"));
        const std::set<QWidget*> before = shownWindows();
        router.execute(command);
        QWidget* window = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((window = newWindow(before)) != nullptr, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!program_->document().jobs.busy(), 60000);
        QTabWidget* pages = window->findChild<QTabWidget*>();
        if (pages == nullptr) {
            save(grabShown(*window), name);
            return;
        }
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            save(grabShown(*window), QStringLiteral("%1_%2").arg(name).arg(page));
        }
    }

    // The orbit diagram of Lorenz over b, as the scan window draws it.
    void scanWindow()
    {
        program_->app().router().execute(CommandId::ParameterScan);
        auto* window = viewWindow<CScanWindow>(program_->document(), WindowKind::ParameterScan, 0);
        QVERIFY(window);
        window->parameterList()->setCurrentIndex(1);
        window->fromEdit()->setText(QStringLiteral("20"));
        window->toEdit()->setText(QStringLiteral("200"));
        window->countBox()->setValue(150);
        window->transientBox()->setValue(2000);
        window->pointsBox()->setValue(4000);
        QVERIFY(window->startScan());
        QTRY_VERIFY_WITH_TIMEOUT(!window->scanRunning(), 120000);
        save(grabShown(*window), "scan_window");
        window->close();
    }

    // The time-series road on the shipped sunspot numbers: the data file
    // dialog, the reconstruction window with its advice, the two series
    // windows and the recurrence plot with its measures.
    void seriesRoad()
    {
        bool missed = false;
        dialogtest::whenModal<CSeriesFileDialog>(
            [this, &missed](CSeriesFileDialog* dialog) {
                dialogtest::whenModal<QFileDialog>(
                    [](QFileDialog* files) {
                        files->selectFile(QStringLiteral(ATTRAVA_PROGRAM_DIR "/data/sunspots.txt"));
                        QMetaObject::invokeMethod(files, "accept");
                    },
                    &missed);
                QTest::mouseClick(dialog->findChild<QPushButton*>("browseButton"), Qt::LeftButton);
                save(grabShown(*dialog), "series_file");
                QTest::mouseClick(dialog->findChild<QPushButton*>("okButton"), Qt::LeftButton);
            },
            &missed);
        program_->app().router().execute(CommandId::SeriesAnalysis);
        QVERIFY(!missed);
        CUser& document = program_->document();
        auto* reconstruction =
            viewWindow<CReconstructionWindow>(document, WindowKind::ReconstructionDelay, 0);
        QVERIFY(reconstruction);
        QTRY_VERIFY_WITH_TIMEOUT(reconstruction->hasAdvice(), 30000);
        save(grabShown(*reconstruction), "reconstruction");

        const std::pair<int, const char*> windows[] = {
            {CommandId::SeriesDisplay, "series_data"},
            {CommandId::AnalysisSeriesDisplay, "analysed_data"},
            {CommandId::RecurrencePlot, "recurrence"},
        };
        for (const auto& [command, name] : windows) {
            const std::set<QWidget*> before = shownWindows();
            program_->app().router().execute(command);
            QWidget* window = nullptr;
            QTRY_VERIFY_WITH_TIMEOUT((window = newWindow(before)) != nullptr, 10000);
            QTRY_VERIFY_WITH_TIMEOUT(!document.jobs.busy(), 60000);
            save(grabShown(*window), name);
        }
    }

    // A refused equation, as the editor reports it.
    void errorMessage()
    {
        Failure failure{FailureKind::EquationRefused};
        failure.equation = 1;
        failure.fault = EquationFault(EquationFaultKind::UnknownName, "q", "x, y, z, a");
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Attrava"), failureText(failure),
                        QMessageBox::Ok);
        save(grabShown(box), "error_message");
    }

private:
    static std::set<QWidget*> shownWindows()
    {
        std::set<QWidget*> shown;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && qobject_cast<QMenu*>(widget) == nullptr)
                shown.insert(widget);
        return shown;
    }

    static QWidget* newWindow(const std::set<QWidget*>& before)
    {
        for (QWidget* widget : shownWindows())
            if (before.count(widget) == 0)
                return widget;
        return nullptr;
    }

    // Shows the widget, lets it lay itself out and paint, and grabs it.
    static QPixmap grabShown(QWidget& widget)
    {
        if (!widget.isVisible())
            widget.show();
        if (!QTest::qWaitForWindowExposed(&widget))
            return {};
        QTest::qWait(200);
        return widget.grab();
    }

    void save(const QPixmap& picture, const QString& name)
    {
        const QString path = folder_ + QLatin1Char('/') + name + QStringLiteral(".png");
        QVERIFY2(!picture.isNull() && picture.save(path, "PNG"), qPrintable("cannot take " + path));
    }

    QTemporaryDir scratch_;
    QString folder_;
    std::unique_ptr<RunningProgram> program_;
};

QTEST_MAIN(GuidePictures)
#include "guide_pictures.moc"
