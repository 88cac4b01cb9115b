// CUser, the program's one document: the nine view slots with everything they
// simulate and show, the multi-view state (how many views, which is active,
// whether commands act on all of them), the input device and the one 3-D
// pointer it moves. The GL view builds the scenes once and calls
// drawAllViews at every drawing tick; mouse events and menu commands land
// here as plain calls. Commands change state and raise a view's rebuildLevel;
// the next tick does the work. No toolkit types: the caller supplies the
// settings file, a Reporter for user-facing failures, the program folder and
// the pointing hardware.
#pragma once

#include "document/job_runner.h"
#include "document/scale_rules.h"
#include "document/scan_feed.h"
#include "document/view_slot.h"
#include "dynamics/embedding_advice.h"
#include "dynamics/recurrence.h"
#include "dynamics/recurrence_quantification.h"
#include "dynamics/series_lyapunov.h"
#include "models/model_library.h"
#include "settings/environment_settings.h"
#include "settings/program_settings.h"
#include "view3d/scene/mouse_device.h"
#include "view3d/scene/pointer.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class PointerInput;
class ProfileFile;
class Reporter;

inline constexpr int kViewSlotCount = 9;
// The largest number of values a view keeps of a data file.
inline constexpr int kSeriesValueLimit = 100000;
// The largest delay the embedding advice tries.
inline constexpr int kAdviceMaxDelay = 100;
// Orbits of up to this many points follow a parameter slider within one
// drawing tick; longer ones are computed on a worker.
inline constexpr int kLiveOrbitPoints = 10000;

// What an environment edit changed, for applyEnvironmentChange.
enum class EnvironmentChange {
    ClearColour,  // background colour
    Room,         // floor
    OrbitDisplay, // orbit appearance
    Axes,         // axes appearance
    DisplayBasis, // arrangement of a four-variable model's axes
};

// How a spectrum computation of a view ended, with its result.
struct SpectrumOutcome {
    JobStatus status = JobStatus::Finished;
    // Exponents in components 0..n-1 when exists; the zero vector otherwise.
    StateVector spectrum;
    // The orbit did not diverge and has at least two valid points.
    bool exists = false;
};

class CUser {
public:
    // settings supplies the environment and the model records' keys;
    // reporter, settings and pointerInput must outlive the document.
    // programFolder ends with '/'.
    CUser(const ProfileFile& settings, Reporter& reporter, std::string programFolder,
          PointerInput& pointerInput);
    CUser(const CUser&) = delete;
    CUser& operator=(const CUser&) = delete;
    // Closes every view's analysis windows.
    ~CUser();

    // --- scenes and the drawing tick ---

    // Once the OpenGL context is current: builds the nine scenes and asks the
    // first tick to bind the pointer to the active view. Later calls do
    // nothing.
    void initialiseScenes();
    bool scenesInitialised() const { return scenesInitialised_; }

    // One drawing tick: draws every shown view (clearing once, at view 0),
    // updates it and runs the pointer tick of the active view (every shown
    // view under "ALL View"), polls the input device, and re-binds the
    // pointer when asked. frameIsForeground: the program's main frame is the
    // foreground window; otherwise the pointer neither follows the mouse nor
    // acts.
    void drawAllViews(bool frameIsForeground);

    // The device pixel ratio of the screen the views are on; the axes' text
    // takes larger bitmap fonts on high-density screens.
    void setDevicePixelRatio(double ratio);

    // Pushes an environment edit to the target views.
    void applyEnvironmentChange(EnvironmentChange kind);

    // --- multi-view ---

    // Shows n views (1, 2, 4 or 9; other values are ignored): view 0 becomes
    // active, the active-view-only mode ends, views that drop out are reset
    // and lose their model, and the views are laid out again.
    void setViewCount(int n);
    // Left click at (x, y) (y downward) in a width x height window: the view
    // under it becomes active. Nothing with one view, in active-view-only
    // mode, or on the active view itself.
    void selectViewAt(int x, int y, int width, int height);
    // Left double click: shows only the active view, or all again.
    void toggleActiveViewOnly();
    // Mouse wheel on the active view: halves (delta 120) or doubles (-120)
    // its scale per notch.
    void wheelZoom(int delta);
    // Sets scale on the target views and asks them for a rebuild.
    void setScale(double value);
    // "x Auto" of the active view.
    void toggleAutoScale();
    // Gives the other shown views the active view's object transform and
    // pointer tool.
    void copyActiveToOtherViews();
    // Display mode 0: camera A of every shown view in its cell of a
    // width x height window (only the active view's, over the whole window,
    // in active-view-only mode), camera B taken out.
    void layoutViews(int width, int height);
    // After a window resize: the first camera of every shown view gets its
    // cell and the view perspective; a view without a camera is skipped.
    void fitViewsToWindow(int width, int height);
    // The viewports (y from the bottom) of the shown views that await a
    // model (ViewSlot::awaitsModel), one for each camera the view draws
    // with, so the window can say there how to begin.
    std::vector<Viewport> emptyViewAreas() const;

