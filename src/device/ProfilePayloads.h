// The payload bytes of each configuration command, built from a profile: what the upload
// compares with its shadows and sends.
#pragma once

#include <array>
#include <cstdint>

#include "settings/ProfileRecord.h"

namespace vexmo {

class DpiStepTable;

using ButtonImage = std::array<uint8_t, 18>;    // six codes in the mouse's button order
using DpiImage = std::array<uint8_t, 18>;       // command 0x05 from byte 7
using ColourImage = std::array<uint8_t, 24>;    // command 0x06 from byte 7
using LightingImage = std::array<uint8_t, 25>;  // command 0x08 from byte 6: length, then payload
using PowerImage = std::array<uint8_t, 2>;      // power-down time, moving-lighting switch

// The mouse numbers its keys 3 and 4 the other way round.
constexpr std::array<int, 6> kDeviceButtonOrder = {0, 1, 2, 4, 3, 5};

ButtonImage BuildButtonImage(const ProfileRecord& profile);
DpiImage BuildDpiImage(const ProfileRecord& profile, const DpiStepTable& steps);
ColourImage BuildColourImage(const ProfileRecord& profile);
uint8_t PollingCodeOfIndex(uint8_t index);  // 8, 4, 2 or 1
uint8_t PollingCode(const ProfileRecord& profile);
uint8_t LiftOffCode(const ProfileRecord& profile);    // 1 or 2
uint8_t DebounceValue(const ProfileRecord& profile);  // low byte
LightingImage BuildLightingImage(const ProfileRecord& profile);
PowerImage BuildPowerImage(const ProfileRecord& profile);
uint8_t MotionWakeupValue(const ProfileRecord& profile);

}  // namespace vexmo
