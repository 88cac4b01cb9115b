// The free magnification dialog: what it accepts, what it refuses and how it
// reports a refusal.
#include "dialogs/magnification_dialog.h"
#include "dialogs/shown_messages_reporter.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class MagnificationDialogTest : public QObject {
    Q_OBJECT

private slots:
    void acceptsNumbersAboveZeroUpToAThousand()
    {
        QCOMPARE(parseMagnification("1000").value, std::optional<double>(1000.0));
        QCOMPARE(parseMagnification(" 0.0001 ").value, std::optional<double>(0.0001));
        QCOMPARE(parseMagnification("2.5e1").value, std::optional<double>(25.0));
    }

    void refusesTextOutsideTheRangeWithTheRangeMessage()
    {
        const MagnificationInput tooLarge = parseMagnification("1000.5");
        QVERIFY(!tooLarge.value);
        QCOMPARE(QString::fromStdString(tooLarge.message), QString("0 から 1000 までの数字を入力してください。"));
        QVERIFY(!parseMagnification("-1").value);
        QCOMPARE(QString::fromStdString(parseMagnification("abc").message), QString("数値を入力してください。"));
        QVERIFY(!parseMagnification("nan").value);
        QVERIFY(!parseMagnification("inf").value);
        QVERIFY(!parseMagnification("").value);
    }

    void refusesZeroBecauseThePointerToolsDivideByTheScale()
    {
        const MagnificationInput zero = parseMagnification("0.000");
        QVERIFY(!zero.value);
        QVERIFY(!zero.message.empty());
    }

    void opensWithTheScaleAndReturnsTheTypedValue()
    {
        ShownMessagesReporter reporter;
        CMagnificationDialog dialog(0.05, reporter);
        QCOMPARE(dialog.windowTitle(), QString("倍率入力"));
        auto* edit = dialog.findChild<QLineEdit*>("magnificationEdit");
        QVERIFY(edit);
        QCOMPARE(edit->text(), QString("0.050"));
        QCOMPARE(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text(),
                 QString("ｷｬﾝｾﾙ"));

        edit->setText("2.5");
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.value(), 2.5);
        QVERIFY(reporter.messages.empty());
    }

    void refusedInputKeepsTheDialogOpenAndReportsOnce()
    {
        ShownMessagesReporter reporter;
        CMagnificationDialog dialog(5.0, reporter);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.findChild<QLineEdit*>("magnificationEdit")->setText("2000");
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QCOMPARE(reporter.messages.size(), std::size_t{1});
        QCOMPARE(dialog.value(), 5.0);
        dialog.reject();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(MagnificationDialogTest)
#include "magnification_dialog_test.moc"
