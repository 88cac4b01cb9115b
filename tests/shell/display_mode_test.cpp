// The main frame's display modes against a fake screen: entering and leaving
// the stereo modes, the fallbacks when the screen cannot be switched, the
// gap and parallax dialog and the rules of the display commands.
#include "fake_display_settings.h"
#include "dialogs/shown_messages_reporter.h"
#include "shell/command_ids.h"
#include "shell/command_router.h"
#include "shell/gap_parallax_dialog.h"
#include "shell/main_frame.h"
#include "shell/randr_display_settings.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

const std::vector<ScreenMode> stereoCapableScreen = {
    {1280, 1024, 24, 60}, {1024, 768, 16, 60}, {1024, 768, 32, 60}, {1280, 480, 16, 60},
};

}  // namespace

class DisplayModeTest : public QObject {
    Q_OBJECT

private slots:
    void init() { build(stereoCapableScreen); }

    void cleanup()
    {
        frame_.reset();
        screen_.reset();
        reporter_.messages.clear();
    }

    void upDownModeSwitchesTheScreenAndStacksTheCameras()
    {
        frame_->displayState().crystalGap = 30.0;
        QVERIFY(router_.execute(CommandId::DisplayUpDown));
        QCOMPARE(frame_->displayState().displayMode, DisplayMode::UpDown);
        QCOMPARE(singleViewCalls_, 1);
        QCOMPARE(screen_->attempts.size(), std::size_t{1});
        QVERIFY(screen_->attempts[0] == (ScreenMode{1024, 768, 32, 75}));
        QVERIFY(frame_->isFullScreen());
        QVERIFY(!frame_->menuBar()->isVisible());
        QVERIFY(!frame_->commandBar()->isVisible());
        QVERIFY(!frame_->statusBar()->isVisible());
        QCOMPARE(stereoLayouts_.size(), std::size_t{1});
        QVERIFY(stereoLayouts_[0].cameraA.viewport == (StereoViewport{0, 414, 1024, 369}));
        QVERIFY(stereoLayouts_[0].cameraB.viewport == (StereoViewport{0, 0, 1024, 369}));
        QVERIFY(reporter_.messages.empty());
        QVERIFY(router_.state(CommandId::DisplayUpDown).checked.value());
        QVERIFY(!router_.state(CommandId::DisplayNormal).checked.value());
        QVERIFY(router_.state(CommandId::StereoGap).enabled);
    }

    void leavingAStereoModeRestoresTheScreenAndTheWindow()
    {
        router_.execute(CommandId::DisplayLeftRight);
        QCOMPARE(screen_->current.width, 1280);
        QCOMPARE(screen_->current.height, 480);
        QVERIFY(stereoLayouts_.back().cameraB.viewport == (StereoViewport{640, 0, 640, 480}));

        router_.execute(CommandId::DisplayNormal);
        QCOMPARE(frame_->displayState().displayMode, DisplayMode::Normal);
        QVERIFY(!screen_->changed);
        QCOMPARE(screen_->current.width, 1280);
        QCOMPARE(screen_->current.height, 1024);
        QVERIFY(!frame_->isFullScreen());
        QVERIFY(frame_->menuBar()->isVisible());
        QVERIFY(frame_->commandBar()->isVisible());
        QCOMPARE(normalLayouts_, 1);
        QCOMPARE(singleViewCalls_, 2);
        QVERIFY(!router_.state(CommandId::StereoGap).enabled);
    }

    void choosingTheCurrentModeAgainDoesNothing()
    {
        router_.execute(CommandId::DisplayNormal);
        QCOMPARE(singleViewCalls_, 0);
        QCOMPARE(normalLayouts_, 0);
        QCOMPARE(screen_->restoreCalls, 0);
        router_.execute(CommandId::DisplayUpDown);
        router_.execute(CommandId::DisplayUpDown);
        QCOMPARE(screen_->attempts.size(), std::size_t{1});
        QCOMPARE(stereoLayouts_.size(), std::size_t{1});
        QCOMPARE(singleViewCalls_, 1);
    }

