// The per-view modeless windows as the document sees them: the fifteen
// analysis window kinds, the seventeen entries of a view's window table, the
// links a window is made with, the small interface every such window
// implements so the document can ask whether it is showing, refresh it and
// close it without knowing its toolkit, and the maker the toolkit layer
// supplies to create them.
#pragma once

#include <array>
#include <memory>
#include <optional>

class CUser;
class DynamicsEngine;
class EnvironmentSettings;
class Reporter;

enum class WindowKind {
    SamplingInitialValue = 0,   // sampling and initial value window
    ReconstructionDelay = 1,    // reconstruction dimension and delay window
    LocalLyapunovError = 2,     // local Lyapunov exponent initial-error window
    PhaseSpaceSettings = 3,     // vector-field settings window
    SeriesData = 4,             // time-series data window
    LyapunovSpectrum = 5,
    LyapunovDimension = 6,
    SpectrumResponse = 7,       // spectrum temporal response window
    DimensionResponse = 8,      // dimension temporal response window
    ParameterSetting = 9,
    RecurrencePlot = 10,
    AnalysedSeriesData = 11,    // time-series window showing the reconstructed data
    ColourBar = 12,
    ModelEquation = 13,
    ParameterScan = 14,         // parameter scan window
};

inline constexpr int kWindowKindCount = 15;
// Entries of a view's window table: the fifteen kinds and the two property
// sheets.
inline constexpr int kWindowEntryCount = 17;
inline constexpr int kEnvironmentSheetEntry = 15;
inline constexpr int kDefaultParameterSheetEntry = 16;

// The table entry that holds a window of the given kind.
constexpr int windowEntry(WindowKind kind)
{
    constexpr std::array<int, kWindowKindCount> entries{0, 1, 2, 3, 5, 6, 7, 8, 9, 4, 10, 12, 13, 14, 11};
    return entries[static_cast<int>(kind)];
}

// What a view's window is made with: the two links to its view's engine and
// environment, the view's index, the document (which runs the view's
// computations) and where user-facing failures go. All outlive the window.
struct WindowLinks {
    CUser& document;
    int view;
    DynamicsEngine& engine;
    EnvironmentSettings& environment;
    Reporter& reporter;
    // The view number (index + 1) when the document shows more than one view;
    // the windows then name their view in the title. Empty with one view.
    std::optional<int> titleNumber;
};

// A view's modeless window or property sheet. A window the user closed with
// OK, cancel or the close box is hidden or destroyed, but its object stays in
// the table until the document replaces or closes it.
class AnalysisWindow {
public:
    virtual ~AnalysisWindow() = default;
    // The system window exists and is visible.
    virtual bool isOpen() const = 0;
    // Destroys the system window; the object itself lives on.
    virtual void close() = 0;
    // The view's orbit or settings changed: show them anew (an analysis
    // window computes its result again).
    virtual void refresh() = 0;
};

// Makes the windows of the kinds the program has, in the toolkit layer.
class WindowMaker {
public:
    virtual ~WindowMaker() = default;
    // A new window of the kind, shown; null for a kind without a window.
    virtual std::unique_ptr<AnalysisWindow> make(WindowKind kind, const WindowLinks& links) = 0;
    // A new property sheet for the table entry kEnvironmentSheetEntry or
    // kDefaultParameterSheetEntry, shown; null for another entry.
    virtual std::unique_ptr<AnalysisWindow> makeSheet(int /*entry*/, const WindowLinks& /*links*/)
    {
        return nullptr;
    }
};

using WindowTable = std::array<std::unique_ptr<AnalysisWindow>, kWindowEntryCount>;
