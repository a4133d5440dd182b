#include "device/hid/ReportTrace.h"

#include <cinttypes>
#include <cstdio>

namespace vexmo::hid {

const char* directionName(ReportDirection direction) {
    switch (direction) {
        case ReportDirection::Set:
            return "set";
        case ReportDirection::Get:
            return "get";
        case ReportDirection::In:
            return "in";
    }
    return "?";
}

std::string formatTraceLine(int64_t ms, ReportDirection direction, uint16_t product,
                            std::span<const uint8_t> bytes) {
    char head[48];
    std::snprintf(head, sizeof head, "%" PRId64 " %s %04x", ms, directionName(direction),
                  static_cast<unsigned>(product));
    std::string line = head;
    line.reserve(line.size() + 3 * bytes.size());
    for (uint8_t b : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02x", static_cast<unsigned>(b));
        line += hex;
    }
    return line;
}

}  // namespace vexmo::hid
