// One line of the report trace: time, direction, product and the bytes of a report, as written
// to the trace file and shown in the simulated mouse's log.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vexmo::hid {

enum class ReportDirection { Set, Get, In };

const char* directionName(ReportDirection direction);  // "set", "get" or "in"

// "<ms> <set|get|in> <product as 4 hex digits> <bytes as 2-digit lower-case hex, blank separated>"
std::string formatTraceLine(int64_t ms, ReportDirection direction, uint16_t product,
                            std::span<const uint8_t> bytes);

}  // namespace vexmo::hid
