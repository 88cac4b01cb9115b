#include "shell/attrava_app.h"

#include "models/reporter.h"
#include "shell/analysis_commands.h"
#include "shell/command_ids.h"
#include "shell/job_progress.h"
#include "shell/model_start.h"
#include "shell/presentation_commands.h"
#include "shell/splash_window.h"
#include "shell/start_checks.h"
#include "shell/view_commands.h"
#include "shell/view_window_maker.h"
#include "view/ps_view.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>

#include <algorithm>
#include <utility>

namespace {

// Adds the camera to the world unless it is there already.
void showCamera(CWorld& world, CCamera& camera)
{
    const auto& cameras = world.cameras();
    if (std::find(cameras.begin(), cameras.end(), &camera) == cameras.end())
        world.registerCamera(camera);
}

void placeStereoCamera(CCamera& camera, const StereoCamera& placement)
{
    const StereoViewport& v = placement.viewport;
    camera.setViewport(v.x, v.y, v.width, v.height);
    camera.setPerspective(placement.fieldOfView, placement.aspect, placement.nearPlane,
                          placement.farPlane);
    camera.setEyePosition(placement.position);
    camera.setLookAt(placement.lookAt);
}

}  // namespace

CAttravaApp::CAttravaApp(const std::string& programFolder, DisplaySettings& display,
                         Reporter& reporter, const StartOptions& options)
    : CAttravaApp(ProgramFolders::inOne(programFolder), display, reporter, options)
{
}

CAttravaApp::CAttravaApp(const ProgramFolders& folders, DisplaySettings& display,
                         Reporter& reporter, const StartOptions& options)
    : settings_(folders.settingsFile),
      startMessages_{ignoreDamagedSettings(settings_)}, reporter_(reporter),
      document_(std::make_unique<CUser>(settings_, reporter, folders.workFolder, pointerInput_)),
      splashEnabled_(options.splashEnabled)
{
    ProgramSettings program;
    program.read(settings_);
    document_->startWithInputDevice(program.deviceMode);
    document_->modelListPath = program.modelListPath;
    language_ = program.language;
    startMessages_.push_back(replaceMissingModelList(folders.workFolder, document_->modelListPath));
    std::erase(startMessages_, std::string());

    applyStartOptions(options);

    frame_ = std::make_unique<CMainFrame>(router_, display, reporter);
    DisplayModeState& state = frame_->displayState();
    state.displayMode = program.displayMode;
    state.crystalGap = program.crystalGap;
    state.eyeOffset = program.eyeOffset;

    view_ = new CPsView(*document_, reporter, frame_.get());
    frame_->setCentralWidget(view_);
    view_->contextMenuHandler = [this](const QPoint& at) { frame_->showContextMenu(at); };

    windows_ = std::make_unique<ViewWindowMaker>(frame_.get(), view_);
    document_->windowMaker = windows_.get();
    jobProgress_ = new CJobProgressWindow(*document_, frame_.get());
    registerViewCommands(router_, *document_, reporter, frame_.get());
    registerAnalysisCommands(router_, *document_, reporter, frame_.get());
    registerPresentationCommands(router_, *document_);
    registerInitialValueUndo();
    registerImageSave();
    registerLanguageChoice();
    showFirstStepHint();
    connectDisplayModes();
}

CAttravaApp::~CAttravaApp()
{
    writeProgramSettings();
    view_->stopTimers();
    // It leaves the document's job runner before the document goes.
    delete jobProgress_;
    jobProgress_ = nullptr;
    // The scenes' display lists belong to the view's context: they are
    // deleted while it is current, before the view goes.
    view_->makeCurrent();
    document_.reset();
    view_->doneCurrent();
    frame_.reset();
}

void CAttravaApp::applyStartOptions(const StartOptions& options)
{
    if (options.viewCount)
        document_->setViewCount(*options.viewCount);
    if (options.models.empty())
        return;
    for (int v = 0; v < document_->viewCount; ++v) {
        const ModelStart start{options.modelOfView(v),
                               presentationModeFromCode(options.presentationModeOfView(v)),
                               options.colourAxis};
        startModelOnView(*document_, v, start, reporter_);
    }
}

bool CAttravaApp::saveViewImage(const QString& path)
{
    const QImage frame = view_->grabFramebuffer();
    return !frame.isNull() && frame.save(path, "PNG");
}

// The texts' language is chosen before the first window exists, so a new
// choice is kept in the settings file for the next start.
void CAttravaApp::registerLanguageChoice()
{
    for (const auto& [id, language] : {std::pair{CommandId::LanguageJapanese, InterfaceLanguage::Japanese},
                                       std::pair{CommandId::LanguageEnglish, InterfaceLanguage::English}}) {
        router_.setHandler(id, [this, language = language] {
            if (language == language_)
                return;
            language_ = language;
            if (writeProgramSettings())
                reporter_.showMessage(QCoreApplication::translate(
                                          "CAttravaApp", "表示言語は次回の起動から変わります。")
                                          .toStdString());
        });
        router_.setUpdateRule(id, [this, language = language] {
            return CommandState{true, language_ == language};
        });
    }
}

