// Sends the built report through the preferred feature handle with the mouse's pacing, queries
// the status and sends the factory-restore command.
#pragma once

#include <array>
#include <optional>

#include "base/Clock.h"
#include "device/DeviceLink.h"
#include "device/ReportBuffer.h"

namespace vexmo {

using Report = std::array<uint8_t, kReportLength>;

class ReportSender {
public:
    static constexpr int kPacingMs = 60;
    static constexpr int kStatusWaitMs = 10;

    ReportSender(DeviceLink& link, Clock& clock) : link_(link), clock_(clock) {}

    ReportBuffer& buffer() { return buffer_; }

    // Sends the buffer through 0x5B2E's handle if open, else 0x5B2F's, marks the send and waits
    // 60 ms. Without a handle nothing is sent and nothing waits. The send's result is not used:
    // the caller's change detection records the value as sent either way.
    void SendReport();
    // The 60 ms pause on its own (uploads pause after steps that send nothing).
    void Pause() { clock_.sleepMs(kPacingMs); }

    bool hasHandle() const { return link_.anyHandleOpen(); }
    bool sent() const { return sent_; }
    void clearSent() { sent_ = false; }

    // Status query with one retry; the reply when a read succeeded with byte 6 not 0.
    std::optional<Report> QueryStatus();
    // Command 0x0F through product 0x5B2F only; byte 1 is 0x00 when 0x5B2E's handle is open too.
    // Returns whether it was sent.
    bool SendRestore();

private:
    bool SendStatusQuery(hid::Device& device);

    DeviceLink& link_;
    Clock& clock_;
    ReportBuffer buffer_;
    bool sent_ = false;
};

}  // namespace vexmo
