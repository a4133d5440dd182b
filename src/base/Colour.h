// Colour values as stored by the profile: 32 bits, red in the lowest byte, then green, then blue.
#pragma once

#include <cstdint>

namespace vexmo {

using Colour = uint32_t;

constexpr uint8_t redOf(Colour c) { return static_cast<uint8_t>(c & 0xFF); }
constexpr uint8_t greenOf(Colour c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
constexpr uint8_t blueOf(Colour c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }
constexpr Colour makeColour(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}

}  // namespace vexmo
