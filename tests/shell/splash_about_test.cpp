// The start-up splash (one second, swallowing input, closing on its tick) and
// the version dialog with its link to the README of a build or an install.
#include "shell/about_dialog.h"
#include "shell/program_pictures.h"
#include "shell/program_texts.h"
#include "shell/splash_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Counts the presses that reach it.
class InputTarget : public QWidget {
public:
    int presses = 0;
    int keys = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void keyPressEvent(QKeyEvent*) override { ++keys; }
};

}  // namespace

class SplashAboutTest : public QObject {
    Q_OBJECT

private slots:
    void splashBitmapIsAFinishedPicture()
    {
        const QImage image = drawSplashBitmap().toImage();
        QCOMPARE(image.size(), QSize(480, 320));
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 2) {
            for (int x = 0; x < image.width(); x += 2)
                colours.insert(image.pixel(x, y));
        }
        QVERIFY2(colours.size() > 200, qPrintable(QString("only %1 colours").arg(colours.size())));
    }

    void splashIsOffForEmbeddingAndAutomation()
    {
        QVERIFY(splashEnabledFor({"attrava"}));
        QVERIFY(!splashEnabledFor({"attrava", "-Embedding"}));
        QVERIFY(!splashEnabledFor({"attrava", "/automation"}));
        QVERIFY(splashEnabledFor({"attrava", "Embedding"}));
    }

    void splashSwallowsInputAndClosesOnItsFirstTick()
    {
        InputTarget target;
        target.setGeometry(0, 0, 300, 200);
        target.show();
        QVERIFY(QTest::qWaitForWindowExposed(&target));

        int closedCalls = 0;
        QElapsedTimer clock;
        clock.start();
        QPointer<CSplashWnd> splash =
            CSplashWnd::showSplashScreen(&target, true, [&] { ++closedCalls; });
        QVERIFY(splash);
        QCOMPARE(CSplashWnd::current(), splash.data());
        QVERIFY(splash->isVisible());
        QCOMPARE(splash->size(), QSize(480, 320));
        // The owner sits in a corner; the splash still lies wholly on the screen.
        QVERIFY(target.screen()->availableGeometry().contains(splash->geometry()));

        // A second splash is not shown; its caller goes on at once.
        int secondCalls = 0;
        QVERIFY(!CSplashWnd::showSplashScreen(&target, true, [&] { ++secondCalls; }));
        QTRY_COMPARE(secondCalls, 1);

        QTest::mouseClick(&target, Qt::LeftButton);
        QTest::mouseClick(&target, Qt::RightButton);
        QTest::keyClick(&target, Qt::Key_A);
        QTest::mouseClick(splash.data(), Qt::LeftButton);
        QCOMPARE(target.presses, 0);
        QCOMPARE(target.keys, 0);
        QCOMPARE(closedCalls, 0);
        QVERIFY(!splash->tickSeen());

        QTRY_COMPARE_WITH_TIMEOUT(closedCalls, 1, 3000);
        QVERIFY2(clock.elapsed() >= 900, qPrintable(QString("closed after %1 ms").arg(clock.elapsed())));
        QCOMPARE(CSplashWnd::current(), nullptr);
        QTRY_VERIFY(splash.isNull());

        QTest::mouseClick(&target, Qt::LeftButton);
        QTest::keyClick(&target, Qt::Key_A);
        QCOMPARE(target.presses, 1);
        QCOMPARE(target.keys, 1);
        QCOMPARE(closedCalls, 1);
    }

    void disabledSplashLetsStartUpGoOnFromTheEventLoop()
    {
        int closedCalls = 0;
        QVERIFY(!CSplashWnd::showSplashScreen(nullptr, false, [&] { ++closedCalls; }));
        QCOMPARE(CSplashWnd::current(), nullptr);
        QCOMPARE(closedCalls, 0);
        QTRY_COMPARE(closedCalls, 1);
    }

    void versionDialogShowsTheVersionAndOpensItsLink()
    {
        QList<QUrl> opened;
        const QUrl page("https://example.org/attrava");
        CAboutDlg dialog(nullptr, page, [&](const QUrl& url) { opened << url; });
        QCOMPARE(dialog.windowTitle(), QString("バージョン情報"));
        QStringList texts;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            texts << label->text();
        QVERIFY2(texts.contains("Attrava Version 1.05a"), qPrintable(texts.join(" | ")));

        QLabel* link = dialog.linkLabel();
        QCOMPARE(link->text(), page.toString());
        QVERIFY(link->font().underline());
        QCOMPARE(link->font().pixelSize(), 12);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(link, Qt::RightButton);
        QVERIFY(opened.isEmpty());
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(opened, QList<QUrl>{page});
    }

    void versionDialogLinksToTheProgramReadmeByDefault()
    {
        CAboutDlg dialog(nullptr, {}, [](const QUrl&) {});
        const QUrl page(dialog.linkLabel()->text());
        QVERIFY(page.isLocalFile());
        QVERIFY2(QFileInfo::exists(page.toLocalFile()), qPrintable(page.toString()));
        // The build's program folder holds its own copy, found at run time.
        QCOMPARE(page, QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/README.md"));
    }

    void anInstalledProgramLinksToTheInstalledReadme()
    {
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(ATTRAVA_CMAKE_COMMAND, {"--install", ATTRAVA_BINARY_DIR, "--prefix", prefix.path()});
        QVERIFY(install.waitForFinished(60000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
        const QString bin = prefix.filePath(ATTRAVA_INSTALL_PROGRAM_DIR);
        QVERIFY(QFileInfo::exists(bin + "/attrava"));
        QVERIFY(!QFileInfo::exists(bin + "/README.md"));

        const QUrl installed = programReadme(bin);
        QVERIFY2(QFileInfo::exists(installed.toLocalFile()), qPrintable(installed.toString()));
        QVERIFY(installed.toLocalFile().startsWith(prefix.path() + "/"));

        // A README beside the program comes first.
        QVERIFY(QFile::copy(installed.toLocalFile(), bin + "/README.md"));
        QCOMPARE(programReadme(bin), QUrl::fromLocalFile(bin + "/README.md"));
    }
};

QTEST_MAIN(SplashAboutTest)
#include "splash_about_test.moc"