    // Called whenever the views must be laid out again (view count or
    // active-view-only changed); the main frame applies its display mode.
    std::function<void()> displayLayoutRequest;
    // Called with the phase point (x, y, z) the initial-value tool has just
    // set as view v's initial state, for the status bar.
    std::function<void(int v, const Vector3& point)> phasePointPicked;

    // --- commands ---

    // "1 View" .. "9 View".
    void chooseViewCount(int n);
    // "ALL View".
    void toggleAllViews();
    // "数理モデル解析" (a model) and "時系列データ解析" (a time series) up
    // to the selection dialog: the active view is reset for a new
    // presentation. singleView: the variants that first show one view.
    void prepareAnalysisStart(DataSource dataSource, bool singleView);
    // "&Mouse", "&PHANToM(TM)", "&SPIDAR G": the device changes at the end of
    // the next drawing tick.
    void requestInputDevice(InputDevice device);
    // The device the program settings name, in use from the start (before
    // the scenes are built).
    void startWithInputDevice(InputDevice device);
    // What the display-mode commands do to the views: view 0 is shown alone
    // without the view-count change (the other views keep their state) and
    // becomes the active view, so the view commands act on what is shown;
    // "ALL View" ends and the pointer moves there at the next tick.
    void showFirstViewAlone();

    // "アトラクタ構造", "速度分布", "局所的リアプノフ指数分布": each target view
    // whose orbit is ready shows that colouring; for the local Lyapunov
    // distribution the initial error first goes back to (1e-8, 0, 0, 0, 0, 0)
    // and its window opens.
    void showPresentationMode(PresentationMode mode);
    void showAttractorStructure();
    void showVelocityDistribution();
    void showLocalLyapunov();
    // "相空間のベクトル場": on each target view whose orbit is ready the field
    // is switched and rebuilt; switching it on opens the phase-space
    // settings window, switching it off ends the active view's probe.
    void toggleVectorField();
    // "移動・回転" and "初期値の入力" on the active view: the tool turns on
    // (ending the probe) or off; under "ALL View" the other shown views
    // take the active view's tool and object transform.
    void toggleTranslationRotation();
    void toggleInitialValueInput();
    // "ベクトル場の局所情報提示" on the active view: the probe turns on (no
    // pointer tool meanwhile) or off (back to translation and rotation).
    void toggleLocalInformation();
    // "座標軸の提示": the axes of each target view whose orbit is ready
    // switched on or off.
    void toggleAxes();
    // "提示位置リセット": the mouse device back at its start and the objects
    // of each target view whose orbit is ready at the origin, unturned.
    void resetDisplayPosition();
    // Ctrl+Z: the active view's initial state from before its last
    // initial-value drag, and its orbit computed. False when no drag is left
    // to undo.
    bool undoInitialValue();

    // --- computations ---
    // Each runs on the view's current inputs. Work small enough to end well
    // within a tenth of a second runs at once, and its `done` is called
    // before the call returns; longer work runs on a worker (see JobRunner)
    // and its result replaces the view's whole when it has ended. A newer
    // request of the same view and kind supersedes a running one; re-binding
    // or dropping the view cancels its jobs.

