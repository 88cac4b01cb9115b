// The GL view as a real widget on the X server: the viewports of one, two,
// four and nine views after a resize, clicks, double clicks and the wheel
// reaching the document, input from the X server passing the GL surface to
// the view, the Pause key, the F12 capture of the drawn frame, the
// context-menu hook, the context checks and the Qt pointer input.
#include "document/user_document.h"
#include "models/reporter.h"
#include "view/gl_view_errors.h"
#include "view/ps_view.h"
#include "view/qt_pointer_input.h"
#include "view3d/scene/scripted_input.h"
#include "settings/profile_file.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace {

constexpr int kWidth = 801;
constexpr int kHeight = 601;

std::filesystem::path absentSettingsFile()
{
    return std::filesystem::temp_directory_path() / "attrava-view-tests-absent" / "Attrava.ini";
}

QString describe(const Viewport& v)
{
    return QStringLiteral("(%1, %2, %3, %4)").arg(v.x).arg(v.y).arg(v.width).arg(v.height);
}

bool sameViewport(const Viewport& actual, const Viewport& expected)
{
    return actual.x == expected.x && actual.y == expected.y && actual.width == expected.width &&
           actual.height == expected.height;
}

// Width, height, the byte count after the header and the first pixel (the
// top-left one) of a binary PPM file.
struct PpmFacts {
    int width = -1;
    int height = -1;
    std::size_t pixelBytes = 0;
    int firstPixel[3] = {-1, -1, -1};
};

