// The running program: the settings file "Attrava.ini", the document, the command router, the main frame with the GL view
// and the order in which they start. The program settings are read when the
// view is made and written back when the program ends; the splash closing is
// the moment the saved display mode is entered and the timers start.
#pragma once

#include "document/user_document.h"
#include "shell/command_router.h"
#include "shell/main_frame.h"
#include "shell/program_folders.h"
#include "shell/start_options.h"
#include "view/qt_pointer_input.h"
#include "settings/profile_file.h"
#include "settings/program_settings.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CJobProgressWindow;
class CPsView;
class DisplaySettings;
class Reporter;
class ViewWindowMaker;

class CAttravaApp {
public:
    // The settings file and the work folder (the model list, the model
    // library) are those of `folders`. `display` and `reporter` must outlive
    // the program. The start options' models are bound before any window
    // exists, so the first tick shows them.
    CAttravaApp(const ProgramFolders& folders, DisplaySettings& display, Reporter& reporter,
                const StartOptions& options);
    // Everything in programFolder, which ends with '/'.
    CAttravaApp(const std::string& programFolder, DisplaySettings& display, Reporter& reporter,
                const StartOptions& options);
    // Writes the program settings back, then takes the windows down.
    ~CAttravaApp();

    CAttravaApp(const CAttravaApp&) = delete;
    CAttravaApp& operator=(const CAttravaApp&) = delete;

    // Shows the frame maximised, then what the start checks found (values of
    // the settings file ignored, a missing model list replaced), then the
    // splash over the view; when the splash closes, the frame enters the saved display mode and the view's timers
    // start.
    void start();

    // The five program settings as the frame and the document hold them now.
    ProgramSettings currentProgramSettings() const;
    // Stores them in the settings file; false (reported) when it cannot be
    // written.
    bool writeProgramSettings();

    // "画像を保存…": the 3-D view's last drawn frame as a PNG image at path,
    // at the screen's resolution. False when there is no frame yet or the
    // file could not be written.
    bool saveViewImage(const QString& path);

    CUser& document() { return *document_; }
    CommandRouter& router() { return router_; }
    CMainFrame& frame() { return *frame_; }
    CPsView& view() { return *view_; }
    CJobProgressWindow& jobProgress() { return *jobProgress_; }

private:
    void applyStartOptions(const StartOptions& options);
    void connectDisplayModes();
    void registerImageSave();
    void registerLanguageChoice();
    void showFirstStepHint();
    // Ctrl+Z on the main frame: the active view's last initial-value drag undone.
    void registerInitialValueUndo();
    void applyStereoLayout(const StereoLayout& layout);
    void onSplashClosed();

    ProfileFile settings_;
    // What the start checks found in the settings (shown once by start()).
    std::vector<std::string> startMessages_;
    Reporter& reporter_;
    QtPointerInput pointerInput_;
    std::unique_ptr<CUser> document_;
    CommandRouter router_;
    std::unique_ptr<CMainFrame> frame_;
    CPsView* view_ = nullptr;  // owned by the frame
    // Makes the views' modeless windows, which the document's window tables own.
    std::unique_ptr<ViewWindowMaker> windows_;
    CJobProgressWindow* jobProgress_ = nullptr;  // owned by the frame
    bool splashEnabled_ = true;
    // The language "Attrava.ini" keeps for the next start.
    InterfaceLanguage language_ = InterfaceLanguage::Japanese;
    // The cameras of view 0 while a stereo mode is shown; a resize puts
    // them back instead of the normal layout.
    std::optional<StereoLayout> stereoLayout_;
};
