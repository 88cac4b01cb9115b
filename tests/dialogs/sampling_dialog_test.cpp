// The sampling and initial value window on a view's engine with an
// in-process Lorenz model: what it shows, the ranges it keeps, its layout per
// dimension, and which actions compute the orbit again.
#include "dialog_test_support.h"

#include "dialogs/sampling_dialog.h"
#include "dynamics/dynamics_engine.h"
#include "dynamics/test_models.h"
#include "dialogs/shown_messages_reporter.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace dialogtest;

class SamplingDialogTest : public QObject {
    Q_OBJECT

private:
    // A view's engine bound to Lorenz, and the window on it; computing the
    // orbit is counted.
    struct View {
        DynamicsEngine engine;
        ShownMessagesReporter reporter;
        int computations = 0;
        std::unique_ptr<CSamplingDialog> window;

        explicit View(int dimension = 3)
        {
            testmodels::bindModel(engine, testmodels::lorenz, 3, 3, {10.0, 28.0, 8.0 / 3.0});
            engine.recordInUse.Dimension = dimension;
            engine.recordInUse.Setting = StateVector{1.0, 1.0, 20.0, 0.0, 0.0, 0.0};
            engine.recordInUse.Sampling_Point = 1000;
            engine.recordEdited = engine.recordInUse;
            window = std::make_unique<CSamplingDialog>(engine, reporter, [this] {
                ++computations;
                engine.computeOrbit();
            });
        }
        QLineEdit* edit(const char* name) const { return window->findChild<QLineEdit*>(name); }
        QLineEdit* initial(int k) const
        {
            return window->findChild<QLineEdit*>(QStringLiteral("initialValueEdit%1").arg(k));
        }
        QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }
    };

