// The form in which a macro reaches the mouse: device key codes, 3-byte device steps, the
// 1024-byte macro image and the button code that runs a macro.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "macros/MacroRecord.h"

namespace vexmo {

// The mouse's key code for every action code; 0 for codes the mouse cannot play.
const std::array<uint8_t, 256>& DeviceKeyCodeTable();

// Byte 0: release bit | step type | delay bits 11..8; byte 1: delay bits 7..0; byte 2: argument.
using DeviceStep = std::array<uint8_t, 3>;

// One step per action that is not a delay; each step carries the delay that directly follows
// its action (at most 4095 ms). Delays at the start or after another delay are dropped.
std::vector<DeviceStep> DeviceSteps(const MacroRecord& macro);

constexpr size_t kMacroImageSize = 1024;
using MacroImage = std::array<uint8_t, kMacroImageSize>;

// 09 90, the device macro number, commandActionNum, then the device steps; zero-filled.
MacroImage BuildMacroImage(const MacroRecord& macro, uint8_t deviceMacroNumber);

// The three function bytes of a button that runs the macro under the given device number.
std::array<uint8_t, 3> MacroButtonCode(uint8_t deviceMacroNumber, const MacroRecord& macro);

}  // namespace vexmo
