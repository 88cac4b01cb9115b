// The road a new user walks, in the running program on a private copy of the
// program folder: "数理モデル解析" from the real menu, a model chosen (or
// written) in the model list dialog, the sampling window over the view, and
// the attractor on the screen; Cancel, models that cannot be bound, and the
// tools item that opens the sampling window again.
#include "dialogs/dialog_test_support.h"
#include "fake_display_settings.h"
#include "menu_test_support.h"
#include "orbit_picture.h"

#include "dialogs/model_editor_dialog.h"
#include "dialogs/model_list_dialog.h"
#include "dialogs/sampling_dialog.h"
#include "dialogs/shown_messages_reporter.h"
#include "shell/attrava_app.h"
#include "shell/command_ids.h"
#include "shell/japanese_font.h"
#include "shell/interface_language.h"
#include "dialogs/sampling_dialog.h"
#include "shell/window_adapter.h"
#include "view/ps_view.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <fstream>
#include <memory>

using namespace dialogtest;

namespace {

QPushButton* button(QWidget* dialog, const char* name)
{
    return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
}

QLineEdit* lineEdit(QWidget* dialog, const QString& name)
{
    return dialog->findChild<QLineEdit*>(name);
}

QStringList listedNames(CModelListDialog* list)
{
    QStringList names;
    const auto* widget = list->findChild<QListWidget*>(QStringLiteral("modelNames"));
    for (int i = 0; i < widget->count(); ++i)
        names << widget->item(i)->text();
    return names;
}

// Selects the named model as a click would and presses OK.
void chooseAndAccept(CModelListDialog* list, const QString& name)
{
    auto* names = list->findChild<QListWidget*>(QStringLiteral("modelNames"));
    const QList<QListWidgetItem*> found = names->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    names->setCurrentItem(found.front());
    QTest::mouseClick(button(list, "okButton"), Qt::LeftButton);
}

// Saves the whole screen as <ATTRAVA_SCREENSHOT_DIR>/<name>.png when that
// variable is set: the dialogs as they sit over the main window.
void screenShot(const QString& name)
{
    const QString folder = qEnvironmentVariable("ATTRAVA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QTest::qWait(50);
    QGuiApplication::primaryScreen()->grabWindow(0).save(folder + QLatin1Char('/') + name +
                                                         QStringLiteral(".png"));
}

QString pointText(const QPoint& p) { return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y()); }

StartOptions withoutSplash(const std::vector<std::string>& models = {})
{
    StartOptions options;
    options.splashEnabled = false;
    options.models = models;
    return options;
}

}  // namespace

class ModelRoadTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        useJapaneseApplicationFont();
        QVERIFY(useJapaneseToolkitTexts());
    }

    void init()
    {
        program_ = std::make_unique<ProgramFolder>();
        QVERIFY(program_->valid());
        QVERIFY(QFile::copy(QStringLiteral(ATTRAVA_PROGRAM_DIR "/Eqnbank.so"),
                            program_->file(QStringLiteral("Eqnbank.so"))));
        reporter_.messages.clear();
    }

    void cleanup()
    {
        app_.reset();
        program_.reset();
    }

    void theMenuRoadEndsWithTheLorenzAttractorOnTheScreen()
    {
        startProgram(withoutSplash());
        CUser& document = app_->document();
        const ViewSlot& slot = document.views[0];
        QAction* analysis = menuItem(QStringLiteral("メニュー(&M)"), QStringLiteral("数理モデル解析"));
        QVERIFY(analysis && analysis->isEnabled());

        QStringList shown;
        QRect listGeometry;
        bool missed = false;
        whenModal<CModelListDialog>(
            [&](CModelListDialog* list) {
                shown = listedNames(list);
                listGeometry = list->frameGeometry();
                screenShot(QStringLiteral("1_model_list_over_frame"));
                chooseAndAccept(list, QStringLiteral("Lorenz"));
            },
            &missed);
        analysis->trigger();
        QVERIFY(!missed);
        QVERIFY2(reporter_.messages.empty(), reporter_.messages.empty() ? "" : reporter_.messages.front().c_str());
        QCOMPARE(shown, (QStringList{"Lorenz", "Ressler", "ChenUeta", "Chua_Circuit", "Langford",
                                     "ResslerHyperchaos"}));
        QVERIFY2(app_->frame().frameGeometry().contains(listGeometry),
                 qPrintable(QStringLiteral("the list dialog at %1 lies outside the frame")
                                .arg(pointText(listGeometry.topLeft()))));

        // Bound, placed, no orbit yet: the sampling window waits over the view.
        QCOMPARE(slot.engine.recordInUse.ModelName, std::string("Lorenz"));
        QCOMPARE(slot.engine.binding.bound, 1);
        QCOMPARE(slot.engine.orbitReady, 0);
        QCOMPARE(slot.environment.dataSource, DataSource::Model);
        QCOMPARE(slot.objectTransform.position().y, slot.engine.recordInUse.Display_Position.y);
        CSamplingDialog* sampling = shownSamplingDialog();
        QVERIFY(sampling);
        QVERIFY(document.isAnalysisWindowOpen(0, 0));
        QVERIFY(!sampling->isModal());
        QCOMPARE(sampling->windowTitle(), QStringLiteral("サンプリング・初期値の設定"));
        QCOMPARE(lineEdit(sampling, "samplingPointEdit")->text(),
                 QString::number(slot.engine.recordInUse.Sampling_Point));
        const QPoint viewCentre = QRect(app_->view().mapToGlobal(QPoint(0, 0)), app_->view().size()).center();
        const QPoint offset = sampling->frameGeometry().center() - viewCentre;
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("sampling window centre %1, view centre %2")
                                .arg(pointText(sampling->frameGeometry().center()), pointText(viewCentre))));
        screenShot(QStringLiteral("2_sampling_window_over_view"));

        QTest::mouseClick(button(sampling, "okButton"), Qt::LeftButton);
        QCOMPARE(slot.engine.orbitReady, 1);
        QCOMPARE(slot.engine.diverged, 0);
        QVERIFY(!sampling->isVisible());
        QVERIFY(!document.isAnalysisWindowOpen(0, 0));

        const QImage frame = frameAfterTicks();
        QCOMPARE(slot.environment.rebuildLevel, RebuildLevel::None);
        const double share = orbitColourShare(frame);
        qInfo("orbit colour on %.3f of the %dx%d frame", share, frame.width(), frame.height());
        QVERIFY2(share > 0.01 && share < 0.40,
                 qPrintable(QStringLiteral("orbit colour on %1 of the pixels, expected 0.01 .. 0.40").arg(share)));
        screenShot(QStringLiteral("3_lorenz_attractor"));
    }

    void cancelKeepsTheViewsModelAndBindsItAgainAfterACompile()
    {
        startProgram(withoutSplash({"Lorenz"}));
        CUser& document = app_->document();
        ViewSlot& slot = document.views[0];
        QCOMPARE(slot.engine.orbitReady, 1);
        void* const library = slot.engine.binding.libraryHandle;
        QAction* analysis = menuItem(QStringLiteral("メニュー(&M)"), QStringLiteral("数理モデル解析"));

        // The record as the command left it for the dialog.
        ModelRecord prepared;
        whenModal<CModelListDialog>([&](CModelListDialog* list) {
            prepared = slot.engine.recordInUse;
            list->findChild<QListWidget*>(QStringLiteral("modelNames"))->setCurrentRow(1);
            QTest::mouseClick(button(list, "cancelButton"), Qt::LeftButton);
        });
        analysis->trigger();
        QCOMPARE(prepared.Display_Scale, 10.0);
        expectRecord(slot.engine.recordInUse, prepared);
        QCOMPARE(slot.engine.binding.bound, 1);
        QCOMPARE(slot.engine.binding.libraryHandle, library);
        QCOMPARE(slot.engine.orbitReady, 1);
        QVERIFY(!shownSamplingDialog());
        QVERIFY(orbitColourShare(frameAfterTicks()) > 0.01);

        // Removing a model rebuilds the library, which releases the view's
        // model first; Cancel binds the kept record again.
        whenModal<CModelListDialog>([&](CModelListDialog* list) {
            prepared = slot.engine.recordInUse;
            list->findChild<QListWidget*>(QStringLiteral("modelNames"))->setCurrentRow(4);
            QTest::mouseClick(button(list, "removeModelButton"), Qt::LeftButton);
            QCOMPARE(slot.engine.binding.bound, 0);
            QTest::mouseClick(button(list, "cancelButton"), Qt::LeftButton);
        });
        analysis->trigger();
        QVERIFY2(reporter_.messages.empty(), reporter_.messages.empty() ? "" : reporter_.messages.front().c_str());
        expectRecord(slot.engine.recordInUse, prepared);
        QCOMPARE(slot.engine.binding.bound, 1);
        QCOMPARE(slot.engine.orbitReady, 1);
        // dx/dt = a (y - x) with a = 10, from the rebuilt library.
        const double derivative = slot.engine.evaluateDerivative(0, StateVector{1.0, 3.0, 0.0, 0, 0, 0});
        QCOMPARE(derivative, 20.0);
    }

    void theSingleViewTwinShowsOneViewBeforeTheChoice()
    {
        StartOptions options = withoutSplash();
        options.viewCount = 4;
        startProgram(options);
        CUser& document = app_->document();
        QTest::mouseClick(&app_->view(), Qt::LeftButton, {},
                          QPoint(app_->view().width() - 10, app_->view().height() - 10));
        QCOMPARE(document.activeView, 3);

        int viewsDuringChoice = 0;
        whenModal<CModelListDialog>([&](CModelListDialog* list) {
            viewsDuringChoice = document.viewCount;
            chooseAndAccept(list, "Ressler");
        });
        QVERIFY(app_->router().execute(CommandId::ModelAnalysisSingleView));
        QCOMPARE(viewsDuringChoice, 1);
        QCOMPARE(document.activeView, 0);
        QCOMPARE(document.views[0].engine.recordInUse.ModelName, std::string("Ressler"));
        QVERIFY(document.isAnalysisWindowOpen(0, 0));
    }

    void aModelThatCannotBeBoundIsReportedAndLeavesTheViewUnbound()
    {
        startProgram(withoutSplash({"Lorenz"}));
        CUser& document = app_->document();
        const ViewSlot& slot = document.views[0];
        QVERIFY(orbitColourShare(frameAfterTicks()) > 0.01);
        // A model in the list whose function the library does not have.
        QVERIFY(QFile::copy(program_->modelFile("Lorenz.txt"), program_->modelFile("Ghost.txt")));
        std::ofstream(program_->modelFile("Eqnbank.c").toStdString(), std::ios::app)
            << "//ModelName = Ghost\n//ModelFileDir = ./Ghost.txt\n";
        QAction* analysis = menuItem(QStringLiteral("メニュー(&M)"), QStringLiteral("数理モデル解析"));

        whenModal<CModelListDialog>([](CModelListDialog* list) { chooseAndAccept(list, "Ghost"); });
        analysis->trigger();
        QCOMPARE(reporter_.messages.size(), std::size_t{1});
        QVERIFY2(reporter_.messages[0].find("Ghost") != std::string::npos, reporter_.messages[0].c_str());
        QCOMPARE(slot.engine.binding.bound, 0);
        QCOMPARE(slot.engine.orbitReady, 0);
        QVERIFY(!shownSamplingDialog());
        QVERIFY(!document.isAnalysisWindowOpen(0, 0));
        QVERIFY(!app_->router().state(CommandId::SamplingSetting).enabled);
        const double share = orbitColourShare(frameAfterTicks());
        QVERIFY2(share < 0.001, qPrintable(QStringLiteral("the previous attractor still covers %1").arg(share)));

        // No library at all.
        QVERIFY(QFile::remove(program_->file(QStringLiteral("Eqnbank.so"))));
        reporter_.messages.clear();
        whenModal<CModelListDialog>([](CModelListDialog* list) { chooseAndAccept(list, "Lorenz"); });
        analysis->trigger();
        QCOMPARE(reporter_.messages.size(), std::size_t{1});
        QVERIFY2(reporter_.messages[0].find("Eqnbank.so") != std::string::npos, reporter_.messages[0].c_str());
        QCOMPARE(slot.engine.binding.bound, 0);
        QVERIFY(!shownSamplingDialog());
    }

    void theToolsItemOpensTheSamplingWindowAndASecondOpenReplacesIt()
    {
        startProgram(withoutSplash({"Lorenz"}));
        CUser& document = app_->document();
        ViewSlot& slot = document.views[0];
        QAction* item = menuItem(QStringLiteral("ツール(&T)"), QStringLiteral("サンプリング・初期値の設定"));
        QVERIFY(item && item->isEnabled());
        QVERIFY(!item->isChecked());

        item->trigger();
        QPointer<CSamplingDialog> first = shownSamplingDialog();
        QVERIFY(first);
        QVERIFY(refreshed(item)->isChecked());
        item->trigger();
        QTRY_VERIFY(first.isNull());
        QCOMPARE(visibleSamplingDialogs(), 1);
        QPointer<CSamplingDialog> second = shownSamplingDialog();
        QVERIFY(document.isAnalysisWindowOpen(0, 0));

        // "適用" integrates from the values typed in; the next tick draws it.
        lineEdit(second, "initialValueEdit0")->setText(QStringLiteral("2.5"));
        QTest::mouseClick(button(second, "applyButton"), Qt::LeftButton);
        QCOMPARE(slot.engine.orbit.front().c[0], 2.5);
        QCOMPARE(slot.environment.rebuildLevel, RebuildLevel::Orbit);
        QTRY_COMPARE(slot.environment.rebuildLevel, RebuildLevel::None);

        // Cancel hides the window: the item loses its mark.
        QTest::mouseClick(button(second, "cancelButton"), Qt::LeftButton);
        QVERIFY(!document.isAnalysisWindowOpen(0, 0));
        QVERIFY(!refreshed(item)->isChecked());

        // Closing the view's windows takes it down for good.
        item->trigger();
        second = shownSamplingDialog();
        QVERIFY(second);
        document.closeViewWindows(0);
        QVERIFY(!second->isVisible());
        QTRY_VERIFY(second.isNull());

        // Not for a time-series view.
        document.prepareAnalysisStart(DataSource::Series, false);
        slot.engine.orbitReady = 1;
        QVERIFY(!refreshed(item)->isEnabled());
    }

    void underAllViewEveryReadyModelViewGetsItsOwnWindow()
    {
        StartOptions options = withoutSplash({"Lorenz", "Ressler"});
        options.viewCount = 4;
        startProgram(options);
        CUser& document = app_->document();
        document.views[2].environment.dataSource = DataSource::Series;
        QVERIFY(app_->router().execute(CommandId::AllViews));
        QVERIFY(app_->router().execute(CommandId::SamplingSetting));
        QCOMPARE(visibleSamplingDialogs(), 3);
        for (int v : {0, 1, 3})
            QVERIFY2(document.isAnalysisWindowOpen(0, v), qPrintable(QString::number(v)));
        QVERIFY(!document.isAnalysisWindowOpen(0, 2));
        // Each window edits its own view's record.
        auto* ofView1 = static_cast<WindowAdapter<CSamplingDialog>*>(document.views[1].windows[0].get())->widget();
        QCOMPARE(lineEdit(ofView1, "samplingPointEdit")->text(),
                 QString::number(document.views[1].engine.recordInUse.Sampling_Point));
        QCOMPARE(document.views[1].engine.recordInUse.ModelName, std::string("Ressler"));
        lineEdit(ofView1, "initialValueEdit2")->setText(QStringLiteral("0.75"));
        QTest::mouseClick(button(ofView1, "applyButton"), Qt::LeftButton);
        QCOMPARE(document.views[1].engine.orbit.front().c[2], 0.75);
        QVERIFY(document.views[3].engine.orbit.front().c[2] != 0.75);
    }

    void aModelWrittenInTheEditorIsIntegratedFromItsEquations()
    {
        startProgram(withoutSplash());
        CUser& document = app_->document();
        const ViewSlot& slot = document.views[0];
        const QString modelPath = program_->modelFile(QStringLiteral("Decay.txt"));
        QAction* analysis = menuItem(QStringLiteral("メニュー(&M)"), QStringLiteral("数理モデル解析"));

        bool missed = false;
        QString chosenAfterCompile;
        QString saveButton;
        whenModal<CModelListDialog>(
            [&](CModelListDialog* list) {
                whenModal<CModelEditorDialog>(
                    [&](CModelEditorDialog* editor) {
                        lineEdit(editor, "modelNameEdit")->setText(QStringLiteral("Decay"));
                        editor->findChild<QComboBox*>(QStringLiteral("parameterList"))->setCurrentIndex(0);
                        const QStringList equations{"-0.5*x", "-2*y", "x-z"};
                        for (int k = 0; k < 3; ++k)
                            lineEdit(editor, QStringLiteral("equationEdit%1").arg(k))->setText(equations[k]);
                        screenShot(QStringLiteral("4_model_editor_over_list"));
                        whenModal<QFileDialog>(
                            [&](QFileDialog* chooser) {
                                screenShot(QStringLiteral("5_save_chooser"));
                                saveButton = chooser->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->text();
                                chooser->selectFile(modelPath);
                                static_cast<QDialog*>(chooser)->accept();
                            },
                            &missed);
                        QTest::mouseClick(button(editor, "saveFileButton"), Qt::LeftButton);
                        QTest::mouseClick(button(editor, "okButton"), Qt::LeftButton);
                    },
                    &missed);
                QTest::mouseClick(button(list, "newModelButton"), Qt::LeftButton);
                chosenAfterCompile = list->findChild<QListWidget*>(QStringLiteral("modelNames"))->currentItem()->text();
                QTest::mouseClick(button(list, "okButton"), Qt::LeftButton);
            },
            &missed);
        analysis->trigger();
        QVERIFY(!missed);
        QVERIFY2(reporter_.messages.empty(), reporter_.messages.empty() ? "" : reporter_.messages.front().c_str());
        QCOMPARE(chosenAfterCompile, QStringLiteral("Decay"));
        QCOMPARE(saveButton, QStringLiteral("保存(&S)"));
        QVERIFY(QFile::exists(modelPath));
        QVERIFY(readAll(program_->modelFile(QStringLiteral("Eqnbank.c"))).contains("//ModelName = Decay"));
        QCOMPARE(slot.engine.recordInUse.ModelName, std::string("Decay"));
        QCOMPARE(slot.engine.binding.bound, 1);

        CSamplingDialog* sampling = shownSamplingDialog();
        QVERIFY(sampling);
        sampling->findChild<QRadioButton*>(QStringLiteral("fixedIntervalChoice"))->setChecked(true);
        lineEdit(sampling, "samplingPointEdit")->setText(QStringLiteral("301"));
        lineEdit(sampling, "samplingIntervalEdit")->setText(QStringLiteral("0.01"));
        const QStringList start{"1", "2", "3"};
        for (int k = 0; k < 3; ++k)
            lineEdit(sampling, QStringLiteral("initialValueEdit%1").arg(k))->setText(start[k]);
        QTest::mouseClick(button(sampling, "okButton"), Qt::LeftButton);

        QCOMPARE(slot.engine.orbitReady, 1);
        QCOMPARE(slot.engine.orbit.size(), std::size_t{301});
        // x = e^(-t/2), y = 2 e^(-2t), z = 3 e^(-t) + 2 (e^(-t/2) - e^(-t)), here at t = 3.
        const double t = 3.0;
        const double expected[3] = {std::exp(-0.5 * t), 2.0 * std::exp(-2.0 * t),
                                    3.0 * std::exp(-t) + 2.0 * (std::exp(-0.5 * t) - std::exp(-t))};
        const double limit = 1e-8;
        for (int k = 0; k < 3; ++k) {
            const double actual = slot.engine.orbit.back().c[k];
            QVERIFY2(std::fabs(actual - expected[k]) < limit,
                     qPrintable(QStringLiteral("component %1: expected %2, actual %3, limit %4")
                                    .arg(k).arg(expected[k], 0, 'g', 15).arg(actual, 0, 'g', 15).arg(limit)));
        }
        frameAfterTicks();
        screenShot(QStringLiteral("6_decay_orbit"));
    }