    void aScreenWithoutTheModeFallsBackToNormalWithTheMessage()
    {
        build({{1024, 768, 8, 75}, {1280, 1024, 24, 60}});
        router_.execute(CommandId::DisplayUpDown);
        QCOMPARE(reporter_.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(reporter_.messages[0]),
                 QString("この機種では1024 x 768 ハイカラー以上の解像度に変更できません。"));
        QVERIFY(screen_->attempts.empty());
        QCOMPARE(frame_->displayState().displayMode, DisplayMode::Normal);
        QVERIFY(frame_->commandBar()->isVisible());
        QVERIFY(frame_->menuBar()->isVisible());
        QVERIFY(!frame_->isFullScreen());
        QCOMPARE(normalLayouts_, 1);
        QVERIFY(stereoLayouts_.empty());
    }

    void aScreenThatRefusesEveryChangeFallsBackAfterTryingEachDepth()
    {
        screen_->refuseChanges = true;
        router_.execute(CommandId::DisplayUpDown);
        QCOMPARE(screen_->attempts.size(), std::size_t{2});
        QCOMPARE(screen_->attempts[0].bitsPerPixel, 32);
        QCOMPARE(screen_->attempts[1].bitsPerPixel, 16);
        QCOMPARE(reporter_.messages.size(), std::size_t{1});
        QCOMPARE(frame_->displayState().displayMode, DisplayMode::Normal);
        QVERIFY(frame_->commandBar()->isVisible());
        QVERIFY(stereoLayouts_.empty());

        router_.execute(CommandId::DisplayLeftRight);
        QCOMPARE(QString::fromStdString(reporter_.messages.back()),
                 QString("この機種では1280 x 480 ハイカラー以上の解像度に変更できません。"));
    }

    void theSavedModeIsEnteredWhenTheSplashCloses()
    {
        frame_->displayState().displayMode = DisplayMode::LeftRight;
        frame_->onSplashClosed();
        QCOMPARE(screen_->current.width, 1280);
        QCOMPARE(screen_->current.height, 480);
        QCOMPARE(stereoLayouts_.size(), std::size_t{1});
        QCOMPARE(singleViewCalls_, 0);
    }

    void closingTheFrameInAStereoModeRestoresTheScreen()
    {
        router_.execute(CommandId::DisplayUpDown);
        QVERIFY(screen_->changed);
        frame_.reset();
        QVERIFY(!screen_->changed);
        QCOMPARE(screen_->current.width, 1280);
        // The frame's commands are gone with it.
        QVERIFY(!router_.execute(CommandId::DisplayNormal));
    }

    void gapDialogStartsFromTheValuesAndMovesTogether()
    {
        CGapParallaxDialog dialog(16.0, 0.03);
        auto* gapSlider = dialog.findChild<QSlider*>("gapSlider");
        auto* gapEdit = dialog.findChild<QLineEdit*>("gapEdit");
        auto* parallaxSlider = dialog.findChild<QSlider*>("parallaxSlider");
        auto* parallaxEdit = dialog.findChild<QLineEdit*>("parallaxEdit");
        QVERIFY(gapSlider && gapEdit && parallaxSlider && parallaxEdit);
        QCOMPARE(gapSlider->minimum(), 0);
        QCOMPARE(gapSlider->maximum(), 1000);
        QCOMPARE(gapSlider->value(), 533);  // 16 / 30 * 1000 + 0.5
        QCOMPARE(parallaxSlider->value(), 30);
        QCOMPARE(gapEdit->text(), QString("16.000000"));
        QCOMPARE(parallaxEdit->text(), QString("0.030000"));

        QSignalSpy changes(&dialog, &CGapParallaxDialog::valuesChanged);
        gapSlider->setValue(1000);
        QCOMPARE(dialog.crystalGap(), 30.0);
        QCOMPARE(gapEdit->text(), QString("30.000000"));
        parallaxSlider->setValue(250);
        QCOMPARE(parallaxEdit->text(), QString("0.250000"));
        QCOMPARE(changes.size(), 2);
        QCOMPARE(changes.last().at(0).toDouble(), 30.0);
        QCOMPARE(changes.last().at(1).toDouble(), 0.25);
    }