private slots:
    void initTestCase() { useJapaneseFont(); }

    void opensWithTheRecordInUseFormatted()
    {
        View view;
        view.engine.recordInUse.Sampling_Interval = 0.0125;
        view.engine.recordInUse.Auto_Sampling_Interval_Upsilon = 1e-7;
        view.window->fill();
        QCOMPARE(view.window->windowTitle(), QString("サンプリング・初期値の設定"));
        QCOMPARE(view.edit("samplingPointEdit")->text(), QString("1000"));
        QCOMPARE(view.edit("samplingIntervalEdit")->text(), QString("0.0125"));
        QCOMPARE(view.initial(2)->text(), QString("20.000"));
        QVERIFY(view.window->findChild<QRadioButton*>("fixedIntervalChoice")->isChecked());
        auto* accuracy = view.window->findChild<QComboBox*>("accuracyList");
        QCOMPARE(accuracy->count(), 9);
        QCOMPARE(accuracy->itemText(0), QString("10^(-1)"));
        QCOMPARE(accuracy->itemText(8), QString("10^(-9)"));
        QCOMPARE(accuracy->currentIndex(), 6);
        QCOMPARE(view.button("okButton")->text(), QString("OK"));
        QCOMPARE(view.button("applyButton")->text(), QString("適用"));
        QCOMPARE(view.button("initialiseButton")->text(), QString("初期化"));
        QCOMPARE(view.button("cancelButton")->text(), QString("ｷｬﾝｾﾙ"));
        QVERIFY(view.button("okButton")->isDefault());
        QCOMPARE(view.computations, 0);
    }

    void theWindowGrowsWithTheDimension()
    {
        View three(3);
        QCOMPARE(three.window->size(), QSize(330, 216));
        three.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(three.window.get()));
        QVERIFY(three.initial(2)->isVisible());
        QVERIFY(!three.initial(3)->isVisible());
        QCOMPARE(three.button("cancelButton")->geometry(), QRect(210, 165, 80, 20));
        screenshot(three.window.get(), "sampling_window_3d");

        View six(6);
        QCOMPARE(six.window->size(), QSize(330, 290));
        six.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(six.window.get()));
        QVERIFY(six.initial(5)->isVisible());
        QCOMPARE(six.button("okButton")->geometry(), QRect(30, 215, 80, 20));
        screenshot(six.window.get(), "sampling_window_6d");

        const SamplingWindowLayout four = samplingWindowLayout(4);
        QCOMPARE(four.initialValueGroup, QRect(202, 5, 115, 135));
        QCOMPARE(four.window, QSize(330, 240));
        QCOMPARE(samplingWindowLayout(5).window, QSize(330, 266));

        const QRect viewRect(100, 100, 800, 600);
        three.window->centreOn(viewRect);
        QCOMPARE(three.window->frameGeometry().center(), viewRect.center());
    }

    void applyTakesValuesWithinTheirRangesOnly_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("no points") << "samplingPointEdit" << "0" << "1 から 1000000 までの整数を入力してください。";
        QTest::newRow("too many points") << "samplingPointEdit" << "1000001" << "1 から 1000000 までの整数を入力してください。";
        QTest::newRow("points not a number") << "samplingPointEdit" << "1e3" << "整数を入力してください。";
        QTest::newRow("interval too long") << "samplingIntervalEdit" << "1.5" << "1e-11 から 1 までの数字を入力してください。";
        QTest::newRow("interval zero") << "samplingIntervalEdit" << "0" << "1e-11 から 1 までの数字を入力してください。";
        QTest::newRow("initial value too far") << "initialValueEdit1" << "-1000001" << "-1000000 から 1000000 までの数字を入力してください。";
        QTest::newRow("initial value text") << "initialValueEdit0" << "abc" << "数値を入力してください。";
    }

    void applyTakesValuesWithinTheirRangesOnly()
    {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(QString, message);
        View view;
        const ModelRecord before = view.engine.recordInUse;
        view.edit("samplingPointEdit")->setText("2000");
        view.window->findChild<QLineEdit*>(edit)->setText(text);
        QTest::mouseClick(view.button("applyButton"), Qt::LeftButton);
        QCOMPARE(view.reporter.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(view.reporter.messages[0]), message);
        QCOMPARE(view.computations, 0);
        QCOMPARE(view.engine.recordInUse.Sampling_Point, before.Sampling_Point);
        QCOMPARE(view.engine.recordInUse.Setting.c[0], before.Setting.c[0]);
    }

    void applyAtTheRangeEndsComputesTheOrbit()
    {
        View view;
        view.edit("samplingPointEdit")->setText("1");
        view.edit("samplingIntervalEdit")->setText("1.0");
        view.initial(0)->setText("-1000000");
        QTest::mouseClick(view.button("applyButton"), Qt::LeftButton);
        QVERIFY(view.reporter.messages.empty());
        QCOMPARE(view.engine.recordInUse.Sampling_Point, 1);
        QCOMPARE(view.engine.recordInUse.Sampling_Interval, 1.0);
        QCOMPARE(view.engine.recordInUse.Setting.c[0], -1e6);

        view.edit("samplingPointEdit")->setText("500");
        view.edit("samplingIntervalEdit")->setText("0.005");
        view.initial(0)->setText("2.5");
        QTest::mouseClick(view.button("applyButton"), Qt::LeftButton);
        QCOMPARE(view.computations, 2);
        QCOMPARE(view.engine.orbitReady, 1);
        QCOMPARE(view.engine.orbit.size(), std::size_t{500});
        QCOMPARE(view.engine.orbit[0].c[0], 2.5);
    }

    void choosingAutomaticOrAnAccuracyRecomputesAtOnce()
    {
        View view;
        view.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.window.get()));
        auto* automatic = view.window->findChild<QRadioButton*>("autoIntervalChoice");
        QTest::mouseClick(automatic, Qt::LeftButton);
        QCOMPARE(view.computations, 1);
        QCOMPARE(view.engine.recordInUse.Auto_Sampling_Interval_Flag, 1);
        QCOMPARE(view.engine.orbitReady, 1);
        // The automatic interval adapts the step along the orbit.
        const auto [smallest, largest] =
            std::minmax_element(view.engine.stepSizes.begin(), view.engine.stepSizes.end() - 1);
        QVERIFY2(*smallest < *largest, qPrintable(QStringLiteral("steps %1 .. %2").arg(*smallest).arg(*largest)));

        auto* accuracy = view.window->findChild<QComboBox*>("accuracyList");
        accuracy->setCurrentIndex(2);
        emit accuracy->activated(2);
        QCOMPARE(view.computations, 2);
        QCOMPARE(view.engine.recordInUse.Auto_Sampling_Interval_Upsilon, 1e-3);

        QTest::mouseClick(view.window->findChild<QRadioButton*>("fixedIntervalChoice"), Qt::LeftButton);
        QCOMPARE(view.computations, 3);
        QCOMPARE(view.engine.recordInUse.Auto_Sampling_Interval_Flag, 0);
        QVERIFY(view.engine.stepSizes[0] == view.engine.recordInUse.Sampling_Interval);
    }

    void initialiseRestoresTheConfiguredValues()
    {
        View view;
        view.engine.recordEdited.Sampling_Point = 321;
        view.engine.recordEdited.Sampling_Interval = 0.002;
        view.engine.recordEdited.Auto_Sampling_Interval_Flag = 1;
        view.engine.recordEdited.Auto_Sampling_Interval_Upsilon = 1e-4;
        view.engine.recordEdited.Setting = StateVector{0.5, -0.5, 7.0, 0, 0, 0};
        QTest::mouseClick(view.button("initialiseButton"), Qt::LeftButton);
        QCOMPARE(view.engine.recordInUse.Sampling_Point, 321);
        QCOMPARE(view.engine.recordInUse.Setting.c[2], 7.0);
        QCOMPARE(view.edit("samplingPointEdit")->text(), QString("321"));
        QCOMPARE(view.edit("samplingIntervalEdit")->text(), QString("0.0020"));
        QVERIFY(view.window->findChild<QRadioButton*>("autoIntervalChoice")->isChecked());
        QCOMPARE(view.window->findChild<QComboBox*>("accuracyList")->currentIndex(), 3);
        QCOMPARE(view.initial(1)->text(), QString("-0.500"));
        QCOMPARE(view.computations, 1);
        QCOMPARE(view.engine.orbit.size(), std::size_t{321});
    }

    void okAppliesAndHidesCancelOnlyHides()
    {
        View view;
        view.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.window.get()));
        view.edit("samplingPointEdit")->setText("0");
        QTest::mouseClick(view.button("okButton"), Qt::LeftButton);
        QVERIFY(view.window->isVisible());
        QCOMPARE(view.computations, 0);

        view.edit("samplingPointEdit")->setText("1500");
        QTest::mouseClick(view.button("okButton"), Qt::LeftButton);
        QVERIFY(!view.window->isVisible());
        QCOMPARE(view.computations, 1);
        QCOMPARE(view.engine.recordInUse.Sampling_Point, 1500);

        view.window->show();
        view.edit("samplingPointEdit")->setText("99");
        QTest::mouseClick(view.button("cancelButton"), Qt::LeftButton);
        QVERIFY(!view.window->isVisible());
        QCOMPARE(view.engine.recordInUse.Sampling_Point, 1500);
        QCOMPARE(view.computations, 1);
    }
};

QTEST_MAIN(SamplingDialogTest)
#include "sampling_dialog_test.moc"
