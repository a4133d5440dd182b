// Every setting of one profile slot, its factory defaults and the sensor-dependent DPI defaults.
#pragma once

#include <array>
#include <cstdint>

#include "base/Colour.h"
#include "base/Text.h"
#include "macros/MacroRecord.h"

namespace vexmo {

class LanguageTable;

using ButtonCode = std::array<uint8_t, 3>;

struct ButtonAssignment {
    Text name;
    ButtonCode code{};
    uint32_t macroKeyIndex = 0;
    MacroRecord macro;  // owned copy of the assigned macro, sent by the upload

    bool operator==(const ButtonAssignment&) const = default;
};

struct NamedValue {
    Text key;
    Text value;
    bool operator==(const NamedValue&) const = default;
};

// Positions of the twenty named values.
enum NamedValueIndex : int {
    kProfileName = 0,
    kGameFile0,
    kGameFile1,
    kGameFile2,
    kDoubleClickSpeed,
    kPointerSpeed,
    kAccelerationEnable,
    kScrollWheelSpeed,
    kScrollWheelPageEnable,
    kTiltSpeed,
    kSensitivityX,
    kSensitivityY,
    kXYSynchronous,
    kXDpi,
    kYDpi,
    kMoveLightingOnOffMode,
    kPowerDownTime,
    kLiftDetectionHeight,
    kKeyDebounce,
    kMotionWakeup,
    kNamedValueCount
};

struct ProfileRecord {
    static constexpr int kButtons = 6;
    static constexpr int kModes = 10;
    static constexpr int kDpiLevels = 8;

    std::array<NamedValue, kNamedValueCount> namedValues{};
    std::array<ButtonAssignment, kButtons> buttons{};
    Text pollingRateName;
    std::array<uint8_t, 3> pollingRateValue{};  // byte 0: 0..3 = 125, 250, 500, 1000 Hz
    uint8_t lighting1OffOn = 0;
    Text lighting1Name;
    std::array<uint8_t, 3> lighting1ModeValue{};  // byte 0: lighting mode 0..9
    std::array<uint8_t, kModes> lighting1Speed{};
    std::array<uint8_t, kModes> lighting1Brightness{};
    std::array<std::array<uint8_t, 10>, kModes> lighting1ColorSelected{};
    std::array<std::array<Colour, 10>, kModes> lighting1FixedColor{};
    std::array<uint8_t, kModes> lighting1Direction{};
    uint8_t lighting2OffOn = 0;
    Text lighting2Name;
    std::array<uint8_t, 3> lighting2ModeValue{};
    uint8_t lighting2Speed = 0;
    uint8_t lighting2Brightness = 0;
    Colour lighting2FixedColor = 0;
    uint8_t dpiOffOnFlag = 0;                      // bit k: level k enabled
    std::array<uint16_t, kDpiLevels> xySetting{};  // step index per level
    uint8_t currentDpiLevel = 0;                   // position among the enabled levels
    std::array<Colour, kDpiLevels> dpiLevelIndication{};
    uint8_t angleSnap = 0;
    uint8_t liftDetection = 0;

    const Text& value(NamedValueIndex i) const { return namedValues[i].value; }
    void setValue(NamedValueIndex i, Text v) { namedValues[i].value = std::move(v); }
    long number(NamedValueIndex i) const { return parseDec(namedValues[i].value); }
    void setNumber(NamedValueIndex i, long v) { namedValues[i].value = formatDec(v); }
    // Button by index; nullptr above 5 (and below 0).
    ButtonAssignment* button(int index);
    // Setters of the sensor page: the switches store 1 for any positive value, else 0.
    void setMoveLighting(long v) { setNumber(kMoveLightingOnOffMode, v > 0); }
    void setPowerDownTime(long v) { setNumber(kPowerDownTime, v); }
    void setMotionWakeup(long v) { setNumber(kMotionWakeup, v > 0); }

    bool operator==(const ProfileRecord&) const = default;
};

// Factory defaults; the slot number only chooses the default name.
void ResetProfile(ProfileRecord& record, int slot, const LanguageTable& language,
                  uint16_t sensorId);
// DPI fields for the sensor; levels stay as they were for an unknown sensor.
void ApplySensorDefaults(ProfileRecord& record, uint16_t sensorId);
// Replaces the button's macro copy with the given record (or just empties its actions).
void SetButtonMacro(ButtonAssignment& button, const MacroRecord* source);

}  // namespace vexmo