    void gapDialogApplyReadsTheEditsWithinTheirRanges()
    {
        CGapParallaxDialog dialog(16.0, 0.03);
        auto* gapSlider = dialog.findChild<QSlider*>("gapSlider");
        auto* gapEdit = dialog.findChild<QLineEdit*>("gapEdit");
        auto* parallaxEdit = dialog.findChild<QLineEdit*>("parallaxEdit");
        auto* apply = dialog.findChild<QPushButton*>("applyButton");
        QVERIFY(apply);
        QSignalSpy changes(&dialog, &CGapParallaxDialog::valuesChanged);

        gapEdit->setText("7.5");
        parallaxEdit->setText("0.1");
        apply->click();
        QCOMPARE(dialog.crystalGap(), 7.5);
        QCOMPARE(dialog.eyeOffset(), 0.1);
        QCOMPARE(gapSlider->value(), 250);
        QCOMPARE(changes.size(), 1);

        gapEdit->setText("45");
        parallaxEdit->setText("-2");
        apply->click();
        QCOMPARE(dialog.crystalGap(), 30.0);
        QCOMPARE(dialog.eyeOffset(), 0.0);
        QCOMPARE(gapEdit->text(), QString("30.000000"));

        gapEdit->setText("abc");
        apply->click();
        QCOMPARE(dialog.crystalGap(), 30.0);
        QCOMPARE(gapEdit->text(), QString("30.000000"));
    }

    void gapDialogFromTheFrameMovesTheUpDownCameras()
    {
        router_.execute(CommandId::DisplayUpDown);
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<CGapParallaxDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QSlider*>("gapSlider")->setValue(1000);
            dialog->findChild<QSlider*>("parallaxSlider")->setValue(100);
            dialog->accept();
        });
        QVERIFY(router_.execute(CommandId::StereoGap));
        QCOMPARE(frame_->displayState().crystalGap, 30.0);
        QCOMPARE(frame_->displayState().eyeOffset, 0.1);
        QVERIFY(stereoLayouts_.back().cameraA.viewport == (StereoViewport{0, 414, 1024, 369}));
        QCOMPARE(stereoLayouts_.back().cameraA.position.x, -0.1);
    }

    void theXServerScreenOffersItsOwnModeAndRefusesOthers()
    {
        RandrDisplaySettings real;
        const QSize qtSize = QGuiApplication::primaryScreen()->geometry().size();
        const ScreenSize size = real.screenSize();
        QCOMPARE(QSize(size.width, size.height), qtSize);
        const std::vector<ScreenMode> modes = real.availableModes();
        const auto current = std::find_if(modes.begin(), modes.end(), [&](const ScreenMode& mode) {
            return mode.width == size.width && mode.height == size.height;
        });
        QVERIFY2(current != modes.end(), "the current size is not among the offered modes");
        QVERIFY(!real.changeTo({7, 5, current->bitsPerPixel, 60}));
        QVERIFY(!real.changeTo({size.width, size.height, current->bitsPerPixel + 1, 60}));
        QVERIFY(real.changeTo(*current));
        real.restore();
        QCOMPARE(real.screenSize().width, size.width);
    }

private:
    void build(std::vector<ScreenMode> offered)
    {
        frame_.reset();
        screen_ = std::make_unique<FakeDisplaySettings>(std::move(offered), ScreenSize{1280, 1024});
        frame_ = std::make_unique<CMainFrame>(router_, *screen_, reporter_);
        singleViewCalls_ = 0;
        normalLayouts_ = 0;
        stereoLayouts_.clear();
        frame_->setDisplayModeHooks({
            [this] { ++singleViewCalls_; },
            [this] { ++normalLayouts_; },
            [this](const StereoLayout& layout) { stereoLayouts_.push_back(layout); },
        });
        frame_->showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    }

    CommandRouter router_;
    ShownMessagesReporter reporter_;
    std::unique_ptr<FakeDisplaySettings> screen_;
    std::unique_ptr<CMainFrame> frame_;
    int singleViewCalls_ = 0;
    int normalLayouts_ = 0;
    std::vector<StereoLayout> stereoLayouts_;
};

QTEST_MAIN(DisplayModeTest)
#include "display_mode_test.moc"