private:
    void startProgram(const StartOptions& options)
    {
        screen_ = std::make_unique<FakeDisplaySettings>(std::vector<ScreenMode>{{1280, 1024, 24, 60}},
                                                        ScreenSize{1280, 1024});
        app_ = std::make_unique<CAttravaApp>(program_->path(), *screen_, reporter_, options);
        app_->start();
        QVERIFY(QTest::qWaitForWindowExposed(&app_->frame()));
        QTRY_VERIFY(app_->document().scenesInitialised());
        QTRY_COMPARE(app_->view().timersRunning(), 1);
        QVERIFY2(reporter_.messages.empty(), reporter_.messages.empty() ? "" : reporter_.messages.front().c_str());
    }

    // The item of the frame's menu bar, refreshed as when its menu opens.
    QAction* menuItem(const QString& menuTitle, const QString& text)
    {
        return ::menuItem(app_->frame().menuBar()->actions(), menuTitle, text);
    }

    static QAction* refreshed(QAction* item)
    {
        for (QObject* widget : item->associatedObjects()) {
            if (auto* menu = qobject_cast<QMenu*>(widget))
                emit menu->aboutToShow();
        }
        return item;
    }

    QList<CSamplingDialog*> samplingDialogs() const
    {
        QList<CSamplingDialog*> shown;
        for (CSamplingDialog* dialog : app_->frame().findChildren<CSamplingDialog*>()) {
            if (dialog->isVisible())
                shown << dialog;
        }
        return shown;
    }
    int visibleSamplingDialogs() const { return static_cast<int>(samplingDialogs().size()); }
    CSamplingDialog* shownSamplingDialog() const
    {
        const QList<CSamplingDialog*> shown = samplingDialogs();
        return shown.size() == 1 ? shown.front() : nullptr;
    }

    // The frame drawn once a few ticks have passed.
    QImage frameAfterTicks()
    {
        QSignalSpy frames(&app_->view(), &CPsView::frameSwapped);
        [&] { QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 4, 3000); }();
        return app_->view().grabFramebuffer();
    }

    static void expectRecord(const ModelRecord& actual, const ModelRecord& expected)
    {
        QCOMPARE(actual.ModelName, expected.ModelName);
        QCOMPARE(actual.ModelFileDir, expected.ModelFileDir);
        QCOMPARE(actual.Dimension, expected.Dimension);
        QCOMPARE(actual.Display_Scale, expected.Display_Scale);
        QCOMPARE(actual.Sampling_Point, expected.Sampling_Point);
        QCOMPARE(actual.Setting.c[0], expected.Setting.c[0]);
        QCOMPARE(actual.Parameter_Default[0], expected.Parameter_Default[0]);
    }

    std::unique_ptr<ProgramFolder> program_;
    std::unique_ptr<FakeDisplaySettings> screen_;
    ShownMessagesReporter reporter_;
    std::unique_ptr<CAttravaApp> app_;
};

QTEST_MAIN(ModelRoadTest)
#include "model_road_test.moc"
