// The display environment of one view. It holds the presentation state that
// the document's commands set and the drawing objects read every frame, and
// the appearance kept in section "EnvironmentData" of the settings file:
// background, floor, orbit, axes and the vector-field lattice. Every view owns
// one; all of them load from and save to the same section. Stored fields are
// named after their keys; colours are R, G, B, A in 0..1 with A fixed at 1.0,
// except Axis_Type1_BackColor whose alpha is stored too.
#pragma once

#include "core/state_vector.h"
#include "settings/value_check.h"

#include <vector>

class ProfileFile;

inline constexpr const char* kEnvironmentSection = "EnvironmentData";

// Where a view's presentation comes from.
enum class DataSource { None, Model, Series };

// How a view presents its orbit. The numbers are the codes the command line
// names the modes by.
enum class PresentationMode {
    None = 0,
    Structure = 1,     // attractor structure
    Velocity = 3,      // velocity distribution
    LocalLyapunov = 5, // local Lyapunov exponent distribution
};

// The presentation mode of a code; a code that names no mode gives Structure,
// the mode a view starts in.
PresentationMode presentationModeFromCode(int code);

// The pointer tool of a view, shown by the cursor colour.
enum class PointerState { None, TranslationRotation, InitialValueInput };

// What the next drawing tick rebuilds; a higher level includes the lower.
enum class RebuildLevel {
    None,
    Orbit,       // the orbit and axes displays
    VectorField, // also the vector-field display
};

// The floor a view draws; "Wall_Type_Num" holds 0, 1 or 2.
enum class FloorStyle { None, Grid, Checked };

// The style of the orbit line; "Orbit_Type_Num" holds 1 for the tube.
enum class OrbitStyle { Line, Tube };

// The stored numbers of the section with the values the program can use.
std::vector<StoredNumber> environmentNumbers();

struct EnvironmentSettings {
    // Every field at its default, as loading an empty settings file gives.
    EnvironmentSettings() = default;
    // The presentation state at its reset values and the stored fields loaded
    // from store.
    explicit EnvironmentSettings(const ProfileFile& store);

    // Clears the presentation state for a new model or data presentation;
    // viewIndex, autoScale, the colour range, perturbation and every stored
    // field are kept.
    void reset();
    // Reads every stored key; absent keys give their defaults, unreadable
    // numbers 0.
    void load(const ProfileFile& store);
    // Writes every stored key into store and saves the file. False when the
    // file could not be written; the file on disk is then unchanged.
    bool save(ProfileFile& store) const;

    // The styles the stored numbers name. A floor number other than 1 or 2
    // draws no floor; an orbit number other than 1 draws a flat line.
    FloorStyle floorStyle() const;
    OrbitStyle orbitStyle() const;

    // Presentation state, not stored.
    int viewIndex = 0;        // owning view slot, 0..8
    DataSource dataSource = DataSource::None;
    PresentationMode presentationMode = PresentationMode::None;
    int probeMode = 0;        // 1 while the local-information probe is shown
    PointerState pointerState = PointerState::TranslationRotation;
    int freeScale = 0;        // 1 after the wheel has set the scale
    int autoScale = 0;        // 1: refit the scale to the orbit before each rebuild
    double scale = 1.0;
    RebuildLevel rebuildLevel = RebuildLevel::None;
    double colourMax = 0.0;   // value range of the last orbit or field colouring
    double colourMin = 0.0;
    // Initial error vector of the local Lyapunov exponent; never the zero vector.
    StateVector perturbation{1e-8, 0.0, 0.0, 0.0, 0.0, 0.0};
    int vectorFieldOn = 0;

    // Stored in section "EnvironmentData", in file order.
    int Vector_Flag_Display_Attractor = 1;
    int Vector_Flag_Display_Vector = 1;
    int Vector_LaticeSize = 4;
    int Vector_Space_Num = 10;
    float BackGround_Color[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float Wall_Color[4] = {0.3f, 0.3f, 0.3f, 1.0f};
    float Orbit_Color[4] = {0.6f, 1.0f, 1.0f, 1.0f};
    int Wall_Latice_Num = 20;
    int Wall_Type_Num = 1;  // 0 none, 1 grid, 2 checked
    int Orbit_Type_Num = 1; // 1 lit pseudo-tube, otherwise a flat line
    int Axis_Flag_Display = 0;
    int Axis_Num_Type = 0;
    int Axis_Type0_Flag_Color = 0;
    float Axis_Type0_AxisColor[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    int Axis_Type0_Flag_Length = 0;
    double Axis_Type0_Length = 10.0;
    int Axis_Type1_Flag_Text = 0;
    float Axis_Type1_TextColor[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    int Axis_Scale_Numbers = 6;
    int Axis_Type1_Flag_Name = 0;
    float Axis_Type1_NameColor[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    int Axis_Type1_Flag_Box = 1;
    float Axis_Type1_BoxColor[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    int Axis_Type1_Flag_Back = 0;
    float Axis_Type1_BackColor[4] = {0.5f, 0.5f, 0.5f, 0.3f};
    int Axis_Type1_Flag_xyLatice = 0;
    float Axis_Type1_xyLaticeColor[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    // Drawing constants of the axes in scene units, not stored.
    double axisTickLength = 0.05;
    double axisLabelOffset = 0.2;
    int Axis_MultiDimension_Mode = 0;  // kept and saved; no drawing reads it
    int Axis_MultiDimension_Color = 0; // kept and saved; no drawing reads it
};
