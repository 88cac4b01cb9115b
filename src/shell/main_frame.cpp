#include "shell/main_frame.h"

#include "models/reporter.h"
#include "shell/about_dialog.h"
#include "shell/command_actions.h"
#include "shell/command_ids.h"
#include "shell/command_table.h"
#include "shell/display_settings.h"
#include "shell/gap_parallax_dialog.h"
#include "shell/program_texts.h"
#include "shell/shell_resources.h"

#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <array>

namespace {

struct DisplayModeCommand {
    int id;
    DisplayMode mode;
};

constexpr std::array<DisplayModeCommand, 3> displayModeCommands = {{
    {CommandId::DisplayNormal, DisplayMode::Normal},
    {CommandId::DisplayUpDown, DisplayMode::UpDown},
    {CommandId::DisplayLeftRight, DisplayMode::LeftRight},
}};

constexpr std::array<int, 6> frameCommands = {
    CommandId::DisplayNormal, CommandId::DisplayUpDown, CommandId::DisplayLeftRight,
    CommandId::StereoGap,     CommandId::AppAbout,      CommandId::AppExit,
};

}  // namespace

CMainFrame::CMainFrame(CommandRouter& router, DisplaySettings& display, Reporter& reporter,
                       QWidget* parent)
    : QMainWindow(parent), router_(router), display_(display), reporter_(reporter)
{
    setWindowTitle(mainWindowTitle);
    setWindowIcon(programIcon());

    registerCommands();
    actions_ = new CommandActions(router_, this);
    actions_->fillMenuBar(menuBar(), mainMenuLayout());

    toolBar_ = new QToolBar(tr("ツールバー"), this);
    toolBar_->setObjectName(QStringLiteral("commandBar"));
    toolBar_->setIconSize(QSize(16, 15));
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    actions_->fillToolBar(toolBar_, toolbarLayout());
    addToolBar(Qt::TopToolBarArea, toolBar_);

    statusBar();

    // A black placeholder until the GL view takes the central place.
    auto* placeholder = new QWidget(this);
    placeholder->setAutoFillBackground(true);
    QPalette black = placeholder->palette();
    black.setColor(QPalette::Window, Qt::black);
    placeholder->setPalette(black);
    setCentralWidget(placeholder);

    // Toolbar buttons and the commands' keys follow the update rules while
    // the program idles.
    toolbarRefresh_.setInterval(toolbarRefreshMilliseconds);
    connect(&toolbarRefresh_, &QTimer::timeout, this, [this] {
        actions_->refresh(toolBar_->actions());
        actions_->refreshShortcuts();
    });
    toolbarRefresh_.start();
}

CMainFrame::~CMainFrame()
{
    for (int id : frameCommands) {
        router_.setHandler(id, {});
        router_.setUpdateRule(id, {});
    }
    // Leaving the program in a stereo mode returns the screen to its mode.
    display_.restore();
}

void CMainFrame::registerCommands()
{
    for (const DisplayModeCommand& command : displayModeCommands) {
        const DisplayMode mode = command.mode;
        router_.setHandler(command.id, [this, mode] { selectDisplayMode(mode); });
        router_.setUpdateRule(command.id, [this, mode] {
            return CommandState{true, state_.displayMode == mode};
        });
    }
    router_.setHandler(CommandId::StereoGap, [this] { openGapDialog(); });
    router_.setUpdateRule(CommandId::StereoGap, [this] {
        return CommandState{state_.displayMode == DisplayMode::UpDown, std::nullopt};
    });
    router_.setHandler(CommandId::AppAbout, [this] { showAboutDialog(); });
    router_.setHandler(CommandId::AppExit, [this] { close(); });
}

void CMainFrame::selectDisplayMode(DisplayMode mode)
{
    if (mode == state_.displayMode)
        return;
    if (hooks_.setSingleView)
        hooks_.setSingleView();
    state_.displayMode = mode;
    applyDisplayMode(mode);
}

void CMainFrame::applyDisplayMode(DisplayMode mode)
{
    if (mode == DisplayMode::UpDown || mode == DisplayMode::LeftRight) {
        if (enterStereoMode(mode))
            return;
        // The screen cannot show the mode: back to normal mode, toolbar and
        // all, rather than a normal window that claims to be stereo.
        state_.displayMode = DisplayMode::Normal;
    }
    enterNormalMode();
}

void CMainFrame::enterNormalMode()
{
    display_.restore();
    menuBar()->show();
    toolBar_->show();
    statusBar()->show();
    if (isFullScreen())
        showMaximized();
    if (hooks_.layoutNormalViews)
        hooks_.layoutNormalViews();
}

bool CMainFrame::enterStereoMode(DisplayMode mode)
{
    toolBar_->hide();
    const std::vector<ScreenMode> candidates = stereoCandidates(mode, display_.availableModes());
    const bool changed = std::any_of(candidates.begin(), candidates.end(),
                                     [this](const ScreenMode& candidate) { return display_.changeTo(candidate); });
    if (!changed) {
        reporter_.showMessage(stereoFailureMessage(mode));
        return false;
    }
    menuBar()->hide();
    statusBar()->hide();
    showFullScreen();
    layoutStereoViews();
    return true;
}

void CMainFrame::layoutStereoViews()
{
    if (!hooks_.layoutStereoViews)
        return;
    const ScreenSize screen = display_.screenSize();
    hooks_.layoutStereoViews(computeStereoLayout(state_.displayMode, screen.width, screen.height,
                                                 state_.crystalGap, state_.eyeOffset));
}

void CMainFrame::onSplashClosed()
{
    update();
    raise();
    activateWindow();
    applyDisplayMode(state_.displayMode);
}

QMenu* CMainFrame::contextMenu()
{
    if (!contextMenu_)
        contextMenu_ = actions_->buildPopupMenu(contextMenuLayout(), this);
    return contextMenu_;
}

void CMainFrame::showContextMenu(const QPoint& globalPosition)
{
    contextMenu()->popup(globalPosition);
}

void CMainFrame::openGapDialog()
{
    CGapParallaxDialog dialog(state_.crystalGap, state_.eyeOffset, this);
    connect(&dialog, &CGapParallaxDialog::valuesChanged, this, [this](double gap, double offset) {
        state_.crystalGap = gap;
        state_.eyeOffset = offset;
        if (state_.displayMode == DisplayMode::UpDown)
            layoutStereoViews();
    });
    dialog.exec();
}

void CMainFrame::showAboutDialog()
{
    CAboutDlg dialog(this);
    dialog.exec();
}
