// The running program in this process on a temporary program folder: the
// program settings read at start and written at exit, the splash and the
// timers, the view, scale and device commands in the real menus, the stereo
// cameras of view 0 against a fake screen, and a model started from the
// start options drawn on the screen, in this process and by the program
// binary itself.
#include "fake_display_settings.h"
#include "menu_test_support.h"
#include "orbit_picture.h"
#include "dialogs/shown_messages_reporter.h"
#include "shell/attrava_app.h"
#include "shell/command_ids.h"
#include "shell/model_start.h"
#include "shell/splash_window.h"
#include "view/ps_view.h"

#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <memory>

namespace fs = std::filesystem;

namespace {

const std::string kShippedList = ATTRAVA_PROGRAM_DIR "/model/Eqnbank.c";

const std::vector<ScreenMode> stereoCapableScreen = {
    {1280, 1024, 24, 60}, {1024, 768, 32, 60}, {1280, 480, 16, 60}};

QString describeCamera(const CCamera& camera)
{
    const Viewport& v = camera.viewport();
    return QStringLiteral("viewport (%1, %2, %3, %4) eye (%5, %6, %7)")
        .arg(v.x).arg(v.y).arg(v.width).arg(v.height)
        .arg(camera.eyePosition().x).arg(camera.eyePosition().y).arg(camera.eyePosition().z);
}

StartOptions withoutSplash()
{
    StartOptions options;
    options.splashEnabled = false;
    return options;
}

bool hasCamera(const CWorld& world, const CCamera& camera)
{
    const auto& cameras = world.cameras();
    return std::find(cameras.begin(), cameras.end(), &camera) != cameras.end();
}

}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        programFolder_ = folder_->path().toStdString() + "/";
        screen_ = std::make_unique<FakeDisplaySettings>(stereoCapableScreen, ScreenSize{1280, 1024});
        reporter_.messages.clear();
    }

    void cleanup()
    {
        program_.reset();
        screen_.reset();
        folder_.reset();
    }

    void aFirstStartWritesAllFiveSettingsAtExit()
    {
        startProgram(withoutSplash());
        // No model yet: the status bar says how to begin.
        QTRY_VERIFY(program_->frame().findChild<QLabel*>("firstStepHint")->isVisible());
        program_.reset();
        const ProfileFile written(settingsFilePath(programFolder_));
        QCOMPARE(written.profileString("ProgramData", "displaymode", "-"), std::string("0"));
        QCOMPARE(written.profileString("ProgramData", "devicemode", "-"), std::string("0"));
        QCOMPARE(written.profileString("ProgramData", "model_list_path", "-"), std::string(".\\model\\Eqnbank.c"));
        QCOMPARE(written.profileString("ProgramData", "displaycrystalview", "-"), std::string("16.000000"));
        QCOMPARE(written.profileString("ProgramData", "displaycrystaloffset", "-"), std::string("0.030000"));
    }

    void settingsReadAtStartComeBackChangedAtExit()
    {
        writeSettings("[ProgramData]\ndisplaymode=0\ndevicemode=0\nmodel_list_path=/lists/Mine.c\n"
                      "displaycrystalview=12.5\ndisplaycrystaloffset=0.25\n"
                      "[EnvironmentData]\nWall_Latice_Num=7\n");
        startProgram(withoutSplash());
        QCOMPARE(program_->frame().displayState().crystalGap, 12.5);
        QCOMPARE(program_->frame().displayState().eyeOffset, 0.25);
        QCOMPARE(program_->document().modelListPath, std::string("/lists/Mine.c"));

        program_->frame().displayState().crystalGap = 20.25;
        program_->document().modelListPath = "./model/Other.c";
        program_.reset();

        const ProfileFile written(settingsFilePath(programFolder_));
        QCOMPARE(written.profileString("ProgramData", "displaycrystalview", "-"), std::string("20.250000"));
        QCOMPARE(written.profileString("ProgramData", "displaycrystaloffset", "-"), std::string("0.250000"));
        QCOMPARE(written.profileString("ProgramData", "model_list_path", "-"), std::string("./model/Other.c"));
        QCOMPARE(written.profileInt("EnvironmentData", "Wall_Latice_Num", 0), 7);
    }

    // The language item keeps the choice for the next start at once, says
    // so, and the choice survives the end of the program.
    void theLanguageItemKeepsTheChoiceForTheNextStart()
    {
        writeSettings("[ProgramData]\nlanguage=ja\n[EnvironmentData]\nWall_Latice_Num=7\n");
        startProgram(withoutSplash());
        CommandRouter& router = program_->router();
        QCOMPARE(router.state(CommandId::LanguageJapanese).checked, std::optional<bool>(true));
        QVERIFY(router.execute(CommandId::LanguageEnglish));
        QCOMPARE(reporter_.messages.size(), std::size_t(1));
        QCOMPARE(router.state(CommandId::LanguageEnglish).checked, std::optional<bool>(true));
        QCOMPARE(ProfileFile(settingsFilePath(programFolder_)).profileString("ProgramData", "language", "-"),
                 std::string("en"));
        program_.reset();
        const ProfileFile written(settingsFilePath(programFolder_));
        QCOMPARE(written.profileString("ProgramData", "language", "-"), std::string("en"));
        QCOMPARE(written.profileInt("EnvironmentData", "Wall_Latice_Num", 0), 7);
    }

    // Binary garbage, values out of range, NaN and huge numbers in the
    // settings file and a configured list that is gone: the program says so
    // once, uses the defaults and the shipped list, and runs.
    void aDamagedSettingsFileAndAMissingListStillStart()
    {
        fs::create_directory(programFolder_ + "model");
        fs::copy_file(kShippedList, programFolder_ + "model/Eqnbank.c");
        writeSettings(std::string("\x7f\xfe\x00\x01garbage\n", 12) +
                      "[ProgramData]\ndisplaymode=1000\ndisplaycrystalview=nan\n"
                      "displaycrystaloffset=1e999\nmodel_list_path=/gone/Mine.c\n"
                      "[EnvironmentData]\nWall_Type_Num=-5\nOrbit_Color_R=\xff\xff\n"
                      "Wall_Latice_Num=7\n");
        startProgram(withoutSplash());
        QCOMPARE(reporter_.messages.size(), std::size_t(2));
        for (const char* key : {"ProgramData/displaymode", "ProgramData/displaycrystalview",
                                "ProgramData/displaycrystaloffset", "EnvironmentData/Wall_Type_Num",
                                "EnvironmentData/Orbit_Color_R"})
            QVERIFY2(reporter_.messages[0].find(key) != std::string::npos, key);
        QVERIFY(reporter_.messages[0].find("Wall_Latice_Num") == std::string::npos);
        QVERIFY(reporter_.messages[1].find("/gone/Mine.c") != std::string::npos);
        QCOMPARE(program_->document().modelListPath, ProgramSettings().modelListPath);
        QCOMPARE(program_->frame().displayState().displayMode, DisplayMode::Normal);
        QCOMPARE(program_->frame().displayState().crystalGap, ProgramSettings().crystalGap);
        QCOMPARE(program_->document().activeSlot().environment.Wall_Type_Num,
                 EnvironmentSettings().Wall_Type_Num);
        QCOMPARE(program_->document().activeSlot().environment.Wall_Latice_Num, 7);
    }

    void theSplashSwallowsClicksAndItsTickStartsTheTimers()
    {
        StartOptions options;
        options.viewCount = 4;
        startProgram(options);
        QVERIFY(CSplashWnd::current() != nullptr);
        QCOMPARE(program_->view().timersRunning(), 0);

        QTest::mouseClick(&program_->view(), Qt::LeftButton, {}, QPoint(program_->view().width() - 10,
                                                                        program_->view().height() - 10));
        QCOMPARE(program_->document().activeView, 0);

        QTRY_VERIFY_WITH_TIMEOUT(CSplashWnd::current() == nullptr, 3000);
        QCOMPARE(program_->view().timersRunning(), 1);
        // The frame comes to the front, so the pointer follows the mouse.
        QTRY_VERIFY(QApplication::activeWindow() == &program_->frame());
        QSignalSpy frames(&program_->view(), &CPsView::frameSwapped);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 3, 2000);

        QTest::mouseClick(&program_->view(), Qt::LeftButton, {}, QPoint(program_->view().width() - 10,
                                                                        program_->view().height() - 10));
        QCOMPARE(program_->document().activeView, 3);
    }

    void scaleItemsShowTheActiveViewsScaleInTheMenu()
    {
        startProgram(withoutSplash());
        QMenu* options = subMenu(program_->frame().menuBar()->actions(), QStringLiteral("オプション(&O)"));
        QVERIFY(options);
        QMenu* scale = subMenu(options->actions(), QStringLiteral("スケール"));
        QVERIFY(scale);

        QCOMPARE(checkedItems(scale), QStringList{"x 1"});
        program_->document().setScale(5.0);
        QCOMPARE(checkedItems(scale), QStringList{"x 5"});
        program_->document().setScale(3.0);
        QCOMPARE(checkedItems(scale), QStringList{"x Free"});

        actionNamed(scale, "x 0.05")->trigger();
        QCOMPARE(program_->document().activeSlot().environment.scale, 0.05);
        QCOMPARE(checkedItems(scale), QStringList{"x 0.05"});

        actionNamed(scale, "x Auto")->trigger();
        QCOMPARE(program_->document().activeSlot().environment.autoScale, 1);
        QCOMPARE(checkedItems(scale), (QStringList{"x 0.05", "x Auto"}));
    }

    void deviceItemsOfferOnlyTheMouse()
    {
        startProgram(withoutSplash());
        CommandRouter& router = program_->router();
        QVERIFY(router.state(CommandId::DeviceMouse).enabled);
        QVERIFY(router.state(CommandId::DeviceMouse).checked.value());
        for (int id : {CommandId::DevicePhantom, CommandId::DeviceSpidar}) {
            QVERIFY(!router.state(id).enabled);
            QVERIFY(!router.state(id).checked.value());
            QVERIFY(!router.execute(id));
        }
        // Commands another part of the program provides stay disabled.
        QVERIFY(!router.state(CommandId::AttractorStructure).enabled);
        QVERIFY(!router.state(CommandId::LyapunovSpectrum).enabled);
    }

    void viewCountCommandsLayTheViewsOutInTheWindow()
    {
        startProgram(withoutSplash());
        CommandRouter& router = program_->router();
        QVERIFY(!router.state(CommandId::AllViews).enabled);
        QVERIFY(router.execute(CommandId::FourViews));
        QCOMPARE(program_->document().viewCount, 4);
        QVERIFY(router.state(CommandId::FourViews).checked.value());
        QVERIFY(router.state(CommandId::AllViews).enabled);
        const int w = program_->view().clientWidth();
        const int h = program_->view().clientHeight();
        QVERIFY(w > 0 && h > 0);
        const Viewport& bottomRight = program_->document().views[3].cameraA.viewport();
        QCOMPARE(bottomRight.x, w / 2);
        QCOMPARE(bottomRight.y, 0);
        QCOMPARE(bottomRight.width, w / 2);
        QCOMPARE(bottomRight.height, h / 2);

        QVERIFY(router.execute(CommandId::AllViews));
        QCOMPARE(program_->document().allViews, 1);
        QVERIFY(router.execute(CommandId::OneView));
        QCOMPARE(program_->document().viewCount, 1);
        QCOMPARE(program_->document().views[0].cameraA.viewport().width, w);
        QVERIFY(!router.state(CommandId::AllViews).checked.value());
    }

    void stereoModesPlaceBothCamerasOfViewZero()
    {
        startProgram(withoutSplash());
        CUser& document = program_->document();
        ViewSlot& slot = document.views[0];
        program_->router().execute(CommandId::FourViews);
        QTest::mouseClick(&program_->view(), Qt::LeftButton, {}, QPoint(program_->view().width() - 10, 10));
        QCOMPARE(document.activeView, 1);
        QVERIFY(program_->router().execute(CommandId::AllViews));

        QVERIFY(program_->router().execute(CommandId::DisplayUpDown));
        QCOMPARE(document.viewCount, 1);
        QCOMPARE(document.activeView, 0);
        QCOMPARE(document.allViews, 0);
        QVERIFY(hasCamera(slot.world, slot.cameraA) && hasCamera(slot.world, slot.cameraB));
        // 768 lines, gap 16: halves of 384 - 8 = 376 lines, the upper from 400.
        QVERIFY2(slot.cameraA.viewport().y == 400 && slot.cameraA.viewport().height == 376 &&
                     slot.cameraA.viewport().width == 1024 && slot.cameraA.eyePosition().x == -0.03,
                 qPrintable(describeCamera(slot.cameraA)));
        QVERIFY2(slot.cameraB.viewport().y == 0 && slot.cameraB.viewport().height == 376 &&
                     slot.cameraB.eyePosition().x == 0.03 && slot.cameraB.eyePosition().z == 5.0,
                 qPrintable(describeCamera(slot.cameraB)));
        QCOMPARE(slot.cameraA.farPlane(), 20.0);
        QCOMPARE(slot.cameraA.aspect(), 1024.0 / 768.0);
        QCOMPARE(slot.cameraA.lookAt().x, -0.03);

        // The full-screen window's resize keeps the stereo cameras.
        QTest::qWait(100);
        QCOMPARE(slot.cameraA.viewport().y, 400);
        QCOMPARE(slot.cameraB.viewport().height, 376);

        QVERIFY(program_->router().execute(CommandId::DisplayLeftRight));
        QVERIFY2(slot.cameraA.viewport().x == 0 && slot.cameraA.viewport().width == 640 &&
                     slot.cameraA.viewport().height == 480 && slot.cameraA.eyePosition().x == -0.3 &&
                     slot.cameraA.eyePosition().z == 5.0,
                 qPrintable(describeCamera(slot.cameraA)));
        QVERIFY2(slot.cameraB.viewport().x == 640 && slot.cameraB.eyePosition().x == 0.3,
                 qPrintable(describeCamera(slot.cameraB)));
        QCOMPARE(slot.cameraA.lookAt(), (Vector3{-0.3, 0.0, 0.0}));
        QCOMPARE(slot.cameraB.lookAt(), (Vector3{0.3, 0.0, 0.0}));

        QVERIFY(program_->router().execute(CommandId::DisplayNormal));
        QVERIFY(hasCamera(slot.world, slot.cameraA));
        QVERIFY(!hasCamera(slot.world, slot.cameraB));
        QTRY_COMPARE(slot.cameraA.viewport().width, program_->view().clientWidth());
        QCOMPARE(slot.cameraA.eyePosition().x, 0.0);
        QCOMPARE(slot.cameraA.eyePosition().z, 5.0);
    }

    void aModelNamedAtStartIsDrawnAtOnce()
    {
        startLorenz();
        const DynamicsEngine& engine = program_->document().views[0].engine;
        QCOMPARE(engine.orbitReady, 1);
        QCOMPARE(engine.recordInUse.ModelName, std::string("Lorenz"));
        QCOMPARE(program_->document().views[0].environment.dataSource, DataSource::Model);
        QCOMPARE(program_->document().views[0].objectTransform.position().y, engine.recordInUse.Display_Position.y);

        const QImage frame = freshFrame();
        const double share = orbitColourShare(frame);
        qInfo("orbit colour on %.3f of the %dx%d frame", share, frame.width(), frame.height());
        QVERIFY2(share > 0.01 && share < 0.40,
                 qPrintable(QStringLiteral("orbit colour on %1 of the pixels, expected 0.01 .. 0.40").arg(share)));
        // With an orbit on the screen the first-step hint has gone.
        QTRY_VERIFY(!program_->frame().findChild<QLabel*>("firstStepHint")->isVisible());
    }

    // An empty view says faintly how to begin, in its own area only; once
    // the view has an orbit the text is gone.
    void anEmptyViewShowsTheFirstStepUntilItHasAnOrbit()
    {
        useShippedModels();
        startProgram(withoutSplash());
        CPsView& view = program_->view();
        const QImage withHint = freshFrame();
        QCOMPARE(view.emptyViewHintAreas().size(), std::size_t(1));
        const QRect area = view.emptyViewHintAreas().front();
        QVERIFY(withHint.rect().contains(area));
        saveScreenshot(withHint, QStringLiteral("empty_view_hint"));

        const QString text = program_->frame().findChild<QLabel*>("firstStepHint")->text();
        view.setEmptyViewHint(QString());
        const QImage without = freshFrame();
        QVERIFY(view.emptyViewHintAreas().empty());
        int inside = 0;
        int outside = 0;
        for (int y = 0; y < withHint.height(); ++y) {
            for (int x = 0; x < withHint.width(); ++x) {
                if (withHint.pixel(x, y) != without.pixel(x, y))
                    ++(area.contains(x, y) ? inside : outside);
            }
        }
        // Enough changed pixels for a line of text, and the scene around
        // it drawn as without it.
        QVERIFY2(inside > area.width() && outside == 0,
                 qPrintable(QStringLiteral("%1 pixels changed inside, %2 outside").arg(inside).arg(outside)));

        view.setEmptyViewHint(text);
        ModelStart lorenz;
        lorenz.modelName = "Lorenz";
        QVERIFY(startModelOnView(program_->document(), 0, lorenz, reporter_));
        freshFrame();
        QVERIFY(view.emptyViewHintAreas().empty());
    }

    void eachEyeOfLeftRightStereoSeesTheWholeAttractor()
    {
        startLorenz();
        const double normal = orbitColourShare(freshFrame());
        QVERIFY(program_->router().execute(CommandId::DisplayLeftRight));
        QTRY_VERIFY(program_->frame().isFullScreen());
        const QImage frame = freshFrame();
        saveScreenshot(frame, QStringLiteral("stereo_left_right"));
        // The two 640 x 480 halves sit at the bottom of the view.
        const int top = frame.height() - 480;
        QVERIFY(top >= 0);
        for (const int left : {0, 640}) {
            const double share = orbitColourShare(frame.copy(left, top, 640, 480));
            QVERIFY2(share > 0.5 * normal && share < 2.0 * normal,
                     qPrintable(QStringLiteral("orbit colour on %1 of the half at x = %2, %3 in the normal view")
                                    .arg(share).arg(left).arg(normal)));
        }
    }

    void anUnknownModelIsReportedAndTheProgramStillStarts()
    {
        writeSettings("[ProgramData]\nmodel_list_path=" + kShippedList + "\n");
        StartOptions options = withoutSplash();
        options.models = {"Lorenzz"};
        startProgram(options);
        QCOMPARE(reporter_.messages.size(), std::size_t{1});
        QVERIFY(reporter_.messages[0].find("Lorenzz") != std::string::npos);
        QVERIFY(reporter_.messages[0].find("Lorenz,") != std::string::npos);
        QCOMPARE(program_->document().views[0].engine.orbitReady, 0);
        QTRY_COMPARE(program_->view().timersRunning(), 1);
    }

    void aMissingModelLibraryIsBuiltFirst()
    {
        // A list of its own, so the library is built into the program folder.
        const std::string list = programFolder_ + "model/Eqnbank.c";
        fs::create_directories(programFolder_ + "model");
        for (const char* file : {"Eqnbank.c", "Ressler.txt"})
            fs::copy_file(std::string(ATTRAVA_PROGRAM_DIR "/model/") + file, programFolder_ + "model/" + file);
        StartOptions options = withoutSplash();
        options.models = {"Ressler"};
        options.presentationModes = {3};
        startProgram(options);
        QVERIFY2(reporter_.messages.empty(), reporter_.messages.empty() ? "" : reporter_.messages.front().c_str());
        QVERIFY(fs::exists(programFolder_ + "Eqnbank.so"));
        QCOMPARE(program_->document().views[0].engine.orbitReady, 1);
        QCOMPARE(program_->document().views[0].environment.presentationMode,
                 PresentationMode::Velocity);
    }

    void theProgramBinaryShowsTheLorenzAttractor()
    {
        // A copy of the program folder, so the run leaves the build's alone.
        for (const char* file : {"attrava", "Eqnbank.so"})
            fs::copy_file(std::string(ATTRAVA_PROGRAM_DIR "/") + file, programFolder_ + file);
        fs::copy(ATTRAVA_PROGRAM_DIR "/model", programFolder_ + "model", fs::copy_options::recursive);
        showsTheLorenzAttractor(QString::fromStdString(programFolder_ + "attrava"));
    }

    // An install in a prefix: the program folder under lib/attrava, both
    // commands on the PATH, the desktop entry and its icon; both commands run
    // from the PATH.
    void anInstalledProgramRunsFromThePath()
    {
        const QString prefix = folder_->filePath(QStringLiteral("prefix"));
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(ATTRAVA_CMAKE_COMMAND, {"--install", ATTRAVA_BINARY_DIR, "--prefix", prefix});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
        for (const char* file :
             {"lib/attrava/Eqnbank.so", "lib/attrava/model/Eqnbank.c", "lib/attrava/model/Lorenz.txt",
              "lib/attrava/data/sunspots.txt", "share/applications/attrava.desktop",
              "share/icons/hicolor/scalable/apps/attrava.svg", "share/doc/attrava/README.md"})
            QVERIFY2(QFileInfo::exists(prefix + "/" + file), file);

        QProcess tool;
        tool.start(prefix + "/bin/attrava-cli",
                   {"lyapunov", prefix + "/lib/attrava/model/Lorenz.txt", "--points", "2000"});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        QVERIFY2(tool.readAllStandardOutput().startsWith("x 0."), "the largest exponent of Lorenz");

        showsTheLorenzAttractor(prefix + "/bin/attrava");
    }

