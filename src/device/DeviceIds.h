// The mouse's USB identifiers and the two products it may present itself as.
#pragma once

#include <array>
#include <cstdint>

namespace vexmo {

constexpr uint16_t kMouseVendor = 0x248A;
constexpr int kProductCount = 2;
// Index 0 is preferred for sending.
constexpr std::array<uint16_t, kProductCount> kMouseProducts = {0x5B2E, 0x5B2F};
constexpr int kReportLength = 33;
constexpr int kScanLimit = 150;  // interfaces at this enumeration position or later are not seen

constexpr int productIndexOf(uint16_t product) {
    for (int i = 0; i < kProductCount; ++i)
        if (kMouseProducts[i] == product) return i;
    return -1;
}

}  // namespace vexmo
