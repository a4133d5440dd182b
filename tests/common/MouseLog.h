// What the simulated mouse received: its feature reports in order, and their command bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "device/hid/VirtualMouse.h"

namespace vexmo::test {

inline std::vector<hid::VirtualMouse::LogEntry> SentReports(const hid::VirtualMouse& mouse) {
    std::vector<hid::VirtualMouse::LogEntry> out;
    for (auto& entry : mouse.log())
        if (entry.direction == hid::ReportDirection::Set) out.push_back(entry);
    return out;
}

inline std::vector<uint8_t> SentCommands(const hid::VirtualMouse& mouse) {
    std::vector<uint8_t> out;
    for (auto& entry : SentReports(mouse))
        out.push_back(entry.bytes[2]);
    return out;
}

}  // namespace vexmo::test