    // The orbit of the record in use, then rebuildLevel 1 and the view's open
    // windows refreshed. While a worker computes it, the view keeps showing
    // its previous orbit.
    void computeViewOrbit(int view);
    // The view's parameter values in use changed (a slider moved, a value
    // was applied): the parameters are loaded and the orbit computed at the
    // next drawing tick from the values in use then, so a burst of changes
    // between two ticks computes once, with the newest values. Orbits of up
    // to kLiveOrbitPoints points are computed within the tick; longer ones
    // run as a job that supersedes the view's running orbit job. The view
    // rebuilds its orbit and vector-field displays.
    void requestParameterRecompute(int view);
    bool parameterRecomputePending(int view) const;
    // Runs the recomputes asked for since the last call; the drawing tick
    // calls it before drawing.
    void runParameterRecomputes();
    // The Lyapunov spectrum of the view's stored orbit; `done` runs on this
    // thread when it has ended. kind: Spectrum, or Dimension for the
    // dimension window's own request, so the spectrum and dimension windows
    // of a view do not supersede each other.
    void startSpectrum(int view, std::function<void(const SpectrumOutcome&)> done,
                       JobKind kind = JobKind::Spectrum);
    // The temporal responses of the view's stored orbit, moved into its
    // engine when finished; then `done`.
    void startResponses(int view, LyapunovResponses which, std::function<void(JobStatus)> done);
    // The recurrence matrix of the view's stored orbit (RecurrenceMatrix::compute);
    // `done` gets the matrix, complete only when the status is Finished.
    void startRecurrence(int view, int requestedSize,
                         std::function<void(JobStatus, RecurrenceMatrix&)> done);
    // Re-records the view's vector field: a small lattice at the next draw, a
    // large one once a worker has sampled it (the view keeps showing the
    // previous field meanwhile).
    void rebuildVectorField(int view);
    // The embedding advice of the view's time series: the delay from the
    // mutual information up to kAdviceMaxDelay, the dimension from the false
    // neighbours up to kMaxAnalysisDimension.
    void startEmbeddingAdvice(int view,
                              std::function<void(JobStatus, const EmbeddingAdvice&)> done);
    // The largest Lyapunov exponent of the view's time series, embedded with
    // the record's dimension and delay.
    void startSeriesExponent(int view, const SeriesLyapunovOptions& options,
                             std::function<void(JobStatus, const SeriesLyapunovResult&)> done);
    // The recurrence measures over every valid point of the view's stored
    // orbit (the reconstructed vectors of a time-series view).
    void startRecurrenceMeasures(int view, const RecurrenceOptions& options,
                                 std::function<void(JobStatus, const RecurrenceQuantities&)> done);
    // A parameter scan of the view's model (runScan on a worker copy of its
    // engine), always through the job runner so that it can be watched while
    // it fills: every computed cell goes into `feed` at once; `done` runs on
    // this thread when the scan has ended.
    void startScan(int view, const ScanSettings& settings, std::shared_ptr<ScanFeed> feed,
                   std::function<void(JobStatus)> done);
    // Gives parameter k of the view's model the value and computes the orbit
    // anew, so the view shows the attractor there. Nothing on a view without
    // a bound model.
    void setViewParameter(int view, int parameter, double value);
    // Runs the finish steps of the jobs that have ended. The drawing tick
    // calls it; the toolkit layer calls it too when a worker signals.
    void deliverFinishedJobs() { jobs.deliverFinished(); }

    // --- time series ---

    // After the data file dialog: the view's series file read with the
    // record's layout, at most kSeriesValueLimit values, and the display basis
    // computed. False when the file cannot be opened (reported) or holds no
    // value; the view's jobs on the previous series are cancelled either way.
    bool readViewSeries(int view);
    // The delay reconstruction of the view's series with the record's
    // dimension and delay, then rebuildLevel 1 and the view's open windows
    // refreshed. Returns the number of vectors; fewer than two leave the view
    // without an orbit to draw (one point is no orbit), so nothing false is
    // shown.
    int reconstructViewSeries(int view);

    // --- windows ---

    bool isAnalysisWindowOpen(int kind, int view) const;
    void closeAnalysisWindow(int kind, int view);
    // Resets the view's environment and closes its fifteen analysis windows
    // (the two property sheets stay).
    void closeViewWindows(int view);
    // Whether a window of the kind may open on the view, by the view's data
    // source (model or time series) and presentation mode.
    bool mayOpenWindow(WindowKind kind, int view) const;
    // Closes the view's window of that kind, then has windowMaker make a new
    // one, stores it in the view's table and shows it. False, with nothing
    // changed, without a maker or for a kind the program has no window for.
    bool openAnalysisWindow(WindowKind kind, int view);
    // A new property sheet of the view in the table entry
    // kEnvironmentSheetEntry or kDefaultParameterSheetEntry, made by
    // windowMaker; it replaces (and closes) the view's previous sheet of that
    // entry. False, with nothing changed, without a maker or for another
    // entry.
    bool openPropertySheet(int entry, int view);
    // The tools commands: opens the kind on every target view whose orbit is
    // ready and that may open it, in index order.
    void openOnTargetViews(WindowKind kind);
    // Refreshes every open window of the view.
    void refreshViewWindows(int view);
    // What a window of the view is made with.
    WindowLinks windowLinks(int view);
    // The view start: the view's objects placed at the model's display
    // position, then the sampling and initial value window of a model view or
    // the reconstruction window of a time-series view.
    void startView(int view);

