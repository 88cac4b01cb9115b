// CMainFrame, the program's top-level window: the menu bar and toolbar built
// from the command table, the status bar, the slot for the GL view, the
// view's context menu, and the three display modes (normal, up/down and
// left/right stereo) with their screen-mode changes.
#pragma once

#include "shell/command_router.h"
#include "shell/stereo_layout.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>

class CommandActions;
class DisplaySettings;
class QMenu;
class QToolBar;
class Reporter;

// The display mode and stereo values kept by the frame; the program settings
// read them at start and write them at exit.
struct DisplayModeState {
    DisplayMode displayMode = DisplayMode::Normal;
    double crystalGap = 16.0;  // pixels between the halves of the up/down split
    double eyeOffset = 0.03;   // half eye separation of the up/down cameras
};

// What the frame asks of the document and the view when the display mode
// changes; any hook may be left empty.
struct DisplayModeHooks {
    // The document's view count set to 1, written directly.
    std::function<void()> setSingleView;
    // The views' cameras laid out for display mode 0.
    std::function<void()> layoutNormalViews;
    // Cameras A and B of view 0 set for a stereo mode.
    std::function<void(const StereoLayout&)> layoutStereoViews;
};

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int toolbarRefreshMilliseconds = 200;

    // The frame registers its own commands (display modes, gap dialog,
    // version dialog, exit) in `router`; `router`, `display` and `reporter`
    // must outlive the frame.
    CMainFrame(CommandRouter& router, DisplaySettings& display, Reporter& reporter,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    CommandActions& commandActions() { return *actions_; }
    QToolBar* commandBar() const { return toolBar_; }

    void setDisplayModeHooks(DisplayModeHooks hooks) { hooks_ = std::move(hooks); }
    DisplayModeState& displayState() { return state_; }
    const DisplayModeState& displayState() const { return state_; }

    // Commands 32771..32773: enters `mode` unless it is the current one.
    void selectDisplayMode(DisplayMode mode);

    // Puts the screen, the window and the cameras into `mode`. Called with the
    // current mode after a view-count change, an active-view-only toggle and
    // when the splash closes. A stereo mode the screen cannot show is
    // reported and the frame falls back to normal mode.
    void applyDisplayMode(DisplayMode mode);

    // Start-up goes on here when the splash closes: the frame comes to the
    // front and enters the saved display mode.
    void onSplashClosed();

    // The view's right-click menu, built on first use.
    QMenu* contextMenu();
    // Pops the context menu up at a global screen position.
    void showContextMenu(const QPoint& globalPosition);

    // Command 32925: the modal gap and parallax dialog.
    void openGapDialog();
    // Command 57664: the modal version dialog.
    void showAboutDialog();

private:
    void registerCommands();
    void enterNormalMode();
    bool enterStereoMode(DisplayMode mode);
    void layoutStereoViews();

    CommandRouter& router_;
    DisplaySettings& display_;
    Reporter& reporter_;
    CommandActions* actions_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    QTimer toolbarRefresh_;
    DisplayModeState state_;
    DisplayModeHooks hooks_;
};