private:
    // Starts the program binary with the shipped Lorenz, takes a screenshot
    // after the splash and a few ticks, and ends the program.
    void showsTheLorenzAttractor(const QString& binary)
    {
        QProcess program;
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(binary, {"--model", "Lorenz"});
        QVERIFY(program.waitForStarted());
        // One second of splash, then a few drawing ticks.
        QTest::qWait(3000);
        QCOMPARE(program.state(), QProcess::Running);

        // The root window, with the program's window on it.
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        program.terminate();
        QVERIFY(program.waitForFinished());
        QVERIFY(!screen.isNull());
        const double share = orbitColourShare(screen);
        QVERIFY2(share > 0.01 && share < 0.40,
                 qPrintable(QStringLiteral("orbit colour on %1 of the screen, expected 0.01 .. 0.40; output: %2")
                                .arg(share)
                                .arg(QString::fromLocal8Bit(program.readAll()))));
    }

    void writeSettings(const std::string& text)
    {
        std::ofstream(settingsFilePath(programFolder_)) << text;
    }

    // The shipped list and its built library as the program's models.
    void useShippedModels()
    {
        writeSettings("[ProgramData]\nmodel_list_path=" + kShippedList + "\n");
        fs::copy_file(ATTRAVA_PROGRAM_DIR "/Eqnbank.so", programFolder_ + "Eqnbank.so");
    }

    // The program started on the shipped list with Lorenz drawn.
    void startLorenz()
    {
        useShippedModels();
        StartOptions options = withoutSplash();
        options.models = {"Lorenz"};
        startProgram(options);
        QVERIFY2(reporter_.messages.empty(), reporter_.messages.empty() ? "" : reporter_.messages.front().c_str());
    }

    // The view's picture after a few more drawn frames.
    QImage freshFrame()
    {
        QSignalSpy frames(&program_->view(), &CPsView::frameSwapped);
        [&] { QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 4, 3000); }();
        return program_->view().grabFramebuffer();
    }

    // Keeps a picture as <ATTRAVA_SCREENSHOT_DIR>/<name>.png when that is set.
    static void saveScreenshot(const QImage& image, const QString& name)
    {
        const QString folder = qEnvironmentVariable("ATTRAVA_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            image.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    void startProgram(const StartOptions& options)
    {
        program_ = std::make_unique<CAttravaApp>(programFolder_, *screen_, reporter_, options);
        program_->start();
        QVERIFY(QTest::qWaitForWindowExposed(&program_->frame()));
        QTRY_VERIFY(program_->document().scenesInitialised());
        if (!options.splashEnabled)
            QTRY_COMPARE(program_->view().timersRunning(), 1);
    }

    // Texts of the checked items, after the menu refreshed them as on opening.
    static QStringList checkedItems(QMenu* menu)
    {
        emit menu->aboutToShow();
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            if (action->isChecked())
                texts << action->text();
        }
        return texts;
    }

    static QAction* actionNamed(QMenu* menu, const QString& text)
    {
        for (QAction* action : menu->actions()) {
            if (action->text() == text)
                return action;
        }
        return nullptr;
    }

    std::unique_ptr<QTemporaryDir> folder_;
    std::string programFolder_;
    std::unique_ptr<FakeDisplaySettings> screen_;
    ShownMessagesReporter reporter_;
    std::unique_ptr<CAttravaApp> program_;
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
