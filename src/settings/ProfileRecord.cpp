#include "settings/ProfileRecord.h"

#include <algorithm>
#include <utility>

#include "app/LanguageTable.h"

namespace vexmo {

namespace {

// Keys and factory values of named values 1 to 19 (0 is the profile name).
constexpr std::pair<const char*, const char*> kNamedDefaults[kNamedValueCount] = {
    {"ProfileName", ""},
    {"GameFile0", ""},
    {"GameFile1", ""},
    {"GameFile2", ""},
    {"DoubleClickSpeed", "6"},
    {"PointerSpeed", "5"},
    {"AccelerationEnable", "1"},
    {"ScrollWheelSpeed", "2"},
    {"ScrollWheelPageEnable", "0"},
    {"TiltSpeed", "2"},
    {"Sensitivity_X", "4"},
    {"Sensitivity_Y", "4"},
    {"XYSynchronous", "1"},
    {"X_DPI", "1"},
    {"Y_DPI", "1"},
    {"MoveLightingOnOffMode", "0"},
    {"PowerDownTime", "6"},
    {"LiftDetectionHeight", "2"},
    {"KeyDebounce", "12"},
    {"MotionWakeup", "1"},
};

// Factory functions of the six buttons: language text of the name and the function code.
struct DefaultButton {
    int nameText;
    ButtonCode code;
};
constexpr DefaultButton kDefaultButtons[ProfileRecord::kButtons] = {
    {20, {0x10, 0x01, 0x00}},  // left
    {21, {0x10, 0x02, 0x00}},  // right
    {22, {0x10, 0x04, 0x00}},  // middle
    {23, {0x10, 0x10, 0x00}},  // forward
    {24, {0x10, 0x08, 0x00}},  // back
    {42, {0x40, 0x01, 0x00}},  // DPI cycle
};

constexpr int kDefaultProfileNameText = 85;
constexpr int kDefaultLightingNameText = 100;

// Colour slots that take part in the effect of a lighting mode by default, with their colours.
struct DefaultModeColours {
    int mode;
    std::array<Colour, 8> colours;
    int count;
};
constexpr DefaultModeColours kDefaultModeColours[] = {
    {2, {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFF00, 0x00FFFF, 0xFF00FF, 0xFFFFFF}, 7},
    {3, {0xFF00FF}, 1},
    {6, {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFFFF00, 0xFA00FA, 0xFFFFFF, 0xFF46FA}, 8},
    {7, {0x00FF00, 0x6A00FA}, 2},
};

// Default step indexes of the eight DPI levels per sensor.
struct SensorLevels {
    uint16_t sensorId;
    std::array<uint16_t, ProfileRecord::kDpiLevels> levels;
};
constexpr SensorLevels kSensorLevels[] = {
    {0x3104, {7, 15, 23, 31, 44, 47, 58, 50}},    {0x3212, {6, 10, 14, 22, 33, 12, 12, 12}},
    {0x3311, {7, 11, 15, 31, 119, 99, 99, 59}},   {0x3325, {10, 22, 30, 46, 51, 58, 58, 50}},
    {0x3327, {2, 6, 14, 30, 48, 58, 58, 58}},     {0x3335, {11, 23, 31, 63, 99, 159, 59, 59}},
    {0x3360, {3, 7, 15, 31, 49, 59, 59, 59}},     {0x3389, {3, 7, 15, 31, 49, 59, 59, 59}},
    {0x3370, {7, 15, 31, 63, 99, 119, 119, 119}}, {0x3395, {15, 31, 47, 95, 199, 379, 99, 99}},
    {0x3399, {7, 15, 31, 63, 99, 99, 99, 99}},
};

constexpr std::array<Colour, ProfileRecord::kDpiLevels> kDefaultLevelColours = {
    0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0xFFFFFF, 0xFFFFFF};

}  // namespace

ButtonAssignment* ProfileRecord::button(int index) {
    if (index < 0 || index >= kButtons) return nullptr;
    return &buttons[static_cast<size_t>(index)];
}

void ResetProfile(ProfileRecord& record, int slot, const LanguageTable& language,
                  uint16_t sensorId) {
    for (int i = 0; i < kNamedValueCount; ++i) {
        record.namedValues[i] = {ascii(kNamedDefaults[i].first), ascii(kNamedDefaults[i].second)};
    }
    record.namedValues[kProfileName].value =
        slot >= 0 && slot <= 4 ? language.text(kDefaultProfileNameText + slot)
                               : u"Profile" + formatUnsigned(static_cast<unsigned>(slot) + 1u);

    const MacroRecord empty;
    for (int b = 0; b < ProfileRecord::kButtons; ++b) {
        ButtonAssignment& button = record.buttons[b];
        button.name = language.text(kDefaultButtons[b].nameText);
        button.code = kDefaultButtons[b].code;
        SetButtonMacro(button, &empty);
        button.macroKeyIndex = 0;
    }

    record.pollingRateName = u"1000HZ";
    record.pollingRateValue = {3, 0, 0};

    record.lighting1OffOn = 1;
    record.lighting1Name = language.text(kDefaultLightingNameText);
    record.lighting1ModeValue = {1, 0, 0};
    record.lighting1Speed.fill(1);
    record.lighting1Brightness = {1, 1, 1, 3, 1, 1, 1, 1, 1, 1};
    for (auto& row : record.lighting1ColorSelected)
        row.fill(0);
    for (auto& row : record.lighting1FixedColor)
        row.fill(0);
    for (const DefaultModeColours& mode : kDefaultModeColours) {
        for (int slotIndex = 0; slotIndex < mode.count; ++slotIndex) {
            record.lighting1ColorSelected[mode.mode][slotIndex] = 1;
            record.lighting1FixedColor[mode.mode][slotIndex] = mode.colours[slotIndex];
        }
    }
    record.lighting1Direction.fill(0);
    record.lighting1Direction[1] = 1;

    record.lighting2OffOn = 0;
    record.lighting2Name = language.text(kDefaultLightingNameText);
    record.lighting2ModeValue = {1, 0, 0};
    record.lighting2Speed = 0;
    record.lighting2Brightness = 0;
    record.lighting2FixedColor = 0;

    ApplySensorDefaults(record, sensorId);
}

void ApplySensorDefaults(ProfileRecord& record, uint16_t sensorId) {
    record.dpiOffOnFlag = 0x3F;
    const auto* known = std::find_if(std::begin(kSensorLevels), std::end(kSensorLevels),
                                     [&](const SensorLevels& s) { return s.sensorId == sensorId; });
    if (known != std::end(kSensorLevels)) record.xySetting = known->levels;
    record.currentDpiLevel = 0;
    record.dpiLevelIndication = kDefaultLevelColours;
    record.angleSnap = 0;
    record.liftDetection = 2;
}

void SetButtonMacro(ButtonAssignment& button, const MacroRecord* source) {
    MacroRecord& macro = button.macro;
    const size_t count = source ? std::min<size_t>(source->actionNum, MacroRecord::kMaxActions) : 0;
    if (source != nullptr) {
        macro.name = source->name;
        macro.macroKeyIndex = source->macroKeyIndex;
        macro.loopType = source->loopType;
        macro.loopNum = source->loopNum;
        macro.commandActionNum = source->commandActionNum;
        std::copy_n(source->actions.begin(), count, macro.actions.begin());
    }
    // Slots past the copied actions are cleared so that no earlier macro lingers in the profile
    // file, which stores all 200 slots.
    std::fill(macro.actions.begin() + static_cast<std::ptrdiff_t>(count), macro.actions.end(),
              MacroAction{});
    macro.actionNum = static_cast<uint32_t>(count);
}

}  // namespace vexmo
