#include "settings/environment_settings.h"

#include "settings/profile_file.h"

#include <string>
#include <variant>

namespace {

using Env = EnvironmentSettings;
using IntField = int Env::*;
using DoubleField = double Env::*;
using ColourField = float (Env::*)[4];

// One entry of the section: an integer or decimal key, or a colour stored
// as the keys <key>_R, _G, _B (and _A when channels is 4), with the values
// the program can use.
struct StoredKey {
    const char* key;
    std::variant<IntField, DoubleField, ColourField> field;
    AcceptedRange range;
    int channels = 3;
};

constexpr AcceptedRange kFlag{0, 1, true};
constexpr AcceptedRange kAnyInt{};
constexpr AcceptedRange kChannel{0.0, 1.0, false};

const StoredKey kStoredKeys[] = {
    {"Vector_Flag_Display_Attractor", &Env::Vector_Flag_Display_Attractor, kFlag},
    {"Vector_Flag_Display_Vector", &Env::Vector_Flag_Display_Vector, kFlag},
    {"Vector_LaticeSize", &Env::Vector_LaticeSize, {0, 15, true}},
    {"Vector_Space_Num", &Env::Vector_Space_Num, {0, 40, true}},
    {"BackGround_Color", &Env::BackGround_Color, kChannel},
    {"Wall_Color", &Env::Wall_Color, kChannel},
    {"Orbit_Color", &Env::Orbit_Color, kChannel},
    {"Wall_Latice_Num", &Env::Wall_Latice_Num, {0, 1000, true}},
    {"Wall_Type_Num", &Env::Wall_Type_Num, {0, 2, true}},
    {"Orbit_Type_Num", &Env::Orbit_Type_Num, kAnyInt},
    {"Axis_Flag_Display", &Env::Axis_Flag_Display, kFlag},
    {"Axis_Num_Type", &Env::Axis_Num_Type, kFlag},
    {"Axis_Type0_Flag_Color", &Env::Axis_Type0_Flag_Color, kFlag},
    {"Axis_Type0_AxisColor", &Env::Axis_Type0_AxisColor, kChannel},
    {"Axis_Type0_Flag_Length", &Env::Axis_Type0_Flag_Length, kFlag},
    {"Axis_Type0_Length", &Env::Axis_Type0_Length, {0.0, 100.0, false}},
    {"Axis_Type1_Flag_Text", &Env::Axis_Type1_Flag_Text, kFlag},
    {"Axis_Type1_TextColor", &Env::Axis_Type1_TextColor, kChannel},
    {"Axis_Scale_Numbers", &Env::Axis_Scale_Numbers, {0, 19, true}},
    {"Axis_Type1_Flag_Name", &Env::Axis_Type1_Flag_Name, kFlag},
    {"Axis_Type1_NameColor", &Env::Axis_Type1_NameColor, kChannel},
    {"Axis_Type1_Flag_Box", &Env::Axis_Type1_Flag_Box, kFlag},
    {"Axis_Type1_BoxColor", &Env::Axis_Type1_BoxColor, kChannel},
    {"Axis_Type1_Flag_Back", &Env::Axis_Type1_Flag_Back, kFlag},
    {"Axis_Type1_BackColor", &Env::Axis_Type1_BackColor, kChannel, 4},
    {"Axis_Type1_Flag_xyLatice", &Env::Axis_Type1_Flag_xyLatice, kFlag},
    {"Axis_Type1_xyLaticeColor", &Env::Axis_Type1_xyLaticeColor, kChannel},
    {"Axis_MultiDimension_Mode", &Env::Axis_MultiDimension_Mode, kAnyInt},
    {"Axis_MultiDimension_Color", &Env::Axis_MultiDimension_Color, kAnyInt},
};

std::string channelKey(const StoredKey& entry, int channel)
{
    return std::string(entry.key) + "_" + "RGBA"[channel];
}

template <class... F> struct Overloaded : F... {
    using F::operator()...;
};
template <class... F> Overloaded(F...) -> Overloaded<F...>;

} // namespace

PresentationMode presentationModeFromCode(int code)
{
    switch (code) {
    case static_cast<int>(PresentationMode::Velocity):
        return PresentationMode::Velocity;
    case static_cast<int>(PresentationMode::LocalLyapunov):
        return PresentationMode::LocalLyapunov;
    default:
        return PresentationMode::Structure;
    }
}

std::vector<StoredNumber> environmentNumbers()
{
    std::vector<StoredNumber> numbers;
    for (const StoredKey& entry : kStoredKeys) {
        if (std::holds_alternative<ColourField>(entry.field)) {
            for (int c = 0; c < entry.channels; ++c)
                numbers.push_back({channelKey(entry, c), entry.range});
        } else {
            numbers.push_back({entry.key, entry.range});
        }
    }
    return numbers;
}

EnvironmentSettings::EnvironmentSettings(const ProfileFile& store)
{
    load(store);
}

FloorStyle EnvironmentSettings::floorStyle() const
{
    switch (Wall_Type_Num) {
    case 1:
        return FloorStyle::Grid;
    case 2:
        return FloorStyle::Checked;
    default:
        return FloorStyle::None;
    }
}

OrbitStyle EnvironmentSettings::orbitStyle() const
{
    return Orbit_Type_Num == 1 ? OrbitStyle::Tube : OrbitStyle::Line;
}

void EnvironmentSettings::reset()
{
    dataSource = DataSource::None;
    presentationMode = PresentationMode::None;
    probeMode = 0;
    pointerState = PointerState::TranslationRotation;
    freeScale = 0;
    rebuildLevel = RebuildLevel::None;
    scale = 1.0;
    vectorFieldOn = 0;
}

void EnvironmentSettings::load(const ProfileFile& store)
{
    static const Env defaults;
    for (const StoredKey& entry : kStoredKeys) {
        std::visit(Overloaded{
                       [&](IntField f) {
                           this->*f = store.profileInt(kEnvironmentSection, entry.key, defaults.*f);
                       },
                       [&](DoubleField f) {
                           this->*f = store.profileDecimal(kEnvironmentSection, entry.key,
                                                           defaults.*f);
                       },
                       [&](ColourField f) {
                           for (int c = 0; c < entry.channels; ++c)
                               (this->*f)[c] = static_cast<float>(store.profileDecimal(
                                   kEnvironmentSection, channelKey(entry, c), (defaults.*f)[c]));
                       },
                   },
                   entry.field);
    }
}

bool EnvironmentSettings::save(ProfileFile& store) const
{
    for (const StoredKey& entry : kStoredKeys) {
        std::visit(Overloaded{
                       [&](IntField f) { store.setProfileInt(kEnvironmentSection, entry.key, this->*f); },
                       [&](DoubleField f) {
                           store.setProfileDecimal(kEnvironmentSection, entry.key, this->*f);
                       },
                       [&](ColourField f) {
                           for (int c = 0; c < entry.channels; ++c)
                               store.setProfileDecimal(kEnvironmentSection, channelKey(entry, c),
                                                       (this->*f)[c]);
                       },
                   },
                   entry.field);
    }
    return store.save();
}
