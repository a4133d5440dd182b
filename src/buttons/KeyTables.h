// The fixed, untranslated tables of Windows virtual-key codes: the English name shown for each
// key and the HID keyboard usage a key combination sends for it.
#pragma once

#include <cstdint>

#include "base/Text.h"

namespace vexmo {

// "Undefined" for every code without a name of its own.
const Text& KeyName(uint8_t code);
// 0 for a key that has no usage.
uint8_t KeyUsage(uint8_t code);

}  // namespace vexmo