// While no shown view has an orbit, the status bar says how to begin. The
// hint is a widget of the status bar, so passing status texts of menu items
// do not wipe it out. Each empty view says the same, faintly, in its middle.
void CAttravaApp::showFirstStepHint()
{
    const QString text =
        QCoreApplication::translate("CAttravaApp", "メニュー → 数理モデル解析 でモデルを選んでください");
    view_->setEmptyViewHint(text);
    auto* hint = new QLabel(text, frame_.get());
    hint->setObjectName(QStringLiteral("firstStepHint"));
    frame_->statusBar()->addWidget(hint);
    auto* watch = new QTimer(hint);
    QObject::connect(watch, &QTimer::timeout, hint, [this, hint] {
        bool anyOrbit = false;
        for (int v = 0; v < document_->viewCount; ++v)
            anyOrbit = anyOrbit || document_->views[static_cast<std::size_t>(v)].engine.orbitReady == 1;
        hint->setVisible(!anyOrbit);
    });
    watch->start(250);
}

void CAttravaApp::registerImageSave()
{
    router_.setHandler(CommandId::SaveViewImage, [this] {
        const QString path = QFileDialog::getSaveFileName(
            frame_.get(), QCoreApplication::translate("ViewImage", "画像を保存"), QString(),
            QCoreApplication::translate("ViewImage", "PNG 画像 (*.png)"));
        if (!path.isEmpty() && !saveViewImage(path))
            reporter_.showMessage(QCoreApplication::translate("ViewImage", "画像を %1 に保存できませんでした。")
                                      .arg(path)
                                      .toStdString());
    });
    router_.setUpdateRule(CommandId::SaveViewImage,
                          [this] { return CommandState{view_->isValid(), std::nullopt}; });
}

void CAttravaApp::registerInitialValueUndo()
{
    auto* undo = new QAction(QCoreApplication::translate("PointerTools", "初期値を元に戻す"), frame_.get());
    undo->setShortcut(QKeySequence::Undo);
    undo->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(undo, &QAction::triggered, frame_.get(), [this] {
        if (document_->undoInitialValue())
            frame_->statusBar()->showMessage(
                QCoreApplication::translate("PointerTools", "初期値を戻しました。"));
    });
    frame_->addAction(undo);
}

void CAttravaApp::connectDisplayModes()
{
    // A view-count change or an active-view-only toggle lays the views out
    // again through the frame's current display mode.
    document_->displayLayoutRequest = [this] {
        frame_->applyDisplayMode(frame_->displayState().displayMode);
    };
    document_->phasePointPicked = [this](int, const Vector3& point) {
        frame_->statusBar()->showMessage(
            QCoreApplication::translate("PointerTools", "初期値 x = %1, y = %2, z = %3")
                .arg(point.x, 0, 'f', 4)
                .arg(point.y, 0, 'f', 4)
                .arg(point.z, 0, 'f', 4));
    };
    DisplayModeHooks hooks;
    hooks.setSingleView = [this] { document_->showFirstViewAlone(); };
    hooks.layoutNormalViews = [this] {
        stereoLayout_.reset();
        document_->layoutViews(view_->clientWidth(), view_->clientHeight());
    };
    hooks.layoutStereoViews = [this](const StereoLayout& layout) {
        stereoLayout_ = layout;
        applyStereoLayout(layout);
    };
    frame_->setDisplayModeHooks(std::move(hooks));
    view_->layoutOnResize = [this](int width, int height) {
        if (stereoLayout_)
            applyStereoLayout(*stereoLayout_);
        else
            document_->fitViewsToWindow(width, height);
    };
}

void CAttravaApp::applyStereoLayout(const StereoLayout& layout)
{
    ViewSlot& slot = document_->views[0];
    showCamera(slot.world, slot.cameraA);
    showCamera(slot.world, slot.cameraB);
    placeStereoCamera(slot.cameraA, layout.cameraA);
    placeStereoCamera(slot.cameraB, layout.cameraB);
}

void CAttravaApp::start()
{
    // Maximised needs a window manager; the available screen area gives the
    // same size without one.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        frame_->setGeometry(screen->availableGeometry());
    frame_->showMaximized();
    view_->setFocus();
    for (const std::string& message : std::exchange(startMessages_, {}))
        reporter_.showMessage(message);
    QPointer<CMainFrame> frame = frame_.get();
    CSplashWnd::showSplashScreen(view_, splashEnabled_, [this, frame] {
        if (frame)
            onSplashClosed();
    });
}

void CAttravaApp::onSplashClosed()
{
    frame_->onSplashClosed();
    view_->startTimers();
}

ProgramSettings CAttravaApp::currentProgramSettings() const
{
    ProgramSettings program;
    const DisplayModeState& state = frame_->displayState();
    program.displayMode = state.displayMode;
    program.deviceMode = document_->inputDevice;
    program.modelListPath = document_->modelListPath;
    program.crystalGap = state.crystalGap;
    program.eyeOffset = state.eyeOffset;
    program.language = language_;
    return program;
}

bool CAttravaApp::writeProgramSettings()
{
    if (currentProgramSettings().write(settings_))
        return true;
    reporter_.showMessage(
        QCoreApplication::translate("CAttravaApp", "設定ファイル「%1」に書き込めませんでした。")
            .arg(QString::fromStdString(settings_.path().string()))
            .toStdString());
    return false;
}
