// The local Lyapunov exponent window and the phase-space settings window on a
// view's engine with an in-process Lorenz model: what they show, their layout
// per dimension, the values they take or refuse, and what each action asks
// of the view.
#include "dialog_test_support.h"

#include "dialogs/local_lyapunov_dialog.h"
#include "dialogs/phase_space_dialog.h"
#include "dialogs/shown_messages_reporter.h"
#include "dynamics/dynamics_engine.h"
#include "dynamics/test_models.h"
#include "settings/environment_settings.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace dialogtest;

namespace {

// A view's engine bound to Lorenz with its environment.
struct View {
    DynamicsEngine engine;
    EnvironmentSettings environment;
    ShownMessagesReporter reporter;
    int computations = 0;

    explicit View(int dimension = 3)
    {
        testmodels::bindModel(engine, testmodels::lorenz, 3, 3, {10.0, 28.0, 8.0 / 3.0});
        engine.recordInUse.Dimension = dimension;
    }
    std::unique_ptr<CLocalLyapunovDialog> errorWindow()
    {
        return std::make_unique<CLocalLyapunovDialog>(environment, engine, reporter,
                                                      [this] { ++computations; });
    }
};

template <typename W>
QLineEdit* edit(W& window, const QString& name) { return window.template findChild<QLineEdit*>(name); }

template <typename W>
void click(W& window, const char* button)
{
    QTest::mouseClick(window.template findChild<QAbstractButton*>(button), Qt::LeftButton);
}

}  // namespace

class VectorWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useJapaneseFont(); }

    void errorWindowShowsTheModelsRowsAndGrowsWithIt()
    {
        View three(3);
        three.environment.perturbation = StateVector{1e-8, 0.0, -2.5, 0.0, 0.0, 0.0};
        auto window = three.errorWindow();
        QCOMPARE(window->windowTitle(), QString("局所的リアプノフ指数"));
        QCOMPARE(CLocalLyapunovDialog::titleFor(3), QString("View-3"));
        QCOMPARE(window->size(), QSize(140, 200));
        QCOMPARE(edit(*window, "errorEdit0")->text(), QString("0.00000001"));
        QCOMPARE(edit(*window, "errorEdit2")->text(), QString("-2.50000000"));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(edit(*window, "errorEdit2")->isVisible());
        QVERIFY(!edit(*window, "errorEdit3")->isVisible());
        screenshot(window.get(), "local_lyapunov_window_3d");

        View six(6);
        auto wide = six.errorWindow();
        QCOMPARE(wide->size(), QSize(140, 275));
        QCOMPARE(wide->findChild<QPushButton*>("okButton")->geometry(), QRect(30, 225, 80, 20));
        wide->show();
        QVERIFY(QTest::qWaitForWindowExposed(wide.get()));
        QVERIFY(edit(*wide, "errorEdit5")->isVisible());
        screenshot(wide.get(), "local_lyapunov_window_6d");
        QCOMPARE(localLyapunovWindowLayout(4).window, QSize(140, 225));
    }

    void errorWindowTakesTheModelsComponentsOrRefusesThemAll()
    {
        View view(3);
        view.environment.perturbation = StateVector{1e-8, 0.0, 0.0, 0.0, 7.0, 0.0};
        auto window = view.errorWindow();
        edit(*window, "errorEdit1")->setText("0.5");
        edit(*window, "errorEdit2")->setText("-1e-3");
        click(*window, "applyButton");
        QCOMPARE(view.environment.perturbation, (StateVector{1e-8, 0.5, -1e-3, 0.0, 7.0, 0.0}));
        QCOMPARE(view.computations, 1);

        // Out of range, or no error at all: nothing taken, no orbit computed.
        edit(*window, "errorEdit1")->setText("2000000");
        click(*window, "okButton");
        for (const char* zero : {"errorEdit0", "errorEdit1", "errorEdit2"})
            edit(*window, zero)->setText("0");
        click(*window, "applyButton");
        QCOMPARE(view.reporter.messages.size(), std::size_t{2});
        QCOMPARE(view.environment.perturbation[1], 0.5);
        QCOMPARE(view.computations, 1);

        window->show();
        edit(*window, "errorEdit0")->setText("1e-6");
        click(*window, "okButton");
        QVERIFY(!window->isVisible());
        QCOMPARE(view.environment.perturbation[0], 1e-6);
        QCOMPARE(view.computations, 2);
    }

    void phaseSpaceWindowWritesTheFieldSettingsAndAsksForARebuild()
    {
        View view;
        view.engine.recordInUse.Phase_Space_Sise = 2.5;
        view.engine.recordInUse.Phase_Space_Position = StateVector{1.0, -2.0, 25.0, 0.0, 0.0, 0.0};
        CPhaseSpaceDialog window(view.environment, view.engine, view.reporter);
        QCOMPARE(window.windowTitle(), QString("相空間の設定"));
        QCOMPARE(edit(window, "pointsPerSideEdit")->text(), QString("10"));
        QCOMPARE(edit(window, "spacingEdit")->text(), QString("2.500000"));
        QCOMPARE(edit(window, "centreEditZ")->text(), QString("25.000"));
        QVERIFY(window.findChild<QRadioButton*>("velocityArrows")->isChecked());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        screenshot(&window, "phase_space_window");

        // A choice applies at once.
        click(window, "speedDots");
        QCOMPARE(view.environment.Vector_Flag_Display_Vector, 0);
        QCOMPARE(view.environment.rebuildLevel, RebuildLevel::VectorField);

        view.environment.rebuildLevel = RebuildLevel::None;
        edit(window, "pointsPerSideEdit")->setText("41");
        edit(window, "centreEditY")->setText("3");
        click(window, "applyButton");
        QCOMPARE(view.reporter.messages.size(), std::size_t{1});
        QCOMPARE(view.environment.Vector_Space_Num, 10);
        QCOMPARE(view.engine.recordInUse.Phase_Space_Position[1], -2.0);
        QCOMPARE(view.environment.rebuildLevel, RebuildLevel::None);

        edit(window, "pointsPerSideEdit")->setText("40");
        edit(window, "spacingEdit")->setText("0.5");
        edit(window, "dotSizeEdit")->setText("15");
        click(window, "attractorHidden");
        click(window, "okButton");
        QVERIFY(!window.isVisible());
        QCOMPARE(view.environment.Vector_Space_Num, 40);
        QCOMPARE(view.environment.Vector_LaticeSize, 15);
        QCOMPARE(view.environment.Vector_Flag_Display_Attractor, 0);
        QCOMPARE(view.engine.recordInUse.Phase_Space_Sise, 0.5);
        QCOMPARE(view.engine.recordInUse.Phase_Space_Position[1], 3.0);
        QCOMPARE(view.environment.rebuildLevel, RebuildLevel::VectorField);
    }
};

QTEST_MAIN(VectorWindowsTest)
#include "vector_windows_test.moc"
