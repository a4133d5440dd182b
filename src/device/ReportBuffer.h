// The one 33-byte feature report that every command is built in, with the sequence number that
// each built report takes.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "device/DeviceIds.h"

namespace vexmo {

namespace command {
constexpr uint8_t kButton = 0x04;
constexpr uint8_t kDpiLevels = 0x05;
constexpr uint8_t kDpiColours = 0x06;
constexpr uint8_t kPollingRate = 0x07;
constexpr uint8_t kLighting = 0x08;
constexpr uint8_t kLiftOff = 0x09;
constexpr uint8_t kDebounce = 0x0A;
constexpr uint8_t kPower = 0x0B;
constexpr uint8_t kMotionWakeup = 0x0C;
constexpr uint8_t kMacroPacket = 0x0E;
constexpr uint8_t kRestore = 0x0F;
constexpr uint8_t kStatus = 0x20;
}  // namespace command

class ReportBuffer {
public:
    static constexpr uint8_t kReportId = 0x0C;
    static constexpr int kPayloadOffset = 7;
    static constexpr int kPayloadSize = kReportLength - kPayloadOffset;  // 26

    // Clears the report and writes its header with the next sequence number.
    void Begin(uint8_t command, uint8_t length, uint8_t byte5 = 0x01, uint8_t byte1 = 0x01);
    // Payload bytes from byte 7 on.
    std::span<uint8_t> payload() { return std::span(bytes_).subspan(kPayloadOffset); }
    uint8_t& operator[](int i) { return bytes_[i]; }
    std::span<uint8_t, kReportLength> bytes() { return bytes_; }
    std::span<const uint8_t, kReportLength> bytes() const { return bytes_; }

    uint8_t sequence() const { return sequence_; }
    void setSequence(uint8_t value) { sequence_ = value; }

private:
    std::array<uint8_t, kReportLength> bytes_{};
    uint8_t sequence_ = 1;
};

}  // namespace vexmo
