// The parameter setting window and the two property sheets on a view's
// engine with an in-process Lorenz model: sliders, keys and typed values of
// the parameter rows; live changes, apply, cancel and save of the
// environment sheet; apply, cancel, refused input and save of the default
// parameter sheet.
#include "dialog_test_support.h"

#include "dialogs/default_parameter_sheet.h"
#include "dialogs/environment_sheet.h"
#include "dialogs/parameter_dialog.h"
#include "dialogs/shown_messages_reporter.h"
#include "dynamics/dynamics_engine.h"
#include "dynamics/test_models.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace dialogtest;

namespace {

// A view's engine bound to Lorenz with a = 2.5 in 0 .. 10, b = 28 in
// 0 .. 100 and c = 4 between equal limits; the configured values equal
// those in use.
void bindLorenzRows(DynamicsEngine& engine, int parameters = 3)
{
    testmodels::bindModel(engine, testmodels::lorenz, 3, 3, {2.5, 28.0, 4.0});
    ModelRecord& record = engine.recordInUse;
    record.Parameter = parameters;
    const double limits[3][2] = {{0.0, 10.0}, {0.0, 100.0}, {4.0, 4.0}};
    for (int i = 0; i < 3; ++i) {
        record.Parameter_Min[i] = limits[i][0];
        record.Parameter_Max[i] = limits[i][1];
    }
    record.Sampling_Point = 1000;
    engine.recordEdited = record;
}

struct ParameterView {
    DynamicsEngine engine;
    ShownMessagesReporter reporter;
    int changes = 0;
    std::unique_ptr<CParameterDialog> window;

    explicit ParameterView(int parameters = 3)
    {
        bindLorenzRows(engine, parameters);
        window = std::make_unique<CParameterDialog>(engine, reporter, [this] { ++changes; });
    }
    QSlider* slider(int i) const { return window->findChild<QSlider*>(QStringLiteral("parameterSlider%1").arg(i)); }
    QLineEdit* edit(int i) const { return window->findChild<QLineEdit*>(QStringLiteral("parameterEdit%1").arg(i)); }
    QLabel* label(const QString& name) const { return window->findChild<QLabel*>(name); }
    double value(int i) const { return engine.recordInUse.Parameter_Default[i]; }
};

struct EnvironmentView {
    DynamicsEngine engine;
    EnvironmentSettings environment;
    std::vector<EnvironmentChange> applied;
    int saves = 0;
    std::optional<QColor> nextColour;
    std::vector<bool> alphaAsked;
    std::unique_ptr<CEnvironmentSheet> sheet;

    // prepare: the record as the sheet finds it when it opens.
    explicit EnvironmentView(int dimension = 3, const std::function<void(EnvironmentSettings&)>& prepare = {})
    {
        testmodels::bindLorenz(engine);
        engine.recordInUse.Dimension = dimension;
        if (prepare)
            prepare(environment);
        sheet = std::make_unique<CEnvironmentSheet>(
            engine, environment, [this](EnvironmentChange kind) { applied.push_back(kind); },
            [this] { ++saves; });
        sheet->chooseColour = [this](const QColor&, bool alpha) {
            alphaAsked.push_back(alpha);
            return nextColour;
        };
    }
    template <class W> W* find(const QString& name) const { return sheet->findChild<W*>(name); }
    QRadioButton* radio(const QString& text) const
    {
        for (QRadioButton* radio : sheet->findChildren<QRadioButton*>()) {
            if (radio->text() == text)
                return radio;
        }
        return nullptr;
    }
    void click(const QString& buttonName) const
    {
        QTest::mouseClick(find<QPushButton>(buttonName), Qt::LeftButton);
    }
};

struct DefaultSheetView {
    DynamicsEngine engine;
    ShownMessagesReporter reporter;
    std::vector<RebuildLevel> recomputes;
    std::unique_ptr<CDefaultParameterSheet> sheet;

    explicit DefaultSheetView(const QString& modelFile)
    {
        bindLorenzRows(engine);
        ModelRecord& record = engine.recordInUse;
        record.ModelFileDir = modelFile.toStdString();
        record.Auto_Sampling_Interval_Upsilon = 1e-3;
        record.Phase_Space_Position = StateVector{1.0, 2.0, 3.0, 0.0, 0.0, 0.0};
        engine.recordEdited = record;
        sheet = std::make_unique<CDefaultParameterSheet>(
            engine, reporter, [this](RebuildLevel level) { recomputes.push_back(level); },
            [] { return Vector3{0.5, -1.0, 2.0}; });
        sheet->show();
    }
    QLineEdit* edit(const QString& name) const { return sheet->findChild<QLineEdit*>(name); }
    void showPage(int index) const { sheet->findChild<QTabWidget*>("sheetPages")->setCurrentIndex(index); }
};

}  // namespace

class SettingWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useJapaneseFont(); }

    void parameterRowsShowValuesAndFollowSlidersAndKeys()
    {
        ParameterView view;
        QCOMPARE(view.window->windowTitle(), QString("パラメータ値の設定"));
        QCOMPARE(CParameterDialog::titleFor(2), QString("パラメータ値の変更 View-2"));
        QCOMPARE(view.window->size(), QSize(700, 160));
        QCOMPARE(view.slider(0)->value(), 250);
        QCOMPARE(view.edit(0)->text(), QString("2.500000"));
        QCOMPARE(view.label("lowerLimit1")->text(), QString("0.00"));
        QCOMPARE(view.label("upperLimit1")->text(), QString("100.00"));
        QVERIFY(!view.slider(2)->isEnabled());
        QVERIFY(view.slider(1)->isEnabled());
        screenshot(view.window.get(), "parameter_window");

        view.slider(0)->setValue(251);
        QCOMPARE(view.edit(0)->text(), QString("2.510000"));
        QCOMPARE(view.value(0), 2.51);
        QCOMPARE(view.changes, 1);

        view.slider(1)->setFocus();
        QTest::keyClick(view.slider(1), Qt::Key_Right);
        QCOMPARE(view.slider(1)->value(), 281);
        QTest::keyClick(view.slider(1), Qt::Key_PageUp);
        QCOMPARE(view.slider(1)->value(), 331);
        QCOMPARE(view.edit(1)->text(), QString("33.100000"));
        QCOMPARE(view.value(1), 33.1);
        QCOMPARE(view.changes, 3);

        ParameterView two(2);
        QCOMPARE(two.window->size(), QSize(700, 120));
        QVERIFY(two.slider(2)->isHidden());
        QVERIFY(!two.slider(1)->isHidden());
    }

    void typedValuesApplyOrNameTheRowThatIsNotANumber()
    {
        ParameterView view;
        view.edit(0)->setText("20");
        QVERIFY(view.window->apply());
        QCOMPARE(view.value(0), 20.0);
        QCOMPARE(view.slider(0)->value(), 1000);
        QCOMPARE(view.changes, 1);

        view.edit(0)->setText("3");
        view.edit(1)->setText("abc");
        QVERIFY(!view.window->apply());
        QCOMPARE(view.reporter.messages.size(), std::size_t{1});
        const QString message = QString::fromStdString(view.reporter.messages[0]);
        QVERIFY2(message.contains("パラメータ b") && message.contains("abc"), qPrintable(message));
        QCOMPARE(view.value(0), 20.0);
        QCOMPARE(view.value(1), 28.0);
        QCOMPARE(view.changes, 1);

        // Enter takes its own row only; a row without a range still takes values.
        view.edit(2)->setText("7.5");
        QTest::keyClick(view.edit(2), Qt::Key_Return);
        QCOMPARE(view.value(2), 7.5);
        QCOMPARE(view.value(0), 20.0);
        QVERIFY(!view.slider(2)->isEnabled());
        QCOMPARE(view.changes, 2);
    }

    void initialiseRestoresTheConfiguredValuesOfEveryRow()
    {
        ParameterView view(2);
        view.engine.recordEdited.Parameter_Default[5] = 1.5;
        view.engine.recordInUse.Parameter_Default[5] = 9.0;
        view.slider(0)->setValue(900);
        view.slider(1)->setValue(100);
        view.window->initialise();
        for (int i = 0; i < kMaxParameters; ++i)
            QCOMPARE(view.value(i), view.engine.recordEdited.Parameter_Default[i]);
        QCOMPARE(view.slider(0)->value(), 250);
        QCOMPARE(view.edit(1)->text(), QString("28.000000"));
        QCOMPARE(view.changes, 3);
    }

    void environmentChangesShowAtOnceAndCancelRestoresTheOpeningState()
    {
        EnvironmentView v(3, [](EnvironmentSettings& environment) {
            environment.Axis_Scale_Numbers = 6;
            environment.Axis_Type1_BackColor[3] = 0.7f;
        });
        const EnvironmentSettings opening = v.environment;
        QCOMPARE(v.sheet->windowTitle(), QString("環境設定"));
        QCOMPARE(CEnvironmentSheet::titleFor(2), QString("環境設定 View-2"));
        QCOMPARE(v.find<QSpinBox>("tickCount")->value(), 7);
        QCOMPARE(v.find<QSpinBox>("backAlpha")->value(), 7);
        QVERIFY(!v.sheet->isModified());
        screenshot(v.sheet.get(), "environment_sheet_colours");

        v.radio("チェック柄の床")->click();
        QCOMPARE(v.environment.Wall_Type_Num, 2);
        v.nextColour = QColor(255, 0, 0);
        v.click("backgroundColour");
        QCOMPARE(v.environment.BackGround_Color[0], 1.0f);
        QCOMPARE(v.environment.BackGround_Color[1], 0.0f);
        v.find<QSpinBox>("tickCount")->setValue(9);
        QCOMPARE(v.environment.Axis_Scale_Numbers, 8);
        v.nextColour = QColor(0, 255, 0, 51);
        v.click("backColour");
        QCOMPARE(v.environment.Axis_Type1_BackColor[1], 1.0f);
        QCOMPARE(v.find<QSpinBox>("backAlpha")->value(), 2);
        v.nextColour.reset();  // the user cancels the colour dialog
        v.click("orbitColour");
        QCOMPARE(v.environment.Orbit_Color[0], opening.Orbit_Color[0]);
        QCOMPARE(v.alphaAsked, (std::vector<bool>{false, true, false}));
        QCOMPARE(v.applied, (std::vector<EnvironmentChange>{EnvironmentChange::Room, EnvironmentChange::ClearColour,
                                                            EnvironmentChange::Axes, EnvironmentChange::Axes}));
        QVERIFY(v.sheet->isModified());

        v.sheet->show();
        v.environment.rebuildLevel = RebuildLevel::VectorField;  // a view command meanwhile
        v.applied.clear();
        v.sheet->reject();
        QVERIFY(!v.sheet->isVisible());
        QCOMPARE(v.environment.Wall_Type_Num, opening.Wall_Type_Num);
        QVERIFY(std::equal(std::begin(v.environment.BackGround_Color), std::end(v.environment.BackGround_Color),
                           std::begin(opening.BackGround_Color)));
        QCOMPARE(v.environment.Axis_Scale_Numbers, 6);
        QCOMPARE(v.environment.Axis_Type1_BackColor[3], 0.7f);
        QCOMPARE(v.environment.rebuildLevel, RebuildLevel::VectorField);
        QCOMPARE(v.find<QSpinBox>("tickCount")->value(), 7);
        QCOMPARE(v.applied, (std::vector<EnvironmentChange>{EnvironmentChange::ClearColour, EnvironmentChange::Room,
                                                            EnvironmentChange::OrbitDisplay, EnvironmentChange::Axes,
                                                            EnvironmentChange::DisplayBasis}));
    }

    void axisArrangementIsForFourVariablesAndOutlivesCancel()
    {
        EnvironmentView three;
        QVERIFY(!three.find<QRadioButton>("arrangement0")->isEnabled());
        QVERIFY(!three.find<QRadioButton>("colourAxis3")->isEnabled());
        QVERIFY(three.find<QCheckBox>("backFlag")->isEnabled());

        EnvironmentView four(4);
        QVERIFY(!four.find<QCheckBox>("backFlag")->isEnabled());
        four.find<QRadioButton>("arrangement2")->click();
        four.find<QRadioButton>("colourAxis3")->click();
        QCOMPARE(four.engine.recordInUse.Basis_Axis_Mode, 2);
        QCOMPARE(four.engine.recordInUse.Color_Axis_Number, 3);
        QCOMPARE(four.applied.back(), EnvironmentChange::DisplayBasis);
        four.sheet->findChild<QTabWidget*>("sheetPages")->setCurrentIndex(2);
        four.sheet->show();
        screenshot(four.sheet.get(), "environment_sheet_arrangement");
        four.sheet->findChild<QTabWidget*>("sheetPages")->setCurrentIndex(1);
        screenshot(four.sheet.get(), "environment_sheet_axes");
        four.sheet->pressSave();
        QCOMPARE(four.saves, 1);
        four.sheet->reject();
        QCOMPARE(four.engine.recordInUse.Basis_Axis_Mode, 2);

        EnvironmentView six(6);
        six.engine.recordInUse.Basis_Axis_Mode = 3;
        six.sheet->accept();
        QCOMPARE(six.engine.recordInUse.Basis_Axis_Mode, 0);
    }

    void defaultSheetShowsTheEditedRecord()
    {
        QTemporaryDir folder;
        DefaultSheetView view(folder.filePath("Lorenz.txt"));
        QCOMPARE(view.sheet->windowTitle(), QString("デフォルトパラメータの設定"));
        QCOMPARE(CDefaultParameterSheet::titleFor(3), QString("デフォルトパラメータの設定 View-3"));
        QVERIFY(view.edit("initialValue2")->isVisible());
        QVERIFY(!view.edit("initialValue3")->isVisible());
        QCOMPARE(view.sheet->findChild<QComboBox*>("accuracy")->currentIndex(), 2);
        QCOMPARE(view.edit("phaseSpacePosition0")->text(), QString("1"));
        QCOMPARE(view.edit("phaseSpacePosition1")->text(), QString("3"));
        QCOMPARE(view.edit("phaseSpacePosition2")->text(), QString("-2"));
        screenshot(view.sheet.get(), "default_sheet_basic");
        view.showPage(1);
        screenshot(view.sheet.get(), "default_sheet_parameters");
        QVERIFY(!view.edit("parameterValue3")->isVisible());
        view.showPage(2);
        screenshot(view.sheet.get(), "default_sheet_display");

        // Applying without a change keeps every value, the accuracy included.
        const ModelRecord before = view.engine.recordEdited;
        view.sheet->pressApply();
        QCOMPARE(view.engine.recordEdited.Auto_Sampling_Interval_Upsilon, 1e-3);
        QCOMPARE(view.engine.recordEdited.Phase_Space_Position, before.Phase_Space_Position);
        QCOMPARE(view.engine.recordInUse.Parameter_Default[1], 28.0);
    }

    void defaultSheetAppliesRefusesAndCancelsToTheOpeningSettings()
    {
        QTemporaryDir folder;
        DefaultSheetView view(folder.filePath("Lorenz.txt"));
        view.showPage(1);
        view.edit("parameterValue1")->setText("50");
        QVERIFY2(!view.sheet->isModified(), "only what the user types marks a page");
        QTest::keyClick(view.edit("parameterMax1"), Qt::Key_0);
        QVERIFY(view.sheet->isModified());
        view.sheet->pressApply();
        QCOMPARE(view.engine.recordInUse.Parameter_Default[1], 50.0);
        QCOMPARE(view.engine.recordInUse.Parameter_Max[1], 1000.0);
        QCOMPARE(view.recomputes, std::vector<RebuildLevel>{RebuildLevel::VectorField});
        QVERIFY(!view.sheet->isModified());

        view.showPage(0);
        view.edit("samplingPoints")->setText("0");
        view.sheet->pressApply();
        QCOMPARE(view.reporter.messages, std::vector<std::string>{"1 から 500000 までの整数を入力してください。"});
        QCOMPARE(view.engine.recordEdited.Sampling_Point, 1000);
        QCOMPARE(view.recomputes.size(), std::size_t{1});

        view.sheet->reject();
        QVERIFY(!view.sheet->isVisible());
        QCOMPARE(view.engine.recordInUse.Parameter_Default[1], 28.0);
        QCOMPARE(view.engine.recordEdited.Parameter_Max[1], 100.0);
        QCOMPARE(view.edit("parameterValue1")->text(), QString("28"));
        QCOMPARE(view.recomputes.size(), std::size_t{2});
    }

    void defaultSheetSavesIntoTheModelFileOrKeepsTheAppliedSettings()
    {
        QTemporaryDir folder;
        DefaultSheetView view(folder.filePath("Lorenz.txt"));
        view.showPage(1);
        view.edit("parameterValue1")->setText("50");
        view.sheet->pressSave();
        QVERIFY(view.sheet->isVisible());
        ModelRecord saved;
        saved.ModelFileDir = view.engine.recordEdited.ModelFileDir;
        QVERIFY(saved.Read(view.reporter));
        QCOMPARE(saved.Parameter_Default[1], 50.0);

        view.engine.recordEdited.ModelFileDir = folder.filePath("no-such-folder/Lorenz.txt").toStdString();
        view.edit("parameterValue1")->setText("60");
        view.sheet->pressSave();
        QCOMPARE(view.reporter.kinds(), std::vector<FailureKind>{FailureKind::ModelFileUnwritable});
        QCOMPARE(view.engine.recordInUse.Parameter_Default[1], 60.0);
        QVERIFY(view.sheet->isVisible());
    }
};

QTEST_MAIN(SettingWindowsTest)
#include "setting_windows_test.moc"