    // --- model library ---

    // The library paths for the current list path, recomputed.
    ModelLibraryPaths currentLibraryPaths() const;
    // Re-binds the view's engine to its edited record: applyEditedRecord
    // (the view has no orbit until it is computed again), then as
    // rebindRecordInUse. False when binding failed.
    bool bindModel(int view);
    // Binds the view's engine again to its record in use as it stands:
    // Release, Bind, loadParameters. A failed Bind is reported (model,
    // library and reason) and leaves the view unbound without a ready orbit,
    // so nothing calls into a model that is not there; false then.
    bool rebindRecordInUse(int view);
    // Releases the active view's binding, then builds the library from the
    // list source.
    CompileResult compileModelLibrary();

    // --- access ---

    ViewSlot& activeSlot() { return views[static_cast<std::size_t>(activeView)]; }
    const ViewSlot& activeSlot() const { return views[static_cast<std::size_t>(activeView)]; }
    // Whether view v is a target of view commands: the active view, or every
    // shown view under "ALL View".
    bool isTargetView(int v) const;
    // Calls action(slot) on every target view, in index order.
    template <typename Action>
    void forEachTargetView(Action&& action)
    {
        for (int v = 0; v < viewCount; ++v) {
            if (isTargetView(v))
                action(views[static_cast<std::size_t>(v)]);
        }
    }

    // Model list source path as the program settings hold it (may begin with
    // ".\" or "./": relative to the program folder).
    std::string modelListPath = ".\\model\\Eqnbank.c";
    // Program folder, list path, list base name and library path, filled by
    // currentLibraryPaths() before every use.
    ModelLibraryPaths libraryPaths;
    // The settings file the document was made with; "保存" of the environment
    // sheet writes the default environment there.
    std::filesystem::path settingsFile;
    std::array<ViewSlot, kViewSlotCount> views;
    int viewCount = 1;
    int activeView = 0;
    int activeViewOnly = 0;
    int allViews = 0;
    double scaleTable[kScaleTableSize];  // the Scale menu's values, in menu order
    InputDevice inputDevice = InputDevice::Mouse;
    InputDevice requestedDevice = InputDevice::Mouse;
    int deviceRebindPending = 0;
    CMouseDevice mouseDevice;
    CPointer pointer;
    // Makes the views' windows; set by the program, which owns it.
    WindowMaker* windowMaker = nullptr;
    // Declared after the views: it is destroyed first, stopping every worker
    // before anything a finish step would touch goes.
    JobRunner jobs;

private:
    template <std::size_t... I>
    std::array<ViewSlot, kViewSlotCount> makeViewSlots(const ProfileFile& settings,
                                                       std::index_sequence<I...>);
    void updateView(ViewSlot& slot);
    void pointerDisplayStep(ViewSlot& slot, bool frameIsForeground);
    void rebindPointer();
    void requestPointerRebind();
    void requestDisplayLayout();
    void changeEnvironment(ViewSlot& slot, EnvironmentChange kind);
    // The state a view returns to when it drops out of the view count.
    void dropView(int view);
    // The active view's part of the analysis start commands.
    void resetActiveViewForAnalysis(DataSource dataSource);
    // Runs `run` at once when quick, else as a job; then `finish` on this
    // thread with how it ended.
    // computeViewOrbit, at once when quick, else as a job.
    void computeViewOrbit(int view, bool quick);
    void runViewJob(int view, JobKind kind, bool quick, std::function<void(const JobControl&)> run,
                    std::function<void(JobStatus)> finish);

    Reporter& reporter_;
    bool scenesInitialised_ = false;
    std::array<bool, kViewSlotCount> parameterRecomputes_{};
};