PpmFacts readPpm(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string magic, comment;
    std::getline(file, magic);
    std::getline(file, comment);
    PpmFacts facts;
    int maximum = 0;
    file >> facts.width >> facts.height >> maximum;
    file.get();
    const std::string rest((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    facts.pixelBytes = magic == "P6" && maximum == 255 ? rest.size() : 0;
    for (std::size_t c = 0; c < 3 && c < rest.size(); ++c)
        facts.firstPixel[c] = static_cast<unsigned char>(rest[c]);
    return facts;
}

}  // namespace

class PsViewTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        settings_ = std::make_unique<ProfileFile>(absentSettingsFile());
        document_ = std::make_unique<CUser>(*settings_, reporter_, ATTRAVA_PROGRAM_DIR "/", input_);
        view_ = std::make_unique<CPsView>(*document_, reporter_);
        // What the main frame does in the normal display mode.
        document_->displayLayoutRequest = [this] {
            document_->layoutViews(view_->clientWidth(), view_->clientHeight());
        };
        view_->resize(640, 480);
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
        QTRY_VERIFY(document_->scenesInitialised());
    }

    void cleanup()
    {
        view_->makeCurrent();
        document_.reset();
        view_->doneCurrent();
        view_.reset();
        settings_.reset();
        reporter_.messages.clear();
    }

    void theContextIsMadeWithoutError()
    {
        QVERIFY(view_->isValid());
        QCoreApplication::processEvents();
        QVERIFY2(reporter_.messages.empty(),
                 reporter_.messages.empty() ? "" : reporter_.messages.front().c_str());
    }

    void contextChecksNameTheFailingStep()
    {
        GlContextFacts usable{true, true, 8, 8, 8, 24};
        QCOMPARE(contextErrorIndex(usable), GlViewError::None);

        GlContextFacts none;
        QCOMPARE(kGlViewErrorTexts[contextErrorIndex(none)], "wglCreateContext failed");

        GlContextFacts notCurrent = usable;
        notCurrent.current = false;
        QCOMPARE(kGlViewErrorTexts[contextErrorIndex(notCurrent)], "wglMakeCurrect failed");

        GlContextFacts highColour{true, true, 5, 6, 5, 24};
        QCOMPARE(kGlViewErrorTexts[contextErrorIndex(highColour)], "ChoosePixelFormat failed");

        GlContextFacts shallowDepth{true, true, 8, 8, 8, 15};
        QCOMPARE(kGlViewErrorTexts[contextErrorIndex(shallowDepth)], "ChoosePixelFormat failed");
    }

    void viewportsFollowTheWindow_data()
    {
        QTest::addColumn<int>("viewCount");
        QTest::newRow("1 view") << 1;
        QTest::newRow("2 views") << 2;
        QTest::newRow("4 views") << 4;
        QTest::newRow("9 views") << 9;
    }

    void viewportsFollowTheWindow()
    {
        QFETCH(int, viewCount);
        document_->setViewCount(viewCount);
        resizeView(kWidth, kHeight);

        // 801 x 601: halves 400 and 300, thirds 267 / 534 and 200 / 400.
        std::vector<Viewport> expected;
        switch (viewCount) {
        case 1:
            expected = {{0, 0, 801, 601}};
            break;
        case 2:
            expected = {{0, 0, 400, 601}, {400, 0, 400, 601}};
            break;
        case 4:
            expected = {{0, 300, 400, 300}, {400, 300, 400, 300}, {0, 0, 400, 300}, {400, 0, 400, 300}};
            break;
        default:
            for (int y : {400, 200, 0}) {
                for (int x : {0, 267, 534})
                    expected.push_back({x, y, 267, 200});
            }
        }
        for (int v = 0; v < viewCount; ++v) {
            const CCamera& camera = document_->views[static_cast<std::size_t>(v)].cameraA;
            QVERIFY2(sameViewport(camera.viewport(), expected[static_cast<std::size_t>(v)]),
                     qPrintable(QStringLiteral("view %1: expected %2, actual %3")
                                    .arg(v)
                                    .arg(describe(expected[static_cast<std::size_t>(v)]))
                                    .arg(describe(camera.viewport()))));
            const double aspect = (viewCount == 2 ? 0.5 : 1.0) * kWidth / kHeight;
            QVERIFY2(std::abs(camera.aspect() - aspect) < 1e-12,
                     qPrintable(QStringLiteral("aspect expected %1, actual %2").arg(aspect).arg(camera.aspect())));
            QCOMPARE(camera.eyePosition().z, viewCount == 2 ? 8.2 : 5.0);
        }
    }

    void anEmptySizeChangesNothing()
    {
        resizeView(kWidth, kHeight);
        view_->resize(0, 300);
        QCoreApplication::processEvents();
        QCOMPARE(view_->clientWidth(), kWidth);
        QCOMPARE(view_->clientHeight(), kHeight);
        QVERIFY(sameViewport(document_->views[0].cameraA.viewport(), {0, 0, kWidth, kHeight}));
    }

    void leftClicksChooseTheViewUnderTheCursor()
    {
        document_->setViewCount(4);
        resizeView(kWidth, kHeight);
        QTest::mouseClick(view_.get(), Qt::LeftButton, {}, QPoint(600, 450));
        QCOMPARE(document_->activeView, 3);
        QTest::mouseClick(view_.get(), Qt::LeftButton, {}, QPoint(399, 10));
        QCOMPARE(document_->activeView, 0);

        // Two views: the middle column belongs to the right view.
        document_->setViewCount(2);
        QTest::mouseClick(view_.get(), Qt::LeftButton, {}, QPoint(kWidth / 2, 300));
        QCOMPARE(document_->activeView, 1);

        // The right button chooses nothing.
        QTest::mouseClick(view_.get(), Qt::RightButton, {}, QPoint(10, 300));
        QCOMPARE(document_->activeView, 1);
    }

    void aDoubleClickShowsTheActiveViewAlone()
    {
        document_->setViewCount(4);
        resizeView(kWidth, kHeight);
        QTest::mouseClick(view_.get(), Qt::LeftButton, {}, QPoint(600, 100));
        QTest::mouseDClick(view_.get(), Qt::LeftButton, {}, QPoint(600, 100));
        QCOMPARE(document_->activeView, 1);
        QCOMPARE(document_->activeViewOnly, 1);
        QVERIFY(document_->views[0].world.cameras().empty());
        // Back to all views by a double click over another view's place: the
        // view that was shown alone stays active.
        QTest::mouseDClick(view_.get(), Qt::LeftButton, {}, QPoint(100, 500));
        QCOMPARE(document_->activeViewOnly, 0);
        QCOMPARE(document_->activeView, 1);
    }

    void theWheelZoomsTheActiveView()
    {
        EnvironmentSettings& environment = document_->views[0].environment;
        environment.scale = 2.0;
        sendWheel(60);
        // Half a notch: no change of scale, but a rebuild and the free-scale mark.
        QCOMPARE(environment.scale, 2.0);
        QCOMPARE(environment.rebuildLevel, RebuildLevel::VectorField);
        QCOMPARE(environment.freeScale, 1);

        environment.rebuildLevel = RebuildLevel::None;
        sendWheel(-240);
        QCOMPARE(environment.scale, 8.0);
        QCOMPARE(environment.rebuildLevel, RebuildLevel::VectorField);
        sendWheel(120);
        QCOMPARE(environment.scale, 4.0);
    }

    void pauseStopsTheTimersAndEveryKeyDrawsOneFrame()
    {
        QSignalSpy frames(view_.get(), &CPsView::frameSwapped);
        view_->startTimers();
        QCOMPARE(view_->timersRunning(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 3, 2000);

        QTest::keyClick(view_.get(), Qt::Key_Pause);
        QCOMPARE(view_->timersRunning(), 0);
        QTest::qWait(50);
        frames.clear();
        QTest::keyClick(view_.get(), Qt::Key_A);
        QTRY_COMPARE(frames.count(), 1);
        QTest::qWait(300);
        QCOMPARE(frames.count(), 1);

        QTest::keyClick(view_.get(), Qt::Key_Pause);
        QCOMPARE(view_->timersRunning(), 1);
        frames.clear();
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 3, 2000);
    }

    void f12WritesTheViewLessFivePixels()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(folder.path().toStdString());

        // A background the capture can be told by: (0.4, 0.6, 0.8) is
        // (102, 153, 204) in bytes.
        ViewSlot& slot = document_->views[0];
        slot.environment.BackGround_Color[0] = 0.4f;
        slot.environment.BackGround_Color[1] = 0.6f;
        slot.environment.BackGround_Color[2] = 0.8f;
        view_->makeCurrent();
        slot.applyClearColour();
        view_->doneCurrent();
        resizeView(kWidth, kHeight);
        QSignalSpy frames(view_.get(), &CPsView::frameSwapped);
        view_->requestFrame();
        QTRY_VERIFY(frames.count() >= 1);
        const int first = captureCounter;
        QTest::keyClick(view_.get(), Qt::Key_F12);
        resizeView(640, 480);
        QTest::keyClick(view_.get(), Qt::Key_F12);
        std::filesystem::current_path(previous);

        QCOMPARE(captureCounter, first + 2);
        const auto name = [&](int n) {
            char text[64];
            std::snprintf(text, sizeof text, "CapturedScene[%d].ppm", n);
            return folder.path().toStdString() + "/" + text;
        };
        const PpmFacts large = readPpm(name(first));
        QCOMPARE(large.width, kWidth - 5);
        QCOMPARE(large.height, kHeight - 5);
        QCOMPARE(large.pixelBytes, std::size_t{796} * 596 * 3);
        // The top-left corner shows the background of the frame last drawn.
        const int background[3] = {102, 153, 204};
        for (int c = 0; c < 3; ++c)
            QVERIFY2(std::abs(large.firstPixel[c] - background[c]) <= 1,
                     qPrintable(QStringLiteral("channel %1: expected %2, actual %3, limit 1")
                                    .arg(c).arg(background[c]).arg(large.firstPixel[c])));
        const PpmFacts small = readPpm(name(first + 1));
        QCOMPARE(small.width, 635);
        QCOMPARE(small.height, 475);
    }

    void inputFromTheServerPassesTheSurfaceToTheView()
    {
        // Real pointer and key events, as the X server delivers them over the
        // GL surface that covers the view.
        const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
        QVERIFY2(!xdotool.isEmpty(), "xdotool is missing (scripts/install-deps installs it)");
        document_->setViewCount(4);
        resizeView(kWidth, kHeight);
        view_->activateWindow();
        QTRY_VERIFY(view_->isActiveWindow());
        const QPoint at = view_->mapToGlobal(QPoint(600, 450));
        const QString x = QString::number(at.x());
        const QString y = QString::number(at.y());

        QCOMPARE(QProcess::execute(xdotool, {"mousemove", x, y, "click", "1"}), 0);
        QTRY_COMPARE(document_->activeView, 3);

        QPoint shownAt;
        view_->contextMenuHandler = [&](const QPoint& where) { shownAt = where; };
        QCOMPARE(QProcess::execute(xdotool, {"click", "3"}), 0);
        QTRY_COMPARE(shownAt, at);

        QCOMPARE(view_->timersRunning(), 0);
        QCOMPARE(QProcess::execute(xdotool, {"key", "Pause"}), 0);
        QTRY_COMPARE(view_->timersRunning(), 1);
    }

    void theContextMenuGoesToTheHook()
    {
        QPoint shownAt;
        view_->contextMenuHandler = [&](const QPoint& at) { shownAt = at; };
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 30), view_->mapToGlobal(QPoint(20, 30)));
        QCoreApplication::sendEvent(view_.get(), &event);
        QCOMPARE(shownAt, view_->mapToGlobal(QPoint(20, 30)));
    }

    void pointerInputReadsTheCursorAndTheButtons()
    {
        QtPointerInput pointer;
        QCursor::setPos(view_->mapToGlobal(QPoint(100, 120)));
        QTRY_VERIFY(pointer.cursorPosition().has_value());
        const QPoint global = view_->mapToGlobal(QPoint(100, 120));
        QTRY_COMPARE(pointer.cursorPosition()->x, global.x());
        QCOMPARE(pointer.cursorPosition()->y, global.y());

        QTest::mousePress(view_.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 120));
        QCOMPARE(pointer.buttons(), PointerInput::kLeftButton);
        QCOMPARE(pointer.modifiers(), PointerInput::kShiftKey);
        QTest::mouseRelease(view_.get(), Qt::LeftButton, Qt::ControlModifier, QPoint(100, 120));
        QCOMPARE(pointer.buttons(), 0u);
        QCOMPARE(pointer.modifiers(), PointerInput::kControlKey);
    }

private:
    void resizeView(int width, int height)
    {
        view_->resize(width, height);
        QTRY_COMPARE(view_->clientWidth(), width);
        QTRY_COMPARE(view_->clientHeight(), height);
    }

    void sendWheel(int delta)
    {
        const QPointF at(50, 50);
        QWheelEvent event(at, view_->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view_.get(), &event);
    }

    CollectingReporter reporter_;
    ScriptedInput input_;
    std::unique_ptr<ProfileFile> settings_;
    std::unique_ptr<CUser> document_;
    std::unique_ptr<CPsView> view_;
};

QTEST_MAIN(PsViewTest)
#include "ps_view_test.moc"
