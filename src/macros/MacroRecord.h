// One macro: up to 200 four-byte timed key and mouse actions with its playback mode.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "base/Text.h"

namespace vexmo {

// Four bytes in file and memory order: code, flags, data1, data2 (byte 0 is the low byte of the
// 32-bit little-endian value).
struct MacroAction {
    uint8_t code = 0;   // 3 delay; 8..0xDF, 0xE8..0xFF keys; 0xE0..0xE4 buttons; 0xE5..0xE7 moves
    uint8_t flags = 0;  // bit 7: release; for a delay bits 23..16 of the milliseconds
    uint8_t data1 = 0;  // for a delay bits 15..8
    uint8_t data2 = 0;  // for a delay bits 7..0; for moves and the wheel the signed amount

    static constexpr uint8_t kDelayCode = 3;
    static constexpr uint8_t kReleaseBit = 0x80;

    bool isDelay() const { return code == kDelayCode; }
    bool isRelease() const { return (flags & kReleaseBit) != 0; }
    // 24-bit big-endian milliseconds of a delay.
    uint32_t delayMs() const {
        return (static_cast<uint32_t>(flags) << 16) | (static_cast<uint32_t>(data1) << 8) | data2;
    }
    uint32_t raw() const {
        return code | (static_cast<uint32_t>(flags) << 8) | (static_cast<uint32_t>(data1) << 16) |
               (static_cast<uint32_t>(data2) << 24);
    }
    static MacroAction fromRaw(uint32_t v) {
        return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8),
                static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 24)};
    }
    static MacroAction delay(uint32_t ms) {
        return {kDelayCode, static_cast<uint8_t>(ms >> 16), static_cast<uint8_t>(ms >> 8),
                static_cast<uint8_t>(ms)};
    }
    static MacroAction key(uint8_t code, bool release) {
        return {code, static_cast<uint8_t>(release ? kReleaseBit : 0), 0, 0};
    }
    bool operator==(const MacroAction&) const = default;
};

struct MacroRecord {
    static constexpr size_t kMaxActions = 200;
    static constexpr uint8_t kMaxDeviceSteps = 50;

    Text name;
    uint32_t macroKeyIndex = 0;
    uint32_t actionNum = 0;  // used actions, 0..200
    std::array<MacroAction, kMaxActions> actions{};
    uint8_t loopType = 2;  // 1, 2 or 4; 2 repeats loopNum times
    uint8_t loopNum = 1;
    uint8_t commandActionNum = 0;  // device steps: actions that are not delays, at most 50

    // False for index > 199.
    bool SetAction(size_t index, MacroAction action);
    // False when full; an index at or past actionNum appends.
    bool InsertAction(size_t index, MacroAction action);
    // False when index >= actionNum; later actions move down.
    bool DeleteAction(size_t index);
    // Everything but macroKeyIndex.
    void CopyMacroContent(const MacroRecord& from);
    // Actions among the first actionNum whose code is not a delay, at most 50.
    uint8_t CountDeviceSteps() const;

    bool operator==(const MacroRecord&) const = default;
};

}  // namespace vexmo
